#include "drawer/AppDrawerViewController.h"

#include "drawer/AppDrawerSettings.h"
#include "drawer/DrawerDefaults.h"
#include "drawer/DrawerGridLayout.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/controls/SegmentedControl.h"
#include "platform/ui/gestures/LongPressGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/Window.h"

namespace vantile {

namespace ui = platform::ui;
using platform::graphics::Color;
using platform::graphics::Rect;

namespace {

constexpr double kHiddenGearAlpha = 0.011;
constexpr Color kWhite{1, 1, 1, 1};
constexpr Color kBlack{0, 0, 0, 1};
constexpr Color kBadgeRed{1, 0, 0, 1};

Rect mainScreenBounds() { return ui::Screen::mainScreen().bounds(); }

std::string textOf(const platform::Value& record, const char* key) {
  const auto found = record.find(key);
  return found != record.end() && found->is_string() ? found->get<std::string>() : std::string();
}

}  // namespace

std::shared_ptr<AppDrawerViewController> AppDrawerViewController::make(const Rect& frame) {
  auto drawer = std::make_shared<AppDrawerViewController>(ConstructionKey{}, frame);
  const DrawerDefaults defaults;
  const bool shortcuts = defaults.flag("shortcuts", true);
  const bool favouritesFirst = defaults.flag("favsdefault", false);
  drawer->loadFavorites();

  drawer->scrollView = ui::ScrollView::make(mainScreenBounds());
  drawer->backgroundBlur = blurViewWithBounds(mainScreenBounds());
  drawer->addSubview(drawer->backgroundBlur);
  drawer->backgroundBlur->setHidden(defaults.flag("disablebgblur", false));
  drawer->addSubview(drawer->scrollView);

  const std::int32_t start = favouritesFirst ? 1 : 0;
  drawer->addSubview(
      drawer->createSegment({frame.width() / 2 - 100, drawer->getSegmentOffset(), 200, 30}, start));
  if (favouritesFirst) drawer->segmentSelection = 1;

  drawer->appShortcutView = drawer->appLetterList();
  if (shortcuts) drawer->addSubview(drawer->appShortcutView);

  drawer->settingsIcon = drawer->createSettingsIcon(drawer->frame());
  drawer->addSubview(drawer->settingsIcon);
  drawer->settingsIcon->setAlpha(defaults.flag("invisiblesettingsicon", false) ? kHiddenGearAlpha : 1.0);

  drawer->configureScrollView(*drawer->scrollView, start);
  return drawer;
}

AppDrawerViewController::AppDrawerViewController(ConstructionKey key, const Rect& frame) : View(key, frame) {}

std::weak_ptr<AppDrawerViewController> AppDrawerViewController::weakSelf() {
  return std::static_pointer_cast<AppDrawerViewController>(shared_from_this());
}

std::shared_ptr<ui::Window> AppDrawerViewController::keyWindow() { return ui::Application::shared().keyWindow(); }

float AppDrawerViewController::getSegmentOffset() const {
  const auto window = keyWindow();
  return window && window->safeAreaInsets().bottom > 0 ? 50.0f : 20.0f;
}

std::shared_ptr<ui::BlurView> AppDrawerViewController::blurViewWithBounds(const Rect& bounds) {
  return ui::BlurView::make(ui::BlurStyle::dark, bounds);
}

std::shared_ptr<ui::SegmentedControl> AppDrawerViewController::createSegment(const Rect& frame,
                                                                            std::int32_t startPoint) {
  segmentedControl = ui::SegmentedControl::make({"Badges", "Favs", "All Apps"}, frame);
  const auto weak = weakSelf();
  segmentedControl->addValueChangedAction([weak](ui::Control& control) {
    const auto self = weak.lock();
    auto* segments = dynamic_cast<ui::SegmentedControl*>(&control);
    if (self && segments != nullptr) self->segmentSelected(*segments);
  });
  segmentedControl->setSelectedSegmentIndex(startPoint);
  colourSegments();
  return segmentedControl;
}

void AppDrawerViewController::colourSegments() {
  if (!segmentedControl) return;
  const DrawerDefaults defaults;
  if (defaults.has("segHighBackColor")) segmentedControl->setSelectedSegmentTintColor(defaults.colour("segHighBackColor"));
  if (defaults.has("segBackColor")) segmentedControl->setBackgroundTint(defaults.colour("segBackColor"));
  segmentedControl->setTitleColor(defaults.has("segmentTextColor") ? defaults.colour("segmentTextColor").value_or(kWhite)
                                                                   : kWhite);
  segmentedControl->setSelectedTitleColor(
      defaults.has("segmentHighTextColor") ? defaults.colour("segmentHighTextColor").value_or(kBlack) : kBlack);
}

void AppDrawerViewController::segmentSelected(ui::SegmentedControl& control) {
  for (const auto& page : std::vector(scrollView->subviews())) page->removeFromSuperview();
  segmentSelection = control.selectedSegmentIndex();
  configureScrollView(*scrollView, segmentSelection);
}

void AppDrawerViewController::configureScrollView(ui::ScrollView& scroll, std::int32_t startIndex) {
  const auto apps = appList(startIndex == 2 ? ListKind::all : startIndex == 1 ? ListKind::favourites : ListKind::badges);
  const auto window = keyWindow();
  const double topInset = window ? window->safeAreaInsets().top : 0;
  const DrawerDefaults defaults;
  const Rect screen = mainScreenBounds();
  const auto layout = DrawerGridLayout::compute(screen.size, topInset, DrawerGridSettings::read(defaults), apps.size());

  std::size_t placed = 0;
  for (std::int32_t page = 0; page <= layout.lastPage; ++page) {
    auto pageView = ui::View::make(layout.pageFrame(page));
    const auto frames = layout.iconFrames(apps.size() - placed);
    for (const Rect& frame : frames) pageView->addSubview(createAppIconView(apps[placed++], frame));
    scroll.addSubview(std::move(pageView));
  }

  if (!gridRecognizersInstalled_ || &scroll != scrollView.get()) {
    gridRecognizersInstalled_ = gridRecognizersInstalled_ || &scroll == scrollView.get();
    const auto weak = weakSelf();
    auto tap = ui::TapGestureRecognizer::make([weak](ui::GestureRecognizer& recognizer) {
      if (const auto self = weak.lock(); self && recognizer.state() == ui::GestureRecognizer::State::recognized) {
        self->handleTap(recognizer);
      }
    });
    scroll.addGestureRecognizer(tap);
    auto press = ui::LongPressGestureRecognizer::make([weak](ui::GestureRecognizer& recognizer) {
      if (const auto self = weak.lock()) self->longPress(recognizer);
    });
    press->setMinimumPressDuration(0.5);
    scroll.addGestureRecognizer(press);
  }

  scroll.setPagingEnabled(true);
  scroll.setContentSize({screen.width() * (layout.lastPage + 1), screen.height()});
  if (const auto background = defaults.colour("backgroundColor")) scroll.setBackgroundColor(background);
}

std::shared_ptr<ui::View> AppDrawerViewController::createAppIconView(const AppRecord& app, const Rect& frame) {
  const DrawerDefaults defaults;
  const double width = frame.width();
  const double height = frame.height();
  auto cell = ui::View::make(frame);
  cell->layer()->setName(textOf(app, "bundle"));

  auto name = ui::Label::make({0, height - 20, width, 20});
  name->setText(textOf(app, "name"));
  name->setTextColor(defaults.colour("appLabelColor").value_or(kWhite));
  const auto labelSize = defaults.integer("labelsize", 8);
  name->setFont(platform::graphics::systemFont(static_cast<double>(labelSize == 0 ? 8 : labelSize)));
  name->setTextAlignment(ui::TextAlignment::center);
  name->setHidden(defaults.flag("hidelabels", false));
  name->setUserInteractionEnabled(false);

  const int badgeSide = static_cast<int>(static_cast<int>(width) / 2.5);
  const double halfBadge = badgeSide / 2;
  auto badge = ui::Label::make({width - halfBadge, -halfBadge, width / 2.5, width / 2.5});
  const std::string badgeText = textOf(app, "badge");
  badge->setText(badgeText);
  if (!badgeText.empty()) {
    badge->setBackgroundColor(defaults.colour("appBadgeBGColor").value_or(kBadgeRed));
    badge->layer()->setCornerRadius(badge->frame().width() / 2);
    badge->setClipsToBounds(true);
  }
  badge->setHidden(defaults.flag("hidebadges", false));
  badge->setTextColor(defaults.colour("appBadgeTextColor").value_or(kWhite));
  badge->setFont(platform::graphics::systemFont(badgeSide - 7));
  badge->setTextAlignment(ui::TextAlignment::center);
  badge->setUserInteractionEnabled(false);
  const double textWidth = platform::graphics::measureText(badgeText, badge->font()).width;
  if (textWidth > badge->frame().width()) {
    Rect widened = badge->frame();
    widened.size.width = textWidth + 5;
    badge->setFrame(widened);
  }

  auto image = ui::ImageView::make(Rect{0, 0, width, width});
  image->setBackgroundColor(Color{0, 0, 0, 0});
  image->setContentMode(ui::ContentMode::scaleAspectFit);
  image->setUserInteractionEnabled(false);
  loadIcon(cell, image, textOf(app, "bundle"), true);

  cell->addSubview(image);
  cell->addSubview(badge);
  cell->addSubview(name);
  return cell;
}

std::shared_ptr<ui::View> AppDrawerViewController::createSettingsIcon(const Rect& drawerFrame) {
  auto gear = ui::View::make({drawerFrame.width() - 70, drawerFrame.height() - 70, 100, 100});
  gear->setBackgroundColor(Color{0, 0, 0, 0});
  auto image = ui::ImageView::make(Rect{20, 20, 30, 30});
  image->setImage(AppDrawerSettings::getImageFromUrl("file:///var/mobile/Library/VantileAssets/appdrawergear.png"));
  image->setUserInteractionEnabled(false);
  gear->addSubview(image);
  const auto weak = weakSelf();
  gear->addGestureRecognizer(ui::TapGestureRecognizer::make([weak](ui::GestureRecognizer& tap) {
    if (const auto self = weak.lock(); self && tap.state() == ui::GestureRecognizer::State::recognized) {
      self->openSettings(tap);
    }
  }));
  return gear;
}

void AppDrawerViewController::reloadOptions() {
  const DrawerDefaults defaults;
  if (appShortcutView) appShortcutView->removeFromSuperview();
  if (!(defaults.has("shortcuts") && !defaults.flag("shortcuts", true)) && appShortcutView) {
    addSubview(appShortcutView);
  }
  if (shortcutLetterView && defaults.has("shortcutLetterColor")) {
    const auto colour = defaults.colour("shortcutLetterColor");
    for (const auto& letter : shortcutLetterView->subviews()) {
      if (auto* label = dynamic_cast<ui::Label*>(letter.get()); label != nullptr && colour) label->setTextColor(*colour);
    }
  }
  for (const auto& page : std::vector(scrollView->subviews())) page->removeFromSuperview();
  backgroundBlur->setHidden(defaults.flag("disablebgblur", false));
  settingsIcon->setAlpha(defaults.flag("invisiblesettingsicon", false) ? kHiddenGearAlpha : 1.0);
  configureScrollView(*scrollView, segmentSelection);
  colourSegments();
}

void AppDrawerViewController::reloadFavsScrollview() {
  for (const auto& page : std::vector(scrollView->subviews())) page->removeFromSuperview();
  configureScrollView(*scrollView, 1);
}

void AppDrawerViewController::loadDrawerSettings(bool restoreOffset) {
  if (settingsView) settingsView->removeFromSuperview();
  auto& panel = AppDrawerSettings::sharedInstance();
  auto shown = panel.loadAppDrawerSettings(std::static_pointer_cast<AppDrawerViewController>(shared_from_this()), frame());
  if (restoreOffset && panel.scrollview) panel.scrollview->setContentOffset(lastScrollPoint);
  addSubview(shown);
  settingsView = std::move(shown);
}

void AppDrawerViewController::reloadDrawerSettingsWithPoint(platform::graphics::Point point) {
  lastScrollPoint = point;
  loadDrawerSettings(true);
}

}  // namespace vantile
