#pragma once

#include <string>

namespace platform::foundation {

// The process's main bundle. Only its identifier matters here: each host sets its own
// ("com.apple.springboard" for the home-screen process) before anything asks for it.
class Bundle {
 public:
  static Bundle& main();

  // Empty until set.
  const std::string& bundleIdentifier() const { return bundleIdentifier_; }
  void setBundleIdentifier(std::string identifier) { bundleIdentifier_ = std::move(identifier); }

  Bundle(const Bundle&) = delete;
  Bundle& operator=(const Bundle&) = delete;

 private:
  Bundle() = default;

  std::string bundleIdentifier_;
};

}  // namespace platform::foundation
