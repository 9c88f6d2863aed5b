// The letter strip along the drawer's right edge and the pop-up of one letter's apps.
#include <algorithm>

#include "drawer/AppDrawerViewController.h"
#include "drawer/DrawerDefaults.h"
#include "platform/foundation/locale/LocalizedText.h"
#include "platform/foundation/values/Strings.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace ui = platform::ui;
using platform::graphics::Color;
using platform::graphics::Rect;

namespace {

constexpr Color kWhite{1, 1, 1, 1};

// The letter an app is filed under; empty names are left out of the index.
std::string letterFor(const std::string& name) {
  return platform::foundation::capitalizedFirstCharacter(platform::foundation::contains(name, "WhatsApp") ? "WhatsApp"
                                                                                                          : name);
}

}  // namespace

std::shared_ptr<ui::View> AppDrawerViewController::appLetterList() {
  customList.clear();
  for (const auto& record : getInstalledAppArray()) {
    const std::string letter = letterFor(record.value("name", ""));
    if (letter.empty()) continue;
    LetterEntry entry{letter, {}};
    const auto found = std::find_if(customList.begin(), customList.end(),
                                    [&](const LetterEntry& existing) { return existing.letter == letter; });
    if (found != customList.end()) {
      entry.apps = std::move(found->apps);
      customList.erase(found);
    }
    if (std::find(entry.apps.begin(), entry.apps.end(), record) == entry.apps.end()) entry.apps.push_back(record);
    customList.push_back(std::move(entry));
  }

  const DrawerDefaults defaults;
  const double width = frame().width();
  const double height = frame().height();
  const auto count = static_cast<double>(customList.size());
  auto strip = ui::View::make({width - 25, height / 2 - (height - 100) / 2, 20, height - 100});
  shortcutLetterView = ui::View::make({0, strip->frame().height() / 2 - count * 11, 20, count * 22});
  const Color letterColour = defaults.colour("shortcutLetterColor").value_or(kWhite);
  const auto weak = weakSelf();
  for (std::size_t index = 0; index < customList.size(); ++index) {
    auto label = ui::Label::make({0, 22.0 * static_cast<double>(index), 20, 20});
    label->setText(customList[index].letter);
    label->setFont(platform::graphics::systemFont(10));
    label->setTextAlignment(ui::TextAlignment::center);
    label->setTextColor(letterColour);
    label->layer()->setShadowColor(Color{0, 0, 0, 1});
    label->layer()->setShadowOpacity(1);
    label->layer()->setShadowOffset({0, 1});
    label->setUserInteractionEnabled(true);
    label->addGestureRecognizer(ui::TapGestureRecognizer::make([weak](ui::GestureRecognizer& tap) {
      if (const auto self = weak.lock(); self && tap.state() == ui::GestureRecognizer::State::recognized) {
        self->shortCutTap(tap);
      }
    }));
    shortcutLetterView->addSubview(std::move(label));
  }
  strip->addSubview(shortcutLetterView);
  return strip;
}

void AppDrawerViewController::shortCutTap(ui::GestureRecognizer& tap) {
  const auto view = tap.view();
  if (!view) return;
  const auto location = tap.locationInView(view.get());
  if (!location) return;
  if (auto label = std::dynamic_pointer_cast<ui::Label>(view->hitTest(*location))) loadAppFromLetter(*label, *location);
}

void AppDrawerViewController::closePopup() {
  if (popupFolder) popupFolder->removeFromSuperview();
  popupFolder.reset();
}

void AppDrawerViewController::loadAppFromLetter(ui::Label& letter, platform::graphics::Point point) {
  if (popupFolder) {
    closePopup();
    if (letter.text() == lastLetter) {
      lastLetter.clear();
      return;
    }
  }
  lastLetter = letter.text();
  const auto entry = std::find_if(customList.begin(), customList.end(),
                                  [&](const LetterEntry& candidate) { return candidate.letter == lastLetter; });
  const std::vector<AppRecord> apps = entry == customList.end() ? std::vector<AppRecord>{} : entry->apps;

  const DrawerDefaults defaults;
  const double width = frame().width();
  const double height = frame().height();
  const double popupHeight = std::min(static_cast<double>(apps.size()) * 65, static_cast<double>(static_cast<int>(height - 200)));
  auto popup = ui::View::make({width - 90, 0, 60, popupHeight});

  auto blur = blurViewWithBounds(popup->bounds());
  blur->layer()->setCornerRadius(10);
  blur->setClipsToBounds(true);
  blur->setHidden(defaults.flag("disableshortcutblur", false));
  popup->addSubview(blur);
  auto list = ui::ScrollView::make({0, 0, 60, popupHeight});
  list->setShowsVerticalScrollIndicator(false);
  list->layer()->setCornerRadius(10);
  list->setClipsToBounds(true);
  if (const auto background = defaults.colour("shortcutBackgroundColor")) list->setBackgroundColor(background);

  const auto onScreen = letter.convertPointToView(point, nullptr);
  const int tappedY = onScreen ? static_cast<int>(onScreen->y) : 0;
  double y = tappedY > 80 ? tappedY : 80;
  const int bottomLimit = static_cast<int>(height - 80);
  if (y + popupHeight > bottomLimit) y = static_cast<int>(bottomLimit - popupHeight);
  popup->setFrame({width - 90, y, 60, popupHeight});
  popupFolder = popup;
  popup->addSubview(list);
  addSubview(popup);

  const auto weak = weakSelf();
  list->addGestureRecognizer(ui::TapGestureRecognizer::make([weak](ui::GestureRecognizer& tap) {
    if (const auto self = weak.lock(); self && tap.state() == ui::GestureRecognizer::State::recognized) {
      self->handleTap(tap);
    }
  }));

  auto stack = ui::StackView::make(ui::StackView::Axis::vertical);
  stack->setSpacing(5);
  for (const auto& app : apps) {
    auto cell = ui::View::make({0, 0, 60, 60});
    cell->addSubview(createShortcutAppIconView(app, {10, 10, 40, 40}));
    stack->addArrangedSubview(std::move(cell));
  }
  list->addSubview(stack);
  list->setContentSize(stack->bounds().size);
}

std::shared_ptr<ui::View> AppDrawerViewController::createShortcutAppIconView(const AppRecord& app, const Rect& frame) {
  const DrawerDefaults defaults;
  const double width = frame.width();
  const double height = frame.height();
  const std::string bundle = app.value("bundle", "");
  auto cell = ui::View::make(frame);
  cell->layer()->setName(bundle);

  auto name = ui::Label::make({0, height, width, 10});
  name->setText(app.value("name", ""));
  name->setTextColor(defaults.colour("shortcutAppLabelColor").value_or(kWhite));
  name->setFont(platform::graphics::systemFont(5));
  name->setTextAlignment(ui::TextAlignment::center);
  name->setUserInteractionEnabled(false);

  auto badge = ui::Label::make({width - 5, 0, 10, 10});
  const std::string badgeText = app.value("badge", "");
  badge->setText(badgeText);
  badge->setTextColor(kWhite);
  badge->setFont(platform::graphics::systemFont(6));
  badge->setTextAlignment(ui::TextAlignment::center);
  badge->setUserInteractionEnabled(false);
  if (!badgeText.empty()) {
    badge->setBackgroundColor(Color{1, 0, 0, 1});
    badge->layer()->setCornerRadius(5);
    badge->setClipsToBounds(true);
  }
  const double textWidth = platform::graphics::measureText(badgeText, badge->font()).width;
  if (textWidth > 10) badge->setFrame({width - 5, 0, textWidth + 5, 10});

  auto image = ui::ImageView::make(Rect{0, 0, width, width});
  image->setBackgroundColor(Color{0, 0, 0, 0});
  image->setContentMode(ui::ContentMode::scaleAspectFit);
  image->setUserInteractionEnabled(false);
  loadIcon(cell, image, bundle, false);

  cell->addSubview(image);
  cell->addSubview(badge);
  cell->addSubview(name);
  return cell;
}

}  // namespace vantile
