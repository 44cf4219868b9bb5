#include "output/ucf/ucf_reader.h"

#include <iterator>
#include <utility>

namespace hbpins {

namespace {

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

// What a NET statement expects next, token by token.
enum class net_step { name, constraint, equals, value, bar, passing };

// A NET statement as its tokens come. Its first fault is told when the
// statement ends, so that a byte or a quote that no text may hold later in
// the statement is told first.
struct net_reader {
  ucf_reading& reading;
  std::size_t line;
  std::size_t first_constraint = reading.constraints.size();
  std::string_view name{};
  net_step step = net_step::name;
  const compared_constraint* constraint = nullptr;  // the one being read
  std::size_t constraint_line = 0;
  std::optional<ucf_read_error> fault{};

  void fail(std::size_t at, std::string what) {
    if (!fault) fault = ucf_read_error{at, std::string(name) + ": " + std::move(what)};
  }
  void keep(std::string_view value) {
    reading.constraints.push_back({constraint->kind, value});
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
    case net_step::name:
      if (!is_value(t) || t.text.empty()) n.fault = ucf_read_error{n.line, "NET without a name"};
      n.name = t.text;
      n.step = net_step::constraint;
      return;
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

// The statement has ended: its fault, or the statement kept where it states
// a compared constraint. The count stands in the span until the
// constraints stop moving.
void finish(net_reader& n) {
  if (n.step == net_step::name) n.fault = ucf_read_error{n.line, "NET without a name"};
  if (n.step == net_step::equals || n.step == net_step::value)
    n.fail(n.constraint_line, n.without_value());
  if (n.fault) throw std::move(*n.fault);
  const std::size_t count = n.reading.constraints.size() - n.first_constraint;
  if (count > 0) n.reading.nets.push_back({n.line, n.name, {n.reading.constraints.data(), count}});
}

// From the token after the keyword to the token that ends the statement,
// which is returned.
ucf_token read_statement(ucf_scanner& s, const ucf_token& keyword, ucf_reading& reading) {
  ucf_token t = next_token(s);
  if (!is_keyword(keyword, "NET")) {
    while (!ends_statement(t)) t = next_token(s);
    return t;
  }
  net_reader n{reading, keyword.line};
  for (; !ends_statement(t); t = next_token(s))
    if (!n.fault) take(n, t);
  finish(n);
  return t;
}

// Each statement's constraints follow those of the one before.
void point_into_constraints(ucf_reading& reading) {
  const ucf_constraint* at = reading.constraints.data();
  for (net_statement& net : reading.nets) {
    net.constraints = {at, net.constraints.size()};
    at += net.constraints.size();
  }
}

}  // namespace

ucf_reading read_ucf(std::string_view text) {
  ucf_reading reading;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // the UTF-8 byte order mark
  // Room for a statement per line of the length hbpins writes spares the
  // copies of growing lists on large files.
  reading.nets.reserve(text.size() / 64);
  reading.constraints.reserve(text.size() / 32);
  ucf_scanner s{text};
  try {
    ucf_token t = next_token(s);
    while (t.kind != token_kind::end) {
      if (t.kind == token_kind::semicolon) {
        t = next_token(s);
        continue;
      }
      if (!is_statement_keyword(t)) throw ucf_read_error{t.line, keyword_expected(t)};
      t = read_statement(s, t, reading);
    }
  } catch (ucf_read_error& error) {
    reading.error = std::move(error);
  }
  point_into_constraints(reading);
  return reading;
}

}  // namespace hbpins
