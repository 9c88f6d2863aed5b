#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/FileDescriptor.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/notifications/NotificationFolder.h"
#include "platform/foundation/queues/MainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace platform::foundation {
namespace {

constexpr std::string_view kName = "com.kestrune.vantile/lsChanged";

std::filesystem::path socketFolder() { return devicePath("/var/run/vantile-notify"); }
std::filesystem::path ownSocket() { return socketFolder() / std::to_string(::getpid()); }

// Runs the main queue until `done`, within a bounded number of short waits.
bool runUntil(const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 250; ++attempt) {
    MainQueue::shared().runPending();
    if (done()) {
      return true;
    }
    MainQueue::shared().waitForDueTask(0.02);
  }
  return false;
}

// A socket in the folder standing in for another observing process.
class PeerSocket {
 public:
  explicit PeerSocket(const std::string& name) : socket_(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    folder_ = NotificationFolder::open(socketFolder(), true);
    const auto address = folder_->address(name);
    EXPECT_EQ(::bind(socket_.get(), reinterpret_cast<const sockaddr*>(&address->address), address->length), 0);
  }

  // Nothing when no datagram comes within the bounded wait.
  std::optional<std::string> receive(int milliseconds = 2000) const {
    pollfd watched{socket_.get(), POLLIN, 0};
    if (::poll(&watched, 1, milliseconds) != 1) {
      return std::nullopt;
    }
    char buffer[1024];
    const ssize_t length = ::recv(socket_.get(), buffer, sizeof buffer, 0);
    return length < 0 ? std::nullopt : std::optional<std::string>(std::string(buffer, static_cast<std::size_t>(length)));
  }

  void close() { socket_.reset(); }

 private:
  std::optional<NotificationFolder> folder_;
  FileDescriptor socket_;
};

// Sends one datagram into the folder as another process would.
void sendFromOtherProcess(std::string_view name) {
  NotificationFolder::open(socketFolder(), false)->broadcast(name, {});
}

class DarwinNotifications : public ::testing::Test {
 protected:
  void SetUp() override { MainQueue::shared().clear(); }
  void TearDown() override { MainQueue::shared().clear(); }
  vantile::testing::TemporaryDeviceRoot root;
  DarwinNotificationCenter& center = DarwinNotificationCenter::shared();
};

TEST_F(DarwinNotifications, ReachObserversOfTheNameOnTheMainQueueOnly) {
  std::vector<std::string> received;
  const auto changed = center.addObserver("com.kestrune.vantile/lsChanged",
                                          [&](const std::string& name) { received.push_back("a:" + name); });
  const auto other = center.addObserver("com.kestrune.vantile/sbChanged",
                                        [&](const std::string& name) { received.push_back("b:" + name); });
  const auto second =
      center.addObserver("com.kestrune.vantile/lsChanged", [&](const std::string&) { received.push_back("c"); });

  center.post("com.kestrune.vantile/lsChanged");
  EXPECT_TRUE(received.empty()) << "delivery waits for the main queue";
  MainQueue::shared().runPending();
  EXPECT_EQ(received, (std::vector<std::string>{"a:com.kestrune.vantile/lsChanged", "c"}));
}

TEST_F(DarwinNotifications, StopWhenTheObservationIsDroppedEvenIfAlreadyPosted) {
  int count = 0;
  auto observation =
      center.addObserver("com.kestrune.vantile/preferences.changed", [&](const std::string&) { ++count; });
  center.post("com.kestrune.vantile/preferences.changed");
  observation.reset();
  center.post("com.kestrune.vantile/preferences.changed");
  MainQueue::shared().runPending();
  EXPECT_EQ(count, 0);
}

TEST_F(DarwinNotifications, CoalesceThePostsThatArriveBeforeTheDeliveryRuns) {
  int coalesced = 0;
  int each = 0;
  const auto coalescing = center.addObserver(
      std::string(kName), [&](const std::string&) { ++coalesced; }, DarwinNotificationCenter::Delivery::Coalesced);
  const auto plain = center.addObserver(std::string(kName), [&](const std::string&) { ++each; });

  for (int i = 0; i < 3; ++i) {
    center.post(kName);
  }
  MainQueue::shared().runPending();
  EXPECT_EQ(coalesced, 1);
  EXPECT_EQ(each, 3);

  center.post(kName);
  MainQueue::shared().runPending();
  EXPECT_EQ(coalesced, 2) << "a post after the delivery ran is delivered again";
}

TEST_F(DarwinNotifications, CoalesceAgainAfterAQueuedDeliveryWasDroppedUnrun) {
  int coalesced = 0;
  const auto coalescing = center.addObserver(
      std::string(kName), [&](const std::string&) { ++coalesced; }, DarwinNotificationCenter::Delivery::Coalesced);
  center.post(kName);
  MainQueue::shared().clear();
  center.post(kName);
  MainQueue::shared().runPending();
  EXPECT_EQ(coalesced, 1);
}

TEST_F(DarwinNotifications, ArriveFromOtherProcessesOnTheMainQueue) {
  int count = 0;
  const auto observation = center.addObserver(
      std::string(kName), [&](const std::string&) { ++count; }, DarwinNotificationCenter::Delivery::Coalesced);
  ASSERT_TRUE(std::filesystem::is_socket(ownSocket())) << "the first observer makes the socket";

  sendFromOtherProcess(std::string(DarwinNotificationCenter::kMaximumNameLength + 1, 'x'));
  sendFromOtherProcess("com.kestrune.vantile/sbChanged");
  sendFromOtherProcess(kName);
  EXPECT_TRUE(runUntil([&] { return count == 1; }));
}

TEST_F(DarwinNotifications, ReachOtherProcessesButNotThisProcessTwice) {
  int count = 0;
  bool marker = false;
  const auto observation = center.addObserver(std::string(kName), [&](const std::string&) { ++count; });
  const auto markerObservation = center.addObserver("marker", [&](const std::string&) { marker = true; });
  const PeerSocket peer("peer");

  ASSERT_TRUE(center.post(kName));
  EXPECT_EQ(peer.receive(), std::string(kName));
  // Datagrams arrive in order: had the post also gone through the own socket, it would come first.
  sendFromOtherProcess("marker");
  ASSERT_TRUE(runUntil([&] { return marker; }));
  EXPECT_EQ(count, 1);
}

TEST_F(DarwinNotifications, PostPastTheStaleSocketOfAProcessThatIsGone) {
  PeerSocket crashed("crashed");
  crashed.close();
  ASSERT_TRUE(std::filesystem::is_socket(socketFolder() / "crashed"));
  const PeerSocket alive("alive");

  EXPECT_TRUE(center.post(kName));
  EXPECT_EQ(alive.receive(), std::string(kName));
  EXPECT_FALSE(std::filesystem::exists(socketFolder() / "crashed"));
}

TEST_F(DarwinNotifications, RefuseEmptyAndOverLongNames) {
  const std::string tooLong(DarwinNotificationCenter::kMaximumNameLength + 1, 'n');
  const std::string longest(DarwinNotificationCenter::kMaximumNameLength, 'n');
  int count = 0;
  const auto observation = center.addObserver(tooLong, [&](const std::string&) { ++count; });
  const PeerSocket peer("peer");

  EXPECT_FALSE(center.post(tooLong));
  EXPECT_FALSE(center.post(""));
  MainQueue::shared().runPending();
  EXPECT_EQ(count, 0);
  EXPECT_EQ(peer.receive(100), std::nullopt);

  EXPECT_TRUE(center.post(longest));
  EXPECT_EQ(peer.receive(), longest);
}

TEST_F(DarwinNotifications, ReplaceASocketLeftByAnEarlierProcessOfTheSameId) {
  PeerSocket(std::to_string(::getpid())).close();
  ASSERT_TRUE(std::filesystem::is_socket(ownSocket()));
  int count = 0;
  const auto observation = center.addObserver(std::string(kName), [&](const std::string&) { ++count; });
  sendFromOtherProcess(kName);
  EXPECT_TRUE(runUntil([&] { return count == 1; }));
}

TEST_F(DarwinNotifications, MoveTheSocketWithTheDeviceRoot) {
  int count = 0;
  const auto observation = center.addObserver(std::string(kName), [&](const std::string&) { ++count; });
  const auto firstSocket = ownSocket();
  {
    const vantile::testing::TemporaryDeviceRoot second;
    center.post("com.kestrune.vantile/sbChanged");
    EXPECT_TRUE(std::filesystem::is_socket(ownSocket()));
    EXPECT_FALSE(std::filesystem::exists(firstSocket));

    sendFromOtherProcess(kName);
    EXPECT_TRUE(runUntil([&] { return count == 1; }));
  }
}

TEST_F(DarwinNotifications, ArriveInADeviceRootTooLongForASocketAddress) {
  const std::filesystem::path deep = root.path() / std::string(60, 'd') / std::string(60, 'e');
  std::filesystem::create_directories(deep);
  setDeviceRoot(deep);
  int count = 0;
  const auto observation = center.addObserver(std::string(kName), [&](const std::string&) { ++count; });
  ASSERT_GT(ownSocket().string().size(), sizeof(sockaddr_un::sun_path));
  ASSERT_TRUE(std::filesystem::is_socket(ownSocket()));

  sendFromOtherProcess(kName);
  EXPECT_TRUE(runUntil([&] { return count == 1; }));
}

}  // namespace
}  // namespace platform::foundation
