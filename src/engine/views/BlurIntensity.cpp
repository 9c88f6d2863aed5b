#include "engine/views/BlurIntensity.h"

#include <algorithm>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/views/BlurView.h"

namespace vantile {

namespace {

constexpr const char* kGaussianBlur = "gaussianBlur";
constexpr const char* kInputRadius = "inputRadius";

}  // namespace

float intensity(const platform::ui::BlurView& view) {
  const auto& filters = view.backdropFilters();
  const auto blur = std::find_if(filters.begin(), filters.end(),
                                 [](const platform::ui::BackdropFilter& filter) { return filter.type == kGaussianBlur; });
  if (blur == filters.end() || !blur->values.is_object()) return 0;
  const auto radius = blur->values.find(kInputRadius);
  return radius != blur->values.end() && radius->is_number() ? radius->get<float>() : 0;
}

void setIntensity(platform::ui::BlurView& view, float value) {
  platform::ui::EffectDescriptor descriptor = platform::ui::BlurView::effectDescriptorForEffects({view.effect()});
  auto& entries = descriptor.filterEntries;
  const auto blur = std::find_if(entries.begin(), entries.end(), [](const platform::ui::FilterEntry& entry) {
    return entry.filterType == kGaussianBlur;
  });
  if (blur == entries.end()) return;
  platform::Value requested = blur->requestedValues;
  if (!requested.is_object() || !requested.contains(kInputRadius)) {
    platform::foundation::systemLog("Not supported effect.");
    return;
  }
  requested[kInputRadius] = value;
  blur->requestedValues = std::move(requested);
  view.setCurrentEffectDescriptor(std::move(descriptor));
  view.applyRequestedFilterEffects();
}

}  // namespace vantile
