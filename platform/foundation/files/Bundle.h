#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::foundation {

// The process's main bundle: its identifier, which each host sets before anything asks for it
// ("com.apple.springboard" for the home-screen process), and the folder of its resources, which
// a host sets when it has one, with its tables of texts. Paths are system paths, as the system names every path: map
// them with devicePath before opening.
class Bundle {
 public:
  static Bundle& main();

  // Empty until set.
  const std::string& bundleIdentifier() const { return bundleIdentifier_; }
  void setBundleIdentifier(std::string identifier) { bundleIdentifier_ = std::move(identifier); }

  // Nothing until set; an empty path forgets it.
  const std::optional<std::string>& resourceFolder() const { return resourceFolder_; }
  void setResourceFolder(std::string_view systemPath);

  // The file "name.type" of the resource folder (just "name" when the type is empty); nothing
  // when there is no folder, the file is missing, or the name would leave the folder.
  std::optional<std::string> pathForResource(std::string_view name, std::string_view type) const;

  // The text for `key` in the table "<table>.strings" of the resource folder's "en.lproj" (a
  // property-list dictionary of texts; an empty table name reads "Localizable"); `value` when
  // there is no such table or text, and the key itself when `value` is empty too.
  std::string localizedString(std::string_view key, std::string_view value, std::string_view table) const;

  Bundle(const Bundle&) = delete;
  Bundle& operator=(const Bundle&) = delete;

 private:
  Bundle() = default;

  std::string bundleIdentifier_;
  std::optional<std::string> resourceFolder_;
};

}  // namespace platform::foundation
