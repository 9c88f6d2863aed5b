#include "integration/tests/TweakTestSupport.h"

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"

namespace vantile::integration::testing {

std::shared_ptr<RuntimeView> RuntimeView::make(std::string_view className, const platform::graphics::Rect& frame) {
  return std::make_shared<RuntimeView>(ConstructionKey{}, className, frame);
}

RuntimeView::RuntimeView(ConstructionKey key, std::string_view className, const platform::graphics::Rect& frame)
    : View(key, frame), Object(className) {}

std::shared_ptr<platform::objc::SharedObject> makeObject(std::string_view className) {
  return std::make_shared<platform::objc::SharedObject>(className);
}

TweakTest::TweakTest() {
  platform::foundation::MainQueue::shared().useManualClock(1000);
  platform::foundation::Bundle::main().setBundleIdentifier("com.apple.springboard");
  tweakState() = TweakState{};
  TweakLinks& links = tweakState().links;
  links.createViewFromTheme = [this](const std::string& path, const std::string& location) {
    record("createViewFromTheme " + path + " " + location);
    auto theme = platform::ui::View::make({0, 0, 320, 568});
    builtThemes.push_back(theme);
    return theme;
  };
  links.timeUpdated = [this](const std::string& location) { record("timeUpdated " + location); };
  links.fastUpdate = [this](const std::string& location) { record("fastUpdate " + location); };
  links.deviceWakening = [this](bool waking) { record(std::string("deviceWakening ") + (waking ? "YES" : "NO")); };
  links.deviceUnlocked = [this](bool unlocked) {
    record(std::string("deviceUnlocked ") + (unlocked ? "YES" : "NO"));
  };
}

TweakTest::~TweakTest() {
  tweakState() = TweakState{};
  for (const std::string& name : names_) platform::objc::removeClass(name);
  platform::foundation::Bundle::main().setBundleIdentifier("");
}

platform::objc::Class& TweakTest::declare(std::string_view name, std::string_view superclassName) {
  platform::objc::Class* cls = platform::objc::registerClass(name, superclassName);
  EXPECT_NE(cls, nullptr) << name;
  names_.emplace_back(name);
  return *cls;
}

void TweakTest::writeSettings(const platform::Value& settings) const {
  ASSERT_TRUE(platform::foundation::PreferenceDomain("com.kestrune.vantile").write(settings));
}

std::vector<std::string> TweakTest::takeCalls() { return std::exchange(calls_, {}); }

}  // namespace vantile::integration::testing
