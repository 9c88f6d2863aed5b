#pragma once

#include "inspector/naming/ElementRenameManagerDelegate.h"

namespace vantile {

class CreatorView;

// The canvas as the rename manager's delegate: forwards to the canvas that owns it.
class CanvasRenameDelegate final : public ElementRenameManagerDelegate {
 public:
  explicit CanvasRenameDelegate(CreatorView& canvas) : canvas_(canvas) {}

  bool implements(Operation operation) const override;
  const platform::Value* getCurrentPreset() const override;
  void updatePreset(platform::Value preset) override;
  std::string getSelectedElement() const override;
  void setSelectedElement(std::string name) override;
  void elementDidRename(const std::string& oldName, const std::string& newName) override;
  std::shared_ptr<platform::ui::ViewController> topViewController() const override;

 private:
  // The canvas owns this object, so it outlives every call.
  CreatorView& canvas_;
};

}  // namespace vantile
