#pragma once

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace platform::ui {
class View;
}

namespace vantile {

// One builder per creatable element type: description, tag and the parent's bounds in, a new
// configured view out. Builders attach nothing, read no host state and never call the host.
class ElementFactory {
 public:
  ElementFactory() = delete;

  using Builder = std::shared_ptr<platform::ui::View> (*)(const platform::Value& options, std::int32_t tag,
                                                          const platform::graphics::Rect& referenceRect);

  // The builder of a type name, or nothing.
  static std::optional<Builder> builderForType(std::string_view type);

  static std::shared_ptr<platform::ui::View> createUIViewForView(const platform::Value& options, std::int32_t tag,
                                                                 const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createUILabelForView(const platform::Value& options, std::int32_t tag,
                                                                  const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createScrollViewForView(const platform::Value& options, std::int32_t tag,
                                                                     const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createGlassViewForView(const platform::Value& options, std::int32_t tag,
                                                                    const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createCircleProgressForView(
      const platform::Value& options, std::int32_t tag, const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createBatteryIconForView(const platform::Value& options, std::int32_t tag,
                                                                      const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createBatteryBarForView(const platform::Value& options, std::int32_t tag,
                                                                     const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createProgressBarForView(const platform::Value& options, std::int32_t tag,
                                                                      const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createElapsedBarForView(const platform::Value& options, std::int32_t tag,
                                                                     const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createUIImageViewForView(const platform::Value& options, std::int32_t tag,
                                                                      const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createWeatherIconForView(const platform::Value& options, std::int32_t tag,
                                                                      const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createAppIconForView(const platform::Value& options, std::int32_t tag,
                                                                  const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createWeekWidgetForView(const platform::Value& options, std::int32_t tag,
                                                                     const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createAnalogClockForView(const platform::Value& options, std::int32_t tag,
                                                                      const platform::graphics::Rect& referenceRect);
  static std::shared_ptr<platform::ui::View> createMarqueeLabelForView(const platform::Value& options, std::int32_t tag,
                                                                       const platform::graphics::Rect& referenceRect);

  // Shades the inside edge of `view` when the description asks for a visible inner shadow.
  static void addInnerShadow(platform::ui::View& view, const platform::Value& options);
};

}  // namespace vantile
