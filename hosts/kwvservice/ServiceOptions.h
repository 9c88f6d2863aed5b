#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace vantile::kwvservice {

// How the host started the service: the socket it inherited and the host's main screen.
struct ServiceOptions {
  int channel = -1;
  platform::graphics::Size screen{390, 844};
  double scale = 1;
};

struct ServiceOptionsReading {
  std::optional<ServiceOptions> options;
  std::string error;
};

ServiceOptionsReading parseServiceOptions(const std::vector<std::string>& arguments);

}  // namespace vantile::kwvservice
