#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace vantile::kwvservice {

// A virtual X server (Xvfb) for a service started without a display; it ends with the object.
class VirtualDisplay {
 public:
  // The display, set as DISPLAY; nothing when Xvfb is missing or does not come up in time.
  static std::optional<VirtualDisplay> start(double timeoutSeconds);

  VirtualDisplay(VirtualDisplay&& other) noexcept;
  VirtualDisplay& operator=(VirtualDisplay&&) = delete;
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;
  ~VirtualDisplay();

  const std::string& name() const { return name_; }

 private:
  VirtualDisplay(pid_t server, std::string name) : server_(server), name_(std::move(name)) {}

  pid_t server_;
  std::string name_;
};

}  // namespace vantile::kwvservice
