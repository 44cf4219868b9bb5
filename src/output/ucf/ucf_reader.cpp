#include "output/ucf/ucf_reader.h"

#include <array>
#include <iterator>
#include <utility>

namespace hbpins {

namespace {

using constraint_handler = std::function<void(const ucf_constraint&)>;

// Room for the constraints of a statement while it is read; a statement
// with more hands on none, and its constraints are read again.
using kept_constraints = std::array<ucf_constraint, 16>;

// "NET, INST, ... or AREA_GROUP expected, not "x"".
std::string keyword_expected(const ucf_token& t) {
  std::string text;
  for (std::size_t k = 0; k < std::size(statement_keywords); ++k) {
    if (k > 0) text += k + 1 < std::size(statement_keywords) ? ", " : " or ";
    text += statement_keywords[k];
  }
  return text + " expected, not " + shown(t);
}

bool ends_statement(const ucf_token& t) {
  return t.kind == token_kind::end || t.kind == token_kind::semicolon ||
         (t.starts_line && is_statement_keyword(t));
}

// What the constraints of a NET statement expect next, token by token.
enum class net_step { constraint, equals, value, bar, passing };

// The constraints of a NET statement as their tokens come. Its first fault
// is told when the statement ends, so that a byte or a quote that no text
// may hold later in the statement is told first.
struct net_reader {
  std::string_view name;
  const constraint_handler* each = nullptr;  // none while the statement is read the first time
  kept_constraints* kept = nullptr;
  std::size_t count = 0;  // the constraints read
  net_step step = net_step::constraint;
  const compared_constraint* constraint = nullptr;  // the one being read
  std::size_t constraint_line = 0;
  std::optional<ucf_read_error> fault{};

  void fail(std::size_t at, std::string what) {
    if (!fault) fault = ucf_read_error{at, std::string(name) + ": " + std::move(what)};
  }
  void keep(std::string_view value) {
    const ucf_constraint read{constraint->kind, value};
    if (each != nullptr) (*each)(read);
    if (kept != nullptr && count < kept->size()) (*kept)[count] = read;
    ++count;
    step = net_step::bar;
  }
  std::string without_value() const {
    return std::string(constraint->keyword) + " without a value";
  }
};

// A constraint begins: LOC, IOSTANDARD and the pulls are read, any other
// one (TNM_NET, PERIOD, SLEW, ...) is passed over up to the next "|".
void begin_constraint(net_reader& n, const ucf_token& t) {
  if (t.kind == token_kind::bar) return;
  if (t.kind != token_kind::word) return n.fail(t.line, "a constraint expected, not " + shown(t));
  n.step = net_step::passing;
  for (const compared_constraint& constraint : compared_constraints) {
    if (!is_keyword(t, constraint.keyword)) continue;
    n.constraint = &constraint;
    n.constraint_line = t.line;
    if (constraint.kind == constraint_kind::pull) return n.keep(constraint.pull);
    n.step = net_step::equals;
  }
}

void take(net_reader& n, const ucf_token& t) {
  switch (n.step) {
    case net_step::constraint:
      return begin_constraint(n, t);
    case net_step::equals:
      if (t.kind != token_kind::equals) return n.fail(n.constraint_line, n.without_value());
      n.step = net_step::value;
      return;
    case net_step::value:
      if (!is_value(t)) return n.fail(n.constraint_line, n.without_value());
      return n.keep(t.text);
    case net_step::bar:
      if (t.kind != token_kind::bar)
        return n.fail(t.line, "| or ; expected after " + std::string(n.constraint->keyword) +
                                  ", not " + shown(t));
      n.step = net_step::constraint;
      return;
    case net_step::passing:
      if (t.kind == token_kind::bar) n.step = net_step::constraint;
      return;
  }
}

// After NET: its name, and its constraints up to the token that ends the
// statement, which is returned.
ucf_token read_net(ucf_scanner& s, const ucf_token& keyword,
                   const std::function<void(const net_statement&)>& each, kept_constraints& kept) {
  ucf_token t = next_token(s);
  if (ends_statement(t)) throw ucf_read_error{keyword.line, "NET without a name"};
  net_reader n{t.text, nullptr, &kept};
  if (!is_value(t) || t.text.empty()) n.fault = ucf_read_error{keyword.line, "NET without a name"};
  ucf_scanner constraints = s;
  for (t = next_token(s); !ends_statement(t); t = next_token(s))
    if (!n.fault) take(n, t);
  if (!n.fault && (n.step == net_step::equals || n.step == net_step::value))
    n.fail(n.constraint_line, n.without_value());
  if (n.fault) throw std::move(*n.fault);
  constraints.text = s.text.substr(0, t.start);
  const std::size_t kept_count = n.count <= kept.size() ? n.count : 0;
  if (n.count > 0) each({keyword.line, n.name, {kept.data(), kept_count}, constraints});
  return t;
}

// From the token after the keyword to the token that ends the statement,
// which is returned.
ucf_token read_statement(ucf_scanner& s, const ucf_token& keyword,
                         const std::function<void(const net_statement&)>& each,
                         kept_constraints& kept) {
  if (is_keyword(keyword, "NET")) return read_net(s, keyword, each, kept);
  ucf_token t = next_token(s);
  while (!ends_statement(t)) t = next_token(s);
  return t;
}

}  // namespace

std::optional<ucf_read_error> read_ucf(std::string_view text,
                                       const std::function<void(const net_statement&)>& each) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // the UTF-8 byte order mark
  ucf_scanner s{text};
  kept_constraints kept;
  try {
    ucf_token t = next_token(s);
    while (t.kind != token_kind::end) {
      if (t.kind == token_kind::semicolon) {
        t = next_token(s);
        continue;
      }
      if (!is_statement_keyword(t)) throw ucf_read_error{t.line, keyword_expected(t)};
      t = read_statement(s, t, each, kept);
    }
  } catch (ucf_read_error& error) {
    return std::move(error);
  }
  return std::nullopt;
}

// The statement was read without a fault: reading it again gives its
// constraints and nothing else.
void read_constraints_again(const net_statement& statement, const constraint_handler& each) {
  ucf_scanner s = statement.constraints;
  net_reader n{statement.name, &each};
  for (ucf_token t = next_token(s); t.kind != token_kind::end; t = next_token(s)) take(n, t);
}

}  // namespace hbpins
