// What style editing hands on to operations of later issues; each does what exists (nothing yet).
#include "editor/CreatorView.h"

namespace vantile {

// The value editor overlay (CreatorTextFieldView) comes with the inspector panels issue.
std::shared_ptr<platform::ui::View> CreatorView::createValueEditorOverlay(platform::ui::TextField&,
                                                                          std::function<void(const std::string&)>) {
  return nullptr;
}

}  // namespace vantile
