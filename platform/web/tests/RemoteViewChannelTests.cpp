#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/web/RemoteViewController.h"
#include "platform/web/RemoteViewMessages.h"
#include "platform/web/RemoteViewTypes.h"
#include "platform/web/ServiceConnection.h"
#include "testing/TemporaryDeviceRoot.h"

namespace platform::web {
namespace {

TEST(RemoteViewFrames, AFrameCrossesWithItsCountScaleAndPixelsAndABrokenOneIsRefused) {
  // Rows with padding, as the engine's pictures have them.
  const std::vector<std::uint32_t> rows = {0xFF0000FF, 0x80008000, 0xDEADBEEF, 0x00000000, 0xFFFFFFFF, 0xDEADBEEF};
  const std::string payload =
      encodeFrame(7, 2, 2, 2.0, reinterpret_cast<const std::uint8_t*>(rows.data()), 3 * 4);
  const std::optional<Frame> frame = decodeFrame(payload);
  ASSERT_TRUE(frame.has_value());
  EXPECT_EQ(frame->handledMessages, 7u);
  EXPECT_EQ(frame->image.width(), 2);
  EXPECT_EQ(frame->image.height(), 2);
  EXPECT_DOUBLE_EQ(frame->image.scale(), 2.0);
  EXPECT_EQ(std::vector<std::uint32_t>(frame->image.pixels().begin(), frame->image.pixels().end()),
            (std::vector<std::uint32_t>{0xFF0000FF, 0x80008000, 0x00000000, 0xFFFFFFFF}));

  for (const std::string& broken : {payload.substr(0, 10), payload.substr(0, payload.size() - 1), payload + "x",
                                    encodeFrame(1, 0, 0, 1.0, nullptr, 0)}) {
    EXPECT_FALSE(decodeFrame(broken).has_value()) << broken.size();
  }
}

// Programs standing in for a service that cannot come up.
class ServiceStartTest : public ::testing::Test {
 protected:
  std::filesystem::path script(const std::string& name, const std::string& body) const {
    const std::filesystem::path file = root.path() / name;
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    ::chmod(file.c_str(), 0755);
    return file;
  }

  std::string startFails(const std::filesystem::path& program, double timeout) const {
    ServiceConnection::Request request{.executable = program,
                                       .viewControllerClassName = "KWVRootViewController",
                                       .serviceInterface = "KWVRootViewControllerRemoteService",
                                       .screenSize = {100, 100},
                                       .screenScale = 1,
                                       .startTimeout = timeout};
    auto started = ServiceConnection::start(request, nullptr);
    EXPECT_TRUE(std::holds_alternative<std::string>(started));
    return std::holds_alternative<std::string>(started) ? std::get<std::string>(started) : std::string();
  }

  vantile::testing::TemporaryDeviceRoot root;
};

TEST_F(ServiceStartTest, AServiceThatCannotComeUpGivesAReasonWithinTheBoundedWait) {
  EXPECT_EQ(startFails(root.path() / "missing", 5), "the view service program " + (root.path() / "missing").string() +
                                                        " is not installed");
  EXPECT_EQ(startFails(script("quits", "exit 3"), 5), "the view service ended before it was ready");
  // Killed once the wait is over, not waited for.
  EXPECT_EQ(startFails(script("silent", "exec sleep 30"), 0.3), "the view service did not answer within 0.3 s");
}

TEST_F(ServiceStartTest, ARequestForAServiceThatIsNotInstalledAnswersTheHandlerWithTheReason) {
  objc::Class* cls = objc::registerClass("_UIRemoteViewController");
  ASSERT_NE(cls, nullptr);
  RemoteViewController::declareClass(*cls);
  std::vector<std::string> answers;
  objc::send<signatures::RequestViewController>(
      *cls, "requestViewController:fromServiceWithBundleIdentifier:connectionHandler:",
      std::string("KWVRootViewController"), std::string("com.example.absent"),
      signatures::ConnectionHandler([&](signatures::Object controller, std::optional<std::string> error) {
        answers.push_back(controller ? "controller" : error.value_or("neither"));
      }));
  objc::removeClass("_UIRemoteViewController");
  EXPECT_EQ(answers, std::vector<std::string>{"no view service com.example.absent is installed"});
}

}  // namespace
}  // namespace platform::web
