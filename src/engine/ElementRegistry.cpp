#include "engine/ElementRegistry.h"

#include "engine/builders/ElementFactory.h"
#include "engine/ElementTemplateFactory.h"
#include "platform/ui/views/View.h"

#include <exception>

namespace vantile {

ElementRegistry::ElementRegistry() {
  for (auto& type : ElementTemplateFactory::sharedInstance().basicElementTypes()) {
    supportedElementTypes_.insert(std::move(type));
  }
}

ElementRegistry& ElementRegistry::sharedInstance() {
  static ElementRegistry registry;
  return registry;
}

bool ElementRegistry::isElementTypeRegistered(std::string_view type) const {
  return supportedElementTypes_.contains(type);
}

std::shared_ptr<platform::ui::View> ElementRegistry::createElement(std::string_view type,
                                                                   const platform::Value& options, std::int32_t tag,
                                                                   const platform::graphics::Rect& referenceRect) {
  if (!sharedInstance().isElementTypeRegistered(type)) {
    return nullptr;
  }
  const auto builder = ElementFactory::builderForType(type);
  if (!builder) {
    return nullptr;
  }
  // A malformed description (a dictionary where text is expected, ...) stops only its element.
  try {
    return (*builder)(options, tag, referenceRect);
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace vantile
