#pragma once

#include "platform/foundation/values/Value.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {
class GestureRecognizer;
class View;
}  // namespace platform::ui

namespace vantile {

// The host that builds a tree of elements (the theme controller, the editor canvas). The
// orchestrator asks `implements` before every call, the required operations included.
class ElementOrchestratorDelegate {
 public:
  enum class Operation {
    updateReferenceToView,
    createChildren,
    handleTapped,
    handleAnimation,
    launchApp,
    changeApp,
    enableActionsForView,
  };

  virtual ~ElementOrchestratorDelegate() = default;

  virtual bool implements(Operation operation) const = 0;

  // Required: records element name → view tag.
  virtual void updateReferenceToView(const std::string& name, std::int32_t count, const std::string& location) = 0;
  // Required: builds the children of a container, in `order` (nothing: the host's own order).
  virtual void createChildren(const platform::Value& children, const std::shared_ptr<platform::ui::View>& view,
                              const std::string& location, const std::optional<std::vector<std::string>>& order) = 0;

  // Optional.
  virtual void handleTapped(platform::ui::GestureRecognizer&) {}
  virtual void handleAnimation(platform::ui::GestureRecognizer&) {}
  virtual void launchApp(platform::ui::GestureRecognizer&) {}
  virtual void changeApp(platform::ui::GestureRecognizer&) {}
  virtual void enableActionsForView(const std::shared_ptr<platform::ui::View>&, const std::string&) {}
};

}  // namespace vantile
