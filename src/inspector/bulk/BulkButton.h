#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/text/Label.h"

namespace vantile {

// A titled button of the bulk creator: a centred label that runs its action when tapped while
// enabled. Its tag says which row or type it stands for.
class BulkButton : public platform::ui::Label {
 public:
  using Action = std::function<void(BulkButton&)>;

  static std::shared_ptr<BulkButton> make(const platform::graphics::Rect& frame, std::string title);
  BulkButton(ConstructionKey key, const platform::graphics::Rect& frame);

  std::string_view className() const override { return "BulkButton"; }

  void setAction(Action action) { action_ = std::move(action); }
  bool isEnabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  // As a tap: the action runs only while enabled.
  void sendTouchUpInside();

 private:
  Action action_;
  bool enabled_ = true;
};

}  // namespace vantile
