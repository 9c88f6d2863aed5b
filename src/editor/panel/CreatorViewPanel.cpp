// The editor's bottom panel: its icon bar and the layer order of the top level.
#include "editor/CreatorView.h"
#include "editor/panel/IconBarLayout.h"
#include "editor/panel/TopLevelOrder.h"
#include "engine/images/ImagePipeline.h"
#include "inspector/palette/EditorPalette.h"
#include "inspector/reorder/CreatorReorderView.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

using platform::graphics::Color;
using platform::ui::View;

namespace {

// The style menu stands on the same height.
constexpr double kMenuFromBottom = 300;
constexpr double kMenuCornerRadius = 10;
constexpr double kIconSide = 30;
constexpr double kIconTop = 6;
constexpr Color kClear{0, 0, 0, 0};

std::shared_ptr<View> makeIconBarButton(const IconBarButton& button) {
  auto buttonView = View::make(button.frame);
  buttonView->setTag(button.tag);
  buttonView->setBackgroundColor(kClear);
  if (!button.iconURL) return buttonView;
  std::optional<platform::graphics::Image> icon = ImagePipeline::imageAtFileURL(*button.iconURL);
  if (!icon) {
    platform::foundation::systemLog("The icon bar has no picture " + std::string(*button.iconURL));
    return buttonView;
  }
  auto iconView = platform::ui::ImageView::make(platform::graphics::Rect{0, kIconTop, kIconSide, kIconSide});
  iconView->setContentMode(platform::ui::ContentMode::scaleAspectFit);
  iconView->setImage(std::move(icon));
  buttonView->addSubview(std::move(iconView));
  return buttonView;
}

}  // namespace

std::shared_ptr<View> CreatorView::setupMenu() {
  const auto screen = platform::ui::Screen::mainScreen().bounds();
  menu = View::make({0, screen.size.height - kMenuFromBottom, screen.size.width, kMenuFromBottom});
  menu->setBackgroundColor(editor_palette::kPanel);
  menu->layer()->setCornerRadius(kMenuCornerRadius);

  // Stands 20 points above the panel's top edge.
  styleHintLabel = platform::ui::Label::make({10, -20, 100, 20});
  styleHintLabel->setText("");
  styleHintLabel->setTextColor(Color{1, 1, 1, 1});
  styleHintLabel->setBackgroundColor(editor_palette::kPanel);
  styleHintLabel->setFont(platform::graphics::systemFont(8));
  styleHintLabel->setTextAlignment(platform::ui::TextAlignment::center);
  styleHintLabel->setHidden(true);
  setupMenuButtons();
  setupScrollview();
  menu->addSubview(styleHintLabel);
  return menu;
}

void CreatorView::setupMenuButtons() {
  if (!menu) return;
  const double width = menu->bounds().size.width;
  auto bar = View::make({0, 0, width, kIconBarHeight});
  bar->setBackgroundColor(editor_palette::kBar);
  auto tap = platform::ui::TapGestureRecognizer::make([canvas = weakCanvas()](platform::ui::GestureRecognizer& recognizer) {
    if (const auto strong = canvas.lock()) strong->menuIconBarTapped(recognizer);
  });
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  bar->addGestureRecognizer(std::move(tap));
  for (const IconBarButton& button : iconBarButtons(width)) bar->addSubview(makeIconBarButton(button));
  menu->addSubview(std::move(bar));
}

void CreatorView::menuIconBarTapped(platform::ui::GestureRecognizer& recognizer) {
  const auto bar = recognizer.view();
  const auto location = bar ? recognizer.locationInView(bar.get()) : std::nullopt;
  const auto hit = location ? bar->hitTest(*location) : nullptr;
  if (!hit) return;
  switch (hit->tag()) {
    case kElementListButtonTag:
      hideHintLabel();
      refreshScrollview();
      resetHighlightView();
      break;
    case kReorderButtonTag:
      loadReorder();
      break;
    case kThemePickerButtonTag:
      loadThemePicker();
      break;
    case kOptionsButtonTag:
      loadSettingsPicker();
      break;
    case kClearSelectionButtonTag:
      clearSelection();
      break;
    default:
      break;
  }
}

void CreatorView::clearSelection() {
  if (styleMenu) styleMenu->removeFromSuperview();
  selectedElement = "none";
  removeAllElementDragGestures();
  removeResizeHandles();
  reloadScrollview();
}

void CreatorView::loadReorder() {
  if (!mainView) {
    platform::foundation::systemLog("The layer order cannot open: the editor has no main view");
    return;
  }
  if (reorderView) reorderView->removeFromSuperview();
  reorderView = CreatorReorderView::initReorderWithList(
      topLevelReorderList(documentRoot(creatorPreset)), mainView->bounds(), [canvas = weakCanvas()](const std::vector<std::string>& list) {
        if (const auto strong = canvas.lock()) strong->saveTopLevelOrder(list);
      });
  mainView->addSubview(reorderView);
}

void CreatorView::saveTopLevelOrder(const std::vector<std::string>& list) {
  if (storeTopLevelOrder(creatorPreset, list)) reloadTheme();
  if (reorderView) reorderView->removeFromSuperview();
  reorderView.reset();
}

}  // namespace vantile
