#include "drawer/AppDrawerSettings.h"

#include "drawer/AppDrawerSettingsVC.h"
#include "drawer/AppDrawerViewController.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/graphics/Path.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/controls/Slider.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/controls/Switch.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/Window.h"

namespace vantile {

namespace ui = platform::ui;
using platform::graphics::Color;
using platform::graphics::Rect;

namespace {

constexpr Color kWhite{1, 1, 1, 1};
constexpr double kPanelWidth = 300;
constexpr double kPanelHeight = 430;
constexpr double kHeaderHeight = 40;

std::shared_ptr<ui::Label> caption(const Rect& frame, std::string_view text, double size, bool centred) {
  auto label = ui::Label::make(frame);
  label->setText(std::string(text));
  label->setTextColor(kWhite);
  label->setFont(platform::graphics::systemFont(size));
  if (centred) label->setTextAlignment(ui::TextAlignment::center);
  label->setUserInteractionEnabled(false);
  return label;
}

// A row as the stack holds it: fixed at 300 × 60.
std::shared_ptr<ui::View> rowContainer(const Rect& frame) { return ui::View::make({0, 0, frame.width(), frame.height()}); }

// The view a recogniser's touch lands on, in the recogniser's view.
std::shared_ptr<ui::View> tappedView(ui::GestureRecognizer& recognizer) {
  const auto view = recognizer.view();
  if (!view) return nullptr;
  const auto location = recognizer.locationInView(view.get());
  return location ? view->hitTest(*location) : nullptr;
}

std::string layerNameOf(const ui::View& view) { return view.layer()->name().value_or(""); }

ui::TapGestureRecognizer::Action onTap(void (AppDrawerSettings::*operation)(ui::GestureRecognizer&)) {
  return [operation](ui::GestureRecognizer& tap) {
    if (tap.state() == ui::GestureRecognizer::State::recognized) (AppDrawerSettings::sharedInstance().*operation)(tap);
  };
}

std::string wholeNumberText(double value) { return std::to_string(static_cast<long long>(value)); }

platform::foundation::UserDefaults defaults() { return platform::foundation::UserDefaults::standard(); }

}  // namespace

AppDrawerSettings& AppDrawerSettings::sharedInstance() {
  static AppDrawerSettings instance;
  return instance;
}

void AppDrawerSettings::reapply() const {
  if (const auto drawer = appDrawer.lock()) drawer->reloadOptions();
}

std::shared_ptr<ui::View> AppDrawerSettings::loadAppDrawerSettings(const std::shared_ptr<AppDrawerViewController>& drawer,
                                                                  const Rect& frame) {
  appDrawer = drawer;
  const double x = static_cast<int>(frame.width() / 2 - 150);
  const double y = static_cast<int>(frame.height() - 480);
  auto panel = ui::View::make({x, y, kPanelWidth, kPanelHeight});
  panel->setBackgroundColor(Color{26.0 / 255, 26.0 / 255, 26.0 / 255, 0.98});
  panel->layer()->setCornerRadius(20);
  panel->setClipsToBounds(false);
  panel->layer()->setShadowColor(Color{0, 0, 0, 1});
  panel->layer()->setShadowRadius(10);
  panel->layer()->setShadowOffset({0, 2});
  panel->layer()->setShadowOpacity(0.8);

  auto header = ui::View::make({0, 0, kPanelWidth, kHeaderHeight});
  header->setBackgroundColor(Color{0, 0, 0, 1});
  auto topCorners = ui::ShapeLayer::make();
  platform::graphics::Path outline;
  outline.addRoundedRect({0, 0, kPanelWidth, kHeaderHeight}, 10);
  outline.addRect({0, kHeaderHeight / 2, kPanelWidth, kHeaderHeight / 2});
  topCorners->setPath(std::move(outline));
  topCorners->setFillColor(Color{0, 0, 0, 1});
  topCorners->setFrame({0, 0, kPanelWidth, kHeaderHeight});
  header->layer()->setMask(topCorners);
  header->addSubview(caption({20, 0, 280, 40}, "Drawer Settings", 17, false));
  auto holder = ui::View::make({180, 0, 120, 40});
  holder->setBackgroundColor(Color{0, 0, 0, 0});
  holder->addSubview(createButton({30, 0, 40, 40}, "close"));
  holder->addSubview(createButton({70, 0, 40, 40}, "apply"));
  header->addSubview(holder);
  panel->addSubview(header);

  scrollview = ui::ScrollView::make({0, kHeaderHeight, kPanelWidth, kPanelHeight - kHeaderHeight});
  scrollview->setShowsVerticalScrollIndicator(true);
  auto rows = createStackView();
  const Rect rowFrame{0, 0, 300, 60};
  for (const AppDrawerKey& row : AppDrawerKeys) {
    switch (row.kind) {
      case Kind::toggle: rows->addArrangedSubview(switchViewWithLabel(rowFrame, row)); break;
      case Kind::slider: rows->addArrangedSubview(sliderViewWithLabel(rowFrame, row)); break;
      case Kind::colour: rows->addArrangedSubview(colorWithLabel(rowFrame, row)); break;
    }
  }
  rows->layoutArrangedSubviews();
  scrollview->addSubview(rows);
  scrollview->setContentSize(rows->bounds().size);
  panel->addSubview(scrollview);

  panel->addGestureRecognizer(ui::PanGestureRecognizer::make([](ui::GestureRecognizer& recognizer) {
    if (auto* pan = dynamic_cast<ui::PanGestureRecognizer*>(&recognizer)) sharedInstance().handlePanGesture(*pan);
  }));
  drawerSettings = panel;
  return panel;
}

std::shared_ptr<ui::StackView> AppDrawerSettings::createStackView() {
  auto stack = ui::StackView::make(ui::StackView::Axis::vertical);
  stack->setAlignment(ui::StackView::Alignment::fill);
  stack->setSpacing(5);
  return stack;
}

std::shared_ptr<ui::View> AppDrawerSettings::createButton(const Rect& frame, std::string_view type) {
  const bool apply = type == "apply";
  auto button = ui::Label::make(frame);
  button->setUserInteractionEnabled(true);
  auto image = ui::ImageView::make(Rect{5, 5, 30, 30});
  image->setUserInteractionEnabled(false);
  image->setImage(getImageFromUrl(apply ? "file:///var/mobile/Library/VantileAssets/check.png"
                                        : "file:///var/mobile/Library/VantileAssets/close.png"));
  button->addSubview(image);
  button->addGestureRecognizer(ui::TapGestureRecognizer::make([apply](ui::GestureRecognizer& tap) {
    if (tap.state() != ui::GestureRecognizer::State::recognized) return;
    if (apply) {
      sharedInstance().applySettings();
    } else {
      sharedInstance().closeSettings();
    }
  }));
  return button;
}

std::shared_ptr<ui::View> AppDrawerSettings::switchViewWithLabel(const Rect& frame, const AppDrawerKey& row) {
  auto container = rowContainer(frame);
  container->addSubview(caption({20, 0, 300, 60}, row.caption, 10, false));
  auto control = ui::Switch::make({frame.width() - 80, 15});
  control->setOnTintColor(Color{0, 0.51, 1, 1});
  control->setTag(controlTag);
  const auto stored = defaults().objectForKey(row.key);
  control->setOn(stored ? defaults().boolForKey(row.key) : row.defaultValue != 0, false);
  container->addSubview(control);
  auto target = ui::View::make(control->frame());
  target->setBackgroundColor(Color{0, 0, 0, 0});
  target->layer()->setName(std::string(row.key));
  target->addGestureRecognizer(ui::TapGestureRecognizer::make(onTap(&AppDrawerSettings::switchToggled)));
  container->addSubview(target);
  return container;
}

std::shared_ptr<ui::View> AppDrawerSettings::sliderViewWithLabel(const Rect& frame, const AppDrawerKey& row) {
  auto container = rowContainer(frame);
  container->addSubview(caption({0, 45, 300, 10}, row.caption, 8, true));
  auto slider = ui::Slider::make({frame.width() / 2 - 100, frame.height() / 2 - 15, 200, 30});
  slider->setTag(controlTag);
  slider->setMinimumValue(row.minimum);
  slider->setMaximumValue(row.maximum);
  const auto stored = defaults().objectForKey(row.key);
  slider->setValue(stored ? defaults().doubleForKey(row.key) : row.defaultValue);
  slider->layer()->setName(std::string(row.key));
  slider->addValueChangedAction([](ui::Control& control) {
    if (auto* moved = dynamic_cast<ui::Slider*>(&control)) sharedInstance().sliderMoved(*moved);
  });
  container->addSubview(slider);

  auto value = ui::Label::make({20, 23, 30, 16});
  value->setText(wholeNumberText(slider->value()));
  value->setTextColor(Color{0, 0, 0, 1});
  value->setBackgroundColor(kWhite);
  value->layer()->setCornerRadius(8);
  value->setClipsToBounds(true);
  value->setTextAlignment(ui::TextAlignment::center);
  value->setFont(platform::graphics::systemFont(8));
  value->setTag(valueLabelTag);
  value->setUserInteractionEnabled(false);
  container->addSubview(value);

  auto reset = ui::ImageView::make(Rect{frame.width() - 50, 15, 30, 30});
  reset->setImage(getImageFromUrl("file:///var/mobile/Library/VantileAssets/close.png"));
  reset->setUserInteractionEnabled(true);
  std::string resetName(row.key);
  resetName += "~";
  resetName += std::to_string(row.defaultValue);
  reset->layer()->setName(resetName);
  reset->addGestureRecognizer(ui::TapGestureRecognizer::make(onTap(&AppDrawerSettings::resetValue)));
  container->addSubview(reset);
  return container;
}

std::shared_ptr<ui::View> AppDrawerSettings::colorWithLabel(const Rect& frame, const AppDrawerKey& row) {
  auto container = rowContainer(frame);
  container->addSubview(caption({0, 45, 300, 10}, row.caption, 8, true));
  auto swatch = ui::View::make({frame.width() / 2 - 50, 10, 100, 20});
  swatch->layer()->setCornerRadius(10);
  swatch->layer()->setBorderColor(kWhite);
  swatch->layer()->setBorderWidth(1);
  currentColor = std::string(row.colourDefault);
  currentSaveName = std::string(row.key);
  if (const auto stored = defaults().stringForKey(row.key)) currentColor = *stored;
  swatch->setBackgroundColor(uiColorFromString(currentColor));
  swatch->layer()->setName(currentSaveName);
  swatch->addGestureRecognizer(ui::TapGestureRecognizer::make(onTap(&AppDrawerSettings::openColorPicker)));
  container->addSubview(swatch);
  return container;
}

void AppDrawerSettings::switchToggled(ui::GestureRecognizer& tap) {
  const auto tapped = tappedView(tap);
  const auto row = tapped ? tapped->superview() : nullptr;
  auto control = row ? std::dynamic_pointer_cast<ui::Switch>(row->viewWithTag(controlTag)) : nullptr;
  if (!control) return;
  control->setOn(!control->isOn(), true);
  defaults().setObject(layerNameOf(*tapped), platform::Value(control->isOn()));
  reapply();
}

void AppDrawerSettings::sliderMoved(ui::Slider& slider) {
  const auto whole = static_cast<long long>(slider.value());
  if (const auto row = slider.superview()) {
    if (auto label = std::dynamic_pointer_cast<ui::Label>(row->viewWithTag(valueLabelTag))) label->setText(std::to_string(whole));
  }
  defaults().setObject(layerNameOf(slider), platform::Value(whole));
}

void AppDrawerSettings::resetValue(ui::GestureRecognizer& tap) {
  const auto tapped = tappedView(tap);
  if (!tapped) return;
  const std::string name = layerNameOf(*tapped);
  const auto parts = platform::foundation::components(name, "~");
  if (parts.size() < 2) return;
  const std::string key(parts[0]);
  const auto value = platform::foundation::integerValue(parts[1]);
  defaults().setObject(key, platform::Value(value));
  if (const auto row = tapped->superview()) {
    if (auto slider = std::dynamic_pointer_cast<ui::Slider>(row->viewWithTag(controlTag))) {
      slider->setValue(static_cast<double>(value), false);
    }
    if (auto label = std::dynamic_pointer_cast<ui::Label>(row->viewWithTag(valueLabelTag))) label->setText(std::to_string(value));
  }
  reapply();
}

void AppDrawerSettings::applySettings() { reapply(); }

void AppDrawerSettings::closeSettings() {
  if (drawerSettings) drawerSettings->removeFromSuperview();
}

void AppDrawerSettings::handlePanGesture(ui::PanGestureRecognizer& pan) {
  const auto panel = pan.view();
  const auto superview = panel ? panel->superview() : nullptr;
  if (!superview) return;
  if (pan.state() == ui::GestureRecognizer::State::changed) {
    const auto translation = pan.translationInView(superview.get());
    if (!translation) return;
    const auto center = panel->center();
    panel->setCenter({center.x + translation->x, center.y + translation->y});
    pan.setTranslation({0, 0}, superview.get());
  } else if (pan.state() == ui::GestureRecognizer::State::ended) {
    snapViewToEdgeIfNeeded(*panel);
  }
}

void AppDrawerSettings::snapViewToEdgeIfNeeded(ui::View& view) {
  const auto superview = view.superview();
  if (!superview) return;
  const Rect bounds = superview->bounds();
  const Rect frame = view.frame();
  const auto kept = [](double origin, double length, double limit) {
    if (origin < 0) return 0.0;
    if (origin + length > limit) return limit - length;
    return origin;
  };
  const double x = kept(frame.x(), frame.width(), bounds.width());
  const double y = kept(frame.y(), frame.height(), bounds.height());
  if (x == frame.x() && y == frame.y()) return;
  ui::View::animate(snapDuration, 0, {}, [&] { view.setFrame({x, y, frame.width(), frame.height()}); });
}

std::optional<platform::graphics::Image> AppDrawerSettings::getImageFromUrl(std::string_view url) {
  constexpr std::string_view scheme = "file://";
  if (!url.starts_with(scheme)) return std::nullopt;
  return platform::graphics::decodeImageFile(platform::foundation::devicePath(url.substr(scheme.size())));
}

std::optional<Color> AppDrawerSettings::uiColorFromString(std::string_view text) {
  return VantileHelpers::uiColorFromString(text);
}

std::shared_ptr<ui::ViewController> AppDrawerSettings::topMostController() {
  const auto window = AppDrawerViewController::keyWindow();
  if (!window || !window->rootViewController()) return nullptr;
  return window->rootViewController()->topPresentedViewController();
}

void AppDrawerSettings::openColorPicker(ui::GestureRecognizer& tap) {
  const auto tapped = tappedView(tap);
  if (!tapped) return;
  const std::string key = layerNameOf(*tapped);
  std::string start;
  for (const AppDrawerKey& row : AppDrawerKeys) {
    if (row.key == key) start = std::string(row.colourDefault);
  }
  if (const auto stored = defaults().stringForKey(key)) start = *stored;
  const auto presenter = topMostController();
  if (!presenter) return;
  std::string identifier = key;
  identifier += "~appDrawer~";
  identifier += start;
  auto host = AppDrawerSettingsVC::make(std::move(identifier));
  presenter->presentViewController(host, true);
  auto picker = ui::ColorPickerViewController::make();
  picker->view()->setTintColor(Color{14.0 / 255, 122.0 / 255, 254.0 / 255, 1});
  if (const auto colour = uiColorFromString(start)) picker->setSelectedColor(*colour);
  picker->setDelegate(host->pickerDelegate());
  host->presentViewController(picker, true);
}

void AppDrawerSettings::setColor(const std::string& colour, const std::string& identifier) {
  const std::string key = identifier.substr(0, identifier.find('~'));
  defaults().setObject(key, platform::Value(colour));
  const auto drawer = appDrawer.lock();
  if (!drawer) return;
  const platform::graphics::Point offset = scrollview ? scrollview->contentOffset() : platform::graphics::Point{};
  drawer->reloadOptions();
  drawer->reloadDrawerSettingsWithPoint(offset);
}

}  // namespace vantile
