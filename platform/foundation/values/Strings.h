#pragma once

#include <string>
#include <string_view>
#include <vector>

// Foundation's everyday string operations, on UTF-8 bytes. The searched texts of the system
// (tokens, markers, separators) are ASCII, so byte positions are as good as characters here.
namespace platform::foundation {

inline bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

inline std::string replacingOccurrences(std::string_view text, std::string_view target, std::string_view replacement) {
  if (target.empty()) {
    return std::string(text);
  }
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (auto found = text.find(target); found != std::string_view::npos; found = text.find(target, start)) {
    result.append(text.substr(start, found - start)).append(replacement);
    start = found + target.size();
  }
  result.append(text.substr(start));
  return result;
}

// Like componentsSeparatedByString: n separators give n + 1 parts, empty ones included.
inline std::vector<std::string_view> components(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> parts;
  if (separator.empty()) {
    parts.push_back(text);
    return parts;
  }
  std::size_t start = 0;
  for (auto found = text.find(separator); found != std::string_view::npos; found = text.find(separator, start)) {
    parts.push_back(text.substr(start, found - start));
    start = found + separator.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

inline bool isWhiteSpace(char character) {
  return character == ' ' || character == '\t' || character == '\n' || character == '\r' || character == '\v' ||
         character == '\f';
}

inline std::string_view trimmingWhiteSpace(std::string_view text) {
  while (!text.empty() && isWhiteSpace(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isWhiteSpace(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace platform::foundation
