#include "providers/animations/AnimationSun.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

namespace {

namespace ui = platform::ui;
using platform::graphics::Rect;

constexpr double kInterval = 60;
constexpr int kDayStart = 6;
constexpr int kNightStart = 18;
constexpr double kHalfDay = 12;

std::shared_ptr<ui::ImageView> picture(const char* name) {
  std::string file = "/var/mobile/Library/VantileAssets/";
  file += name;
  auto view = ui::ImageView::make(Rect(0, 0, 120, 100));
  const auto path = platform::foundation::devicePath(file);
  if (platform::foundation::fileExists(path)) view->setImage(platform::graphics::decodeImageFile(path));
  return view;
}

void moveCentreX(ui::View& view, double x) { view.setCenter({x, view.center().y}); }

}  // namespace

std::shared_ptr<AnimationSun> AnimationSun::make() {
  return std::make_shared<AnimationSun>(ConstructionKey{}, ui::Screen::mainScreen().bounds());
}

AnimationSun::AnimationSun(ConstructionKey key, const Rect& frame) : WeatherAnimationView(key, frame) {
  sunMoonView = View::make(Rect(0, 0, frame.width(), 100));
  sunMoonView->setAlpha(1);
  sunImageView = picture("sun.png");
  moonImageView = picture("moon.png");
  sunMoonView->addSubview(sunImageView);
  sunMoonView->addSubview(moonImageView);
  addSubview(sunMoonView);
}

AnimationSun::~AnimationSun() {
  if (timer) timer->invalidate();
}

void AnimationSun::startAnimating() {
  if (timer) timer->invalidate();
  std::weak_ptr<AnimationSun> weak = std::static_pointer_cast<AnimationSun>(shared_from_this());
  timer = platform::foundation::MainQueue::shared().scheduleRepeating(kInterval, [weak](auto&) {
    if (const auto sun = weak.lock()) sun->updateSunAndMoonVisibility();
  });
  updateSunAndMoonVisibility();
}

void AnimationSun::stopAnimating() {
  if (timer) timer->invalidate();
  timer.reset();
}

void AnimationSun::updateSunAndMoonVisibility() {
  const auto now = platform::foundation::calendarDate(platform::foundation::MainQueue::shared().now());
  if (!now) return;
  const int hour = now->hour;
  const double W = ui::Screen::mainScreen().bounds().width();
  if (hour >= kDayStart && hour < kNightStart) {
    moveCentreX(*sunImageView, W * (hour - kDayStart) / kHalfDay);
    moveCentreX(*moonImageView, hour == kDayStart ? W : -moonImageView->frame().width() / 2);
    return;
  }
  const int sinceDusk = hour >= kNightStart ? hour - kNightStart : hour + 24 - kNightStart;
  moveCentreX(*moonImageView, W * sinceDusk / kHalfDay);
  moveCentreX(*sunImageView, sinceDusk == 0 ? W : -sunImageView->frame().width() / 2);
}

}  // namespace vantile
