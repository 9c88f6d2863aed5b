#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/queues/MainQueue.h"

namespace vantile::testing {

namespace {

std::filesystem::path makeTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vantile-root-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a temporary device root";
  }
  return pattern;
}

}  // namespace

TemporaryDeviceRoot::TemporaryDeviceRoot()
    : previousRoot_(platform::foundation::deviceRoot()), root_(makeTemporaryFolder()) {
  platform::foundation::setDeviceRoot(root_);
}

TemporaryDeviceRoot::~TemporaryDeviceRoot() {
  // Work the test queued (log lines above all) must not land in the next test's folder.
  platform::foundation::MainQueue::shared().clear();
  platform::foundation::setDeviceRoot(previousRoot_);
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void TemporaryDeviceRoot::writeFile(std::string_view systemPath, std::string_view contents) const {
  const auto file = platform::foundation::devicePath(systemPath);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << contents;
}

}  // namespace vantile::testing
