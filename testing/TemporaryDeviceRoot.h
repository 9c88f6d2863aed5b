#pragma once

#include <filesystem>
#include <string_view>

namespace vantile::testing {

// A fresh, empty device folder for one test; the previous root comes back, the main queue is
// emptied and the folder is removed when it goes out of scope.
class TemporaryDeviceRoot {
 public:
  TemporaryDeviceRoot();
  ~TemporaryDeviceRoot();
  TemporaryDeviceRoot(const TemporaryDeviceRoot&) = delete;
  TemporaryDeviceRoot& operator=(const TemporaryDeviceRoot&) = delete;

  const std::filesystem::path& path() const { return root_; }

  // Writes a file at a system path ("/var/mobile/...") inside the root.
  void writeFile(std::string_view systemPath, std::string_view contents) const;

 private:
  std::filesystem::path previousRoot_;
  std::filesystem::path root_;
};

}  // namespace vantile::testing
