#pragma once

#include <string>
#include <string_view>
#include <variant>

// Arithmetic only: numbers, + - * /, unary minus and plus, parentheses. Real arithmetic
// throughout (5/2 is 2.5). Length and nesting are limited, so hostile input costs little.
namespace platform::foundation {

struct ExpressionError {
  std::string reason;
};

using ExpressionResult = std::variant<double, ExpressionError>;

inline constexpr std::size_t kMaximumExpressionLength = 4096;
inline constexpr int kMaximumExpressionDepth = 64;

// Division by zero, a non-finite result, an unknown character, a missing operand or
// parenthesis, and over-long or over-deep input all give an error with a readable reason.
ExpressionResult evaluateArithmetic(std::string_view text);

}  // namespace platform::foundation
