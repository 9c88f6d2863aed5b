#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform::services {

// A reverse-geocoded place; each part may be missing.
struct Placemark {
  std::optional<std::string> subThoroughfare;
  std::optional<std::string> thoroughfare;
  std::optional<std::string> subLocality;
  std::optional<std::string> locality;
  std::optional<std::string> postalCode;
  std::optional<std::string> subAdministrativeArea;
  std::optional<std::string> administrativeArea;
  std::optional<std::string> country;
  std::optional<std::string> isoCountryCode;
};

// Turns coordinates into places: the device's weather place is what any coordinates give.
// The completion runs later on the main queue, with an error when no place is known.
class Geocoder {
 public:
  using Completion = std::function<void(std::vector<Placemark> placemarks, std::optional<std::string> error)>;

  void reverseGeocodeLocation(double latitude, double longitude, Completion completion);
};

}  // namespace platform::services
