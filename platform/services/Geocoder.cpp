#include "platform/services/Geocoder.h"

#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/device/DeviceModel.h"

namespace platform::services {

void Geocoder::reverseGeocodeLocation(double, double, Completion completion) {
  if (!completion) return;
  const auto& place = springboard::DeviceModel::shared().state().weather.place;
  std::vector<Placemark> placemarks;
  std::optional<std::string> error;
  if (place) {
    placemarks.push_back({place->subThoroughfare, place->thoroughfare, place->subLocality, place->locality,
                          place->postalCode, place->subAdministrativeArea, place->administrativeArea, place->country,
                          place->isoCountryCode});
  } else {
    error = "kCLErrorGeocodeFoundNoResult";
  }
  foundation::MainQueue::shared().post([completion = std::move(completion), placemarks = std::move(placemarks),
                                        error = std::move(error)]() mutable {
    completion(std::move(placemarks), std::move(error));
  });
}

}  // namespace platform::services
