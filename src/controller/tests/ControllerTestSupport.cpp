#include "controller/tests/ControllerTestSupport.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"

namespace vantile::testing {

using platform::Value;
using platform::foundation::MainQueue;

namespace {
constexpr platform::foundation::TimeStamp kStart = 1'700'000'000;
}

ControllerTest::ControllerTest() {
  MainQueue::shared().clear();
  MainQueue::shared().useManualClock(kStart);
}

ControllerTest::~ControllerTest() {
  MainQueue::shared().clear();
  MainQueue::shared().useRealClock();
}

std::string ControllerTest::writeTheme(const std::string& fileName, const Value& document) const {
  const std::string path = std::string(kThemesFolder) + fileName;
  root.writeFile(path, document.dump());
  return path;
}

Value ControllerTest::theme(const Value& children, const std::vector<std::string>& order) {
  return {{"PresetView",
           {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "812"}}},
            {"children", children},
            {"order", order}}}};
}

Value ControllerTest::label(const std::string& data, const Value& extra) {
  Value element = {
      {"type", "UILabel"}, {"data", data}, {"frame", {{"x", "0"}, {"y", "0"}, {"width", "100"}, {"height", "20"}}}};
  for (const auto& [key, value] : extra.items()) element[key] = value;
  return element;
}

Value ControllerTest::container(const Value& children, const std::string& type) {
  return {{"type", type},
          {"frame", {{"x", "0"}, {"y", "0"}, {"width", "200"}, {"height", "200"}}},
          {"childorder", "none"},
          {"children", children}};
}

std::string ControllerTest::logText() const {
  MainQueue::shared().runPending();
  return platform::foundation::readFile(platform::foundation::devicePath("/var/mobile/Media/Downloads/vantile.log"))
      .value_or("");
}

}  // namespace vantile::testing
