#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Which program vends the view services of a bundle identifier, as the system's installed
// view-service bundles say. The host fills it in.
namespace platform::web {

void registerViewService(const std::string& bundleIdentifier, const std::filesystem::path& executable);
void forgetViewService(const std::string& bundleIdentifier);
std::optional<std::filesystem::path> viewServiceExecutable(const std::string& bundleIdentifier);

}  // namespace platform::web
