#include "platform/foundation/values/ArithmeticExpression.h"

#include "platform/foundation/values/DecimalNumber.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace platform::foundation {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string describeCharacter(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code >= 0x20 && code < 0x7f) {
    return std::string("'") + c + "'";
  }
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "0x%02X", code);
  return buffer;
}

// Recursive descent; every function returns nothing once an error is recorded.
//   expr    := term (('+' | '-') term)*
//   term    := unary (('*' | '/') unary)*
//   unary   := ('-' | '+') unary | primary
//   primary := number | '(' expr ')'
class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  ExpressionResult parse() {
    skipSpace();
    if (position_ == text_.size()) {
      return ExpressionError{"empty expression"};
    }
    const std::optional<double> value = expression();
    if (!value) {
      return ExpressionError{error_};
    }
    skipSpace();
    if (position_ != text_.size()) {
      return ExpressionError{"unexpected character " + describeCharacter(text_[position_]) + " at " +
                             std::to_string(position_)};
    }
    return *value;
  }

 private:
  // One level of parenthesis or unary sign; refuses to go deeper than the limit.
  class Nesting {
   public:
    explicit Nesting(Parser& parser) : parser_(parser) { ++parser_.depth_; }
    ~Nesting() { --parser_.depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;
    bool tooDeep() const { return parser_.depth_ > kMaximumExpressionDepth; }

   private:
    Parser& parser_;
  };

  std::optional<double> expression() {
    std::optional<double> value = term();
    while (value) {
      skipSpace();
      if (position_ == text_.size() || (text_[position_] != '+' && text_[position_] != '-')) {
        break;
      }
      const char operation = text_[position_++];
      const std::optional<double> right = term();
      if (!right) {
        return std::nullopt;
      }
      value = finite(operation == '+' ? *value + *right : *value - *right);
    }
    return value;
  }

  std::optional<double> term() {
    std::optional<double> value = unary();
    while (value) {
      skipSpace();
      if (position_ == text_.size() || (text_[position_] != '*' && text_[position_] != '/')) {
        break;
      }
      const char operation = text_[position_++];
      const std::optional<double> right = unary();
      if (!right) {
        return std::nullopt;
      }
      if (operation == '/' && *right == 0) {
        return fail("division by zero");
      }
      value = finite(operation == '*' ? *value * *right : *value / *right);
    }
    return value;
  }

  std::optional<double> unary() {
    skipSpace();
    if (position_ < text_.size() && (text_[position_] == '-' || text_[position_] == '+')) {
      const Nesting nesting(*this);
      if (nesting.tooDeep()) {
        return fail("expression nested too deeply");
      }
      const bool negate = text_[position_++] == '-';
      const std::optional<double> operand = unary();
      if (!operand) {
        return std::nullopt;
      }
      return negate ? -*operand : *operand;
    }
    return primary();
  }

  std::optional<double> primary() {
    skipSpace();
    if (position_ < text_.size() && text_[position_] == '(') {
      const Nesting nesting(*this);
      if (nesting.tooDeep()) {
        return fail("expression nested too deeply");
      }
      ++position_;
      const std::optional<double> value = expression();
      if (!value) {
        return std::nullopt;
      }
      skipSpace();
      if (position_ == text_.size() || text_[position_] != ')') {
        return fail("missing ')' at " + std::to_string(position_));
      }
      ++position_;
      return value;
    }
    const std::string_view rest = text_.substr(position_);
    const detail::DecimalSpan span = detail::scanUnsignedDecimal(rest);
    if (span.length == 0) {
      if (position_ == text_.size()) {
        return fail("expected a number at " + std::to_string(position_) + " (end of input)");
      }
      return fail("expected a number at " + std::to_string(position_) + ", found " +
                  describeCharacter(text_[position_]));
    }
    const double value = detail::readUnsignedDecimal<double>(rest, span);
    if (!std::isfinite(value)) {
      return fail("number too large at " + std::to_string(position_));
    }
    position_ += span.length;
    return value;
  }

  std::optional<double> finite(double value) {
    if (!std::isfinite(value)) {
      return fail("result is not finite");
    }
    return value;
  }

  std::nullopt_t fail(std::string reason) {
    if (error_.empty()) {
      error_ = std::move(reason);
    }
    return std::nullopt;
  }

  void skipSpace() {
    while (position_ < text_.size() && isSpace(text_[position_])) {
      ++position_;
    }
  }

  std::string_view text_;
  std::size_t position_ = 0;
  int depth_ = 0;
  std::string error_;
};

}  // namespace

ExpressionResult evaluateArithmetic(std::string_view text) {
  if (text.size() > kMaximumExpressionLength) {
    return ExpressionError{"expression too long (" + std::to_string(text.size()) + " characters, at most " +
                           std::to_string(kMaximumExpressionLength) + ")"};
  }
  return Parser(text).parse();
}

}  // namespace platform::foundation
