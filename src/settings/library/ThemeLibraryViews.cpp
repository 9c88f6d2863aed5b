// The views and alerts the library's screens share.
#include <cmath>
#include <typeinfo>

#include "engine/images/ImagePipeline.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "settings/library/ThemeLibraryPaths.h"
#include "settings/repositories/LoadingPopup.h"

namespace vantile::settings {

namespace ui = platform::ui;
using platform::graphics::Color;
using platform::graphics::Rect;

namespace {
constexpr Color kButtonGrey{0.333, 0.333, 0.333, 0.8};
}  // namespace

std::shared_ptr<ui::View> CreatorThemeDownloader::closeButtonWithFrame(const Rect& frame, int actionType) {
  auto button = ui::View::make(frame);
  button->setBackgroundColor(kButtonGrey);
  button->layer()->setCornerRadius(frame.height() / 2);
  button->setClipsToBounds(true);
  const double side = std::trunc(frame.width() - 10);
  const double origin = std::trunc(frame.width() / 2 - std::trunc(side / 2));
  auto image = ui::ImageView::make(Rect{origin, origin, side, side});
  image->setContentMode(ui::ContentMode::scaleAspectFit);
  image->setImage(getUIImageFromURL(kCloseImageAddress));
  button->addSubview(image);
  if (actionType == 0 || actionType == 1) {
    auto tap = ui::TapGestureRecognizer::make([library = weakLibrary(), actionType](ui::GestureRecognizer&) {
      const auto strong = library.lock();
      if (!strong) return;
      if (actionType == 0) {
        strong->closeViewController();
      } else {
        strong->openRepoList();
      }
    });
    button->addGestureRecognizer(std::move(tap));
  }
  return button;
}

std::shared_ptr<ui::BlurView> CreatorThemeDownloader::blurViewWithBounds(const Rect& bounds) {
  return ui::BlurView::make(ui::BlurStyle::dark, bounds);
}

std::shared_ptr<ui::View> CreatorThemeDownloader::loadingPopup(const std::string& text) {
  return repositories::loadingPopup(text);
}

std::optional<platform::graphics::Image> CreatorThemeDownloader::getUIImageFromURL(std::string_view address) {
  if (!address.starts_with("file://")) {
    platform::foundation::systemLog("The library reads only device files at once, not " + std::string(address));
    return std::nullopt;
  }
  return ImagePipeline::imageAtFileURL(address);
}

void CreatorThemeDownloader::showError(const std::string& message) const {
  auto alert = ui::AlertController::make("Vantile", message, ui::AlertController::Style::alert);
  alert->addAction({"Ok", ui::AlertAction::Style::normal, {}});
  presentAlert(alert);
}

void CreatorThemeDownloader::presentAlert(const std::shared_ptr<ui::ViewController>& alert) const {
  const auto presenter = topViewController();
  if (!presenter) {
    platform::foundation::systemLog("The theme library has no view controller to present on.");
    return;
  }
  presenter->presentViewController(alert, true);
}

std::shared_ptr<ui::ViewController> CreatorThemeDownloader::topViewController() const {
  const std::shared_ptr<ui::Window> window = ui::Application::shared().keyWindow();
  if (!window) return nullptr;
  std::shared_ptr<ui::ViewController> top = window->rootViewController();
  while (top) {
    std::shared_ptr<ui::ViewController> presented = top->presentedViewController();
    if (!presented) break;
    const ui::ViewController& shown = *presented;
    // Only the navigation controller itself, not a kind of it, hands on to its last controller.
    if (typeid(shown) == typeid(ui::NavigationController)) {
      const auto& controllers = std::static_pointer_cast<ui::NavigationController>(presented)->viewControllers();
      top = controllers.empty() ? presented : controllers.back();
    } else {
      top = std::move(presented);
    }
  }
  return top;
}

}  // namespace vantile::settings
