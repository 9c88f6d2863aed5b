#include "platform/objc/Implementation.h"

#include <cxxabi.h>

#include <cstdlib>
#include <string_view>

namespace platform::objc {

std::string signatureName(const std::type_info& signature) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(signature.name(), nullptr, nullptr, &status), &std::free);
  if (status != 0 || !demangled) return signature.name();
  std::string name(demangled.get());
  // Spelled out, std::string would drown the rest of a log line.
  static constexpr std::string_view kLongString =
      "std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >";
  for (std::size_t at = name.find(kLongString); at != std::string::npos; at = name.find(kLongString, at)) {
    name.replace(at, kLongString.size(), "std::string");
  }
  return name;
}

std::string Implementation::signatureName() const {
  return holder_ ? objc::signatureName(*holder_->signature) : std::string("none");
}

}  // namespace platform::objc
