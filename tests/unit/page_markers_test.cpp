// The markers of the page's frame, filled as no page shows them: unknown,
// unclosed and adjacent markers, and parts that hold markers themselves;
// and the embedded files, which must not end the element they are put in.

#include "output/report/page_markers.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "output/report/page/page_files.h"

namespace hbpins {
namespace {

const marker_part parts[] = {{"a", "<A>"}, {"b", "@@a@@"}, {"empty", ""}};

TEST(PageMarkers, FillsEveryKnownMarker) {
  EXPECT_EQ(fill_markers("", parts), "");
  EXPECT_EQ(fill_markers("no markers", parts), "no markers");
  EXPECT_EQ(fill_markers("@@a@@", parts), "<A>");
  EXPECT_EQ(fill_markers("x@@a@@y@@a@@z", parts), "x<A>y<A>z");
  EXPECT_EQ(fill_markers("@@a@@@@empty@@@@a@@", parts), "<A><A>");
  // A part is put in as it is, markers and all.
  EXPECT_EQ(fill_markers("[@@b@@]", parts), "[@@a@@]");
}

TEST(PageMarkers, CopiesWhatIsNoKnownMarker) {
  EXPECT_EQ(fill_markers("@@c@@", parts), "@@c@@");
  EXPECT_EQ(fill_markers("@@", parts), "@@");
  EXPECT_EQ(fill_markers("@@a", parts), "@@a");
  EXPECT_EQ(fill_markers("a@@", parts), "a@@");
  EXPECT_EQ(fill_markers("@@@@", parts), "@@@@");
  // The closing fence of an unknown marker may open a known one.
  EXPECT_EQ(fill_markers("@@c@@a@@", parts), "@@c<A>");
  EXPECT_EQ(fill_markers("@@ @@a@@ @@", parts), "@@ <A> @@");
  EXPECT_EQ(fill_markers("@@@a@@", parts), "@@@a@@");
}

// Every marker of the frame once, each one the page's writer fills.
TEST(PageMarkers, TheFrameHasEachPartOnce) {
  std::multiset<std::string> names;
  for (std::size_t at = 0; (at = page_html.find("@@", at)) != std::string_view::npos;) {
    const std::size_t close = page_html.find("@@", at + 2);
    ASSERT_NE(close, std::string_view::npos) << page_html.substr(at, 40);
    names.emplace(page_html.substr(at + 2, close - at - 2));
    at = close + 2;
  }
  EXPECT_EQ(names, (std::multiset<std::string>{"picture", "report", "script", "style", "wiring"}));
  EXPECT_TRUE(page_html.starts_with("<!DOCTYPE html>\n"));
  EXPECT_TRUE(page_html.ends_with("</html>\n"));
}

// The style and the script stand inside their elements, which end at the
// first "</style" or "</script" in any case; "<!--" in a script would hide
// the end of the element from the HTML parser.
TEST(PageMarkers, TheStyleAndTheScriptKeepInsideTheirElements) {
  const auto lower = [](std::string_view text) {
    std::string copy(text);
    for (char& c : copy) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return copy;
  };
  EXPECT_EQ(lower(page_css).find("</style"), std::string::npos);
  EXPECT_EQ(lower(page_js).find("</script"), std::string::npos);
  EXPECT_EQ(page_js.find("<!--"), std::string_view::npos);
  EXPECT_FALSE(page_css.empty());
  EXPECT_FALSE(page_js.empty());
}

}  // namespace
}  // namespace hbpins
