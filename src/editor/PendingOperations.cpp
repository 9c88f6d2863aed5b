// Operations of the canvas whose groups are being written; each group removes its section.
#include "editor/CreatorView.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {

// --- canvas: drawing and tags ---

std::shared_ptr<platform::ui::View> CreatorView::createViewFromDictionary(const platform::Value&, const std::string&) {
  return nullptr;
}
std::shared_ptr<platform::ui::ImageView> CreatorView::createBackgroundView(const platform::graphics::Rect&) {
  return nullptr;
}
std::shared_ptr<platform::ui::View> CreatorView::createGridView(const platform::graphics::Rect&) { return nullptr; }
std::shared_ptr<platform::ui::View> CreatorView::setupDisplay() { return nullptr; }
void CreatorView::pinch(platform::ui::GestureRecognizer&) {}
void CreatorView::move(platform::ui::GestureRecognizer&) {}
std::int32_t CreatorView::getViewTag(platform::ui::GestureRecognizer&) const { return 0; }
std::optional<std::string> CreatorView::getElementNameFromTag(std::int32_t) const { return std::nullopt; }
std::shared_ptr<platform::ui::View> CreatorView::getElementView(std::string_view) const { return nullptr; }
bool CreatorView::implements(Operation) const { return false; }
void CreatorView::updateReferenceToView(const std::string&, std::int32_t, const std::string&) {}
void CreatorView::createChildren(const platform::Value&, const std::shared_ptr<platform::ui::View>&,
                                 const std::string&, const std::optional<std::vector<std::string>>&) {}
void CreatorView::handleTapped(platform::ui::GestureRecognizer&) {}
void CreatorView::handleAnimation(platform::ui::GestureRecognizer&) {}
std::string CreatorView::cleanAnimationString(const platform::Value&) { return {}; }
void CreatorView::saveAnimationState(const std::string&, const std::string&, platform::Value&, const std::string&) {}

// --- canvas: theme loading ---

std::shared_ptr<platform::ui::View> CreatorView::setupMainView(const std::shared_ptr<platform::ui::View>&) {
  return nullptr;
}
void CreatorView::loadTheme() {}
void CreatorView::loadThemeFile(const std::string&) {}
void CreatorView::reloadTheme() {}
std::shared_ptr<platform::ui::View> CreatorView::setupMenu() { return nullptr; }

}  // namespace vantile
