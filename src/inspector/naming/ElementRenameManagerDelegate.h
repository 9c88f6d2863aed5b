#pragma once

#include <memory>
#include <string>

#include "platform/foundation/values/Value.h"

namespace platform::ui {
class ViewController;
}

namespace vantile {

// What the rename manager asks of the editor that holds the theme being edited.
class ElementRenameManagerDelegate {
 public:
  enum class Operation {
    getCurrentPreset,
    updatePreset,
    getSelectedElement,
    setSelectedElement,
    elementDidRename,
    topViewController,
  };

  virtual ~ElementRenameManagerDelegate() = default;

  virtual bool implements(Operation operation) const = 0;
  // The theme document being edited; null when there is none.
  virtual const platform::Value* getCurrentPreset() const = 0;
  virtual void updatePreset(platform::Value preset) = 0;
  virtual std::string getSelectedElement() const = 0;
  virtual void setSelectedElement(std::string name) = 0;
  virtual void elementDidRename(const std::string& oldName, const std::string& newName) = 0;
  virtual std::shared_ptr<platform::ui::ViewController> topViewController() const = 0;
};

}  // namespace vantile
