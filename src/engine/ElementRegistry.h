#pragma once

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>

namespace platform::ui {
class View;
}

namespace vantile {

// The one way a host turns an element description into a view: only creatable types reach
// a builder, and no failure of a builder reaches the host.
class ElementRegistry {
 public:
  static ElementRegistry& sharedInstance();

  const std::set<std::string, std::less<>>& supportedElementTypes() const { return supportedElementTypes_; }
  bool isElementTypeRegistered(std::string_view type) const;

  // A new view of the type, configured from the description and tagged, not yet attached;
  // nothing for an unregistered type, a type without a builder or a failing builder.
  static std::shared_ptr<platform::ui::View> createElement(std::string_view type, const platform::Value& options,
                                                           std::int32_t tag,
                                                           const platform::graphics::Rect& referenceRect);

  ElementRegistry(const ElementRegistry&) = delete;
  ElementRegistry& operator=(const ElementRegistry&) = delete;

 private:
  ElementRegistry();
  std::set<std::string, std::less<>> supportedElementTypes_;
};

}  // namespace vantile
