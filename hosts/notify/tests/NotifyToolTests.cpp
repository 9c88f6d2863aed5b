#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/queues/MainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

extern char** environ;

namespace vantile::notify {
namespace {

using platform::foundation::DarwinNotificationCenter;
using platform::foundation::MainQueue;

struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string readFile(const std::filesystem::path& file) {
  std::ostringstream contents;
  contents << std::ifstream(file).rdbuf();
  return contents.str();
}

// Runs the built tool in a process of its own, its output caught in files of `scratch`.
ToolRun runTool(const std::vector<std::string>& arguments, const std::filesystem::path& scratch) {
  const std::string outFile = (scratch / "tool.out").string();
  const std::string errFile = (scratch / "tool.err").string();
  std::vector<std::string> words{VANTILE_NOTIFY_TOOL};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ToolRun run;
  int status = 0;
  if (spawned != 0 || waitpid(child, &status, 0) != child) {
    ADD_FAILURE() << "cannot run " << VANTILE_NOTIFY_TOOL;
    return run;
  }
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = readFile(outFile);
  run.err = readFile(errFile);
  return run;
}

// Within a bounded number of short waits.
bool eventually(const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 250; ++attempt) {
    if (done()) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

class NotifyTool : public ::testing::Test {
 protected:
  void SetUp() override { MainQueue::shared().clear(); }

  ToolRun post(const std::string& name) { return runTool({"--root", root.path().string(), name}, scratch); }

  testing::TemporaryDeviceRoot root;
  std::filesystem::path scratch = root.path();
  DarwinNotificationCenter& center = DarwinNotificationCenter::shared();
};

TEST_F(NotifyTool, PrintsUsageAndExitsWithTheCodeOfTheMistake) {
  const ToolRun help = runTool({"--help"}, scratch);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("usage: vantile-notify --root DIR NAME"), std::string::npos);
  EXPECT_EQ(help.err, "");

  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {}, {"--root", root.path().string()}, {"--verbose"}, {"--root", root.path().string(), std::string(513, 'n')}}) {
    const ToolRun bad = runTool(arguments, scratch);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("usage: vantile-notify"), std::string::npos) << bad.err;
    EXPECT_EQ(bad.out, "");
  }

  const ToolRun missing = runTool({"--root", (root.path() / "nowhere").string(), "com.kestrune.vantile/lsChanged"}, scratch);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("vantile-notify: no device folder at "), std::string::npos) << missing.err;
}

TEST_F(NotifyTool, PostsToAnObservingProcessOnItsMainQueue) {
  int count = 0;
  const auto observation =
      center.addObserver("com.kestrune.vantile/preferences.changed", [&](const std::string&) { ++count; });
  ASSERT_EQ(post("com.kestrune.vantile/preferences.changed").exitCode, 0);
  EXPECT_TRUE(eventually([&] {
    MainQueue::shared().runPending();
    return count == 1;
  }));
}

TEST_F(NotifyTool, PostsIntoAFolderNobodyObservesWithoutFailing) {
  EXPECT_EQ(post("com.kestrune.vantile/sbChanged").exitCode, 0);
}

TEST_F(NotifyTool, ThreePostsBeforeTheDeliveryRunsGiveACoalescingObserverOneDelivery) {
  int coalesced = 0;
  bool marker = false;
  const auto observation = center.addObserver(
      "com.kestrune.vantile/lsChanged", [&](const std::string&) { ++coalesced; },
      DarwinNotificationCenter::Delivery::Coalesced);
  const auto markerObservation = center.addObserver("marker", [&](const std::string&) { marker = true; });
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(post("com.kestrune.vantile/lsChanged").exitCode, 0);
  }
  ASSERT_EQ(post("marker").exitCode, 0);
  // Names are read in order: once the marker's delivery is queued, all three posts have arrived.
  ASSERT_TRUE(eventually([] { return MainQueue::shared().pendingCount() >= 2; }));
  MainQueue::shared().runPending();
  EXPECT_TRUE(marker);
  EXPECT_EQ(coalesced, 1);
}

TEST_F(NotifyTool, PostsPastTheSocketOfAProcessThatDied) {
  int count = 0;
  const auto observation = center.addObserver("com.kestrune.vantile/openNC", [&](const std::string&) { ++count; });
  const auto stale = platform::foundation::devicePath("/var/run/vantile-notify/4194304");
  {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, stale.c_str(), sizeof address.sun_path - 1);
    const int socket = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(socket);
  }

  EXPECT_EQ(post("com.kestrune.vantile/openNC").exitCode, 0);
  EXPECT_TRUE(eventually([&] {
    MainQueue::shared().runPending();
    return count == 1;
  }));
  EXPECT_FALSE(std::filesystem::exists(stale));
}

}  // namespace
}  // namespace vantile::notify
