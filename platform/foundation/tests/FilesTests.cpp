#include "platform/foundation/files/Files.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace platform::foundation {
namespace {

namespace fs = std::filesystem;
using vantile::testing::TemporaryDeviceRoot;

std::vector<std::string> temporaryLeftovers(const fs::path& folder) {
  std::vector<std::string> leftovers;
  for (const std::string& name : listFolder(folder)) {
    if (name.find(".tmp-") != std::string::npos) {
      leftovers.push_back(name);
    }
  }
  return leftovers;
}

TEST(Files, ExistenceOfFilesAndFolders) {
  const TemporaryDeviceRoot root;
  root.writeFile("/var/mobile/a.txt", "a");
  EXPECT_TRUE(fileExists(devicePath("/var/mobile/a.txt")));
  EXPECT_FALSE(directoryExists(devicePath("/var/mobile/a.txt")));
  EXPECT_TRUE(directoryExists(devicePath("/var/mobile")));
  EXPECT_FALSE(fileExists(devicePath("/var/mobile")));
  EXPECT_FALSE(fileExists(devicePath("/var/mobile/missing")));
  EXPECT_FALSE(directoryExists(devicePath("/var/mobile/missing")));
  EXPECT_FALSE(fileExists(devicePath("/var/mobile/a.txt/below")));
  EXPECT_FALSE(fileExists(""));
}

TEST(Files, ReadFile) {
  const TemporaryDeviceRoot root;
  const std::string binary("a\0b\xff\n", 5);
  root.writeFile("/var/mobile/binary", binary);
  root.writeFile("/var/mobile/empty", "");
  EXPECT_EQ(readFile(devicePath("/var/mobile/binary")), binary);
  EXPECT_EQ(readFile(devicePath("/var/mobile/empty")), std::string());
  EXPECT_EQ(readFile(devicePath("/var/mobile/missing")), std::nullopt);
  EXPECT_EQ(readFile(devicePath("/var/mobile")), std::nullopt);  // a folder
  EXPECT_EQ(readFile(""), std::nullopt);
}

TEST(Files, ReadsALargeFileWhole) {
  const TemporaryDeviceRoot root;
  std::string large(3 * 65536 + 17, 'x');
  for (std::size_t i = 0; i < large.size(); i += 101) {
    large[i] = static_cast<char>('a' + i % 26);
  }
  root.writeFile("/large", large);
  EXPECT_EQ(readFile(devicePath("/large")), large);
}

TEST(Files, WriteFileAtomicallyCreatesAndReplaces) {
  const TemporaryDeviceRoot root;
  const fs::path file = devicePath("/var/mobile/Library/Preferences/deep/new.plist");
  ASSERT_TRUE(writeFileAtomically(file, "first"));
  EXPECT_EQ(readFile(file), "first");
  ASSERT_TRUE(writeFileAtomically(file, "second, longer"));
  EXPECT_EQ(readFile(file), "second, longer");
  ASSERT_TRUE(writeFileAtomically(file, ""));
  EXPECT_EQ(readFile(file), "");
  EXPECT_EQ(listFolder(file.parent_path()), std::vector<std::string>{"new.plist"});
}

TEST(Files, WriteFileAtomicallyTakesTheLongestNames) {
  const TemporaryDeviceRoot root;
  const fs::path file = devicePath("/var/mobile/" + std::string(255, 'n'));
  ASSERT_TRUE(writeFileAtomically(file, "long"));
  EXPECT_EQ(readFile(file), "long");
  EXPECT_EQ(listFolder(file.parent_path()), std::vector<std::string>{std::string(255, 'n')});
}

TEST(Files, WriteFileAtomicallyGivesNewFilesTheUsualMode) {
  const TemporaryDeviceRoot root;
  const mode_t mask = ::umask(022);
  ::umask(mask);
  const fs::path file = devicePath("/mode");
  ASSERT_TRUE(writeFileAtomically(file, "x"));
  struct stat information {};
  ASSERT_EQ(::stat(file.c_str(), &information), 0);
  // As a file created with open(2): 0666 less the process's mask (normally 0644).
  EXPECT_EQ(information.st_mode & 0777, 0666 & ~mask);
  ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
  ASSERT_TRUE(writeFileAtomically(file, "y"));
  ASSERT_EQ(::stat(file.c_str(), &information), 0);
  EXPECT_EQ(information.st_mode & 0777, 0600u);  // an existing file keeps its mode
}

TEST(Files, WriteFileAtomicallyFailsCleanly) {
  const TemporaryDeviceRoot root;
  // The target is a folder: the rename fails and the temporary file is removed.
  const fs::path folder = devicePath("/var/mobile/folder");
  fs::create_directories(folder / "inside");
  EXPECT_FALSE(writeFileAtomically(folder, "x"));
  EXPECT_TRUE(directoryExists(folder));
  EXPECT_TRUE(temporaryLeftovers(folder.parent_path()).empty());
  // A parent that is a file cannot become a folder.
  root.writeFile("/var/mobile/plain", "p");
  EXPECT_FALSE(writeFileAtomically(devicePath("/var/mobile/plain/child"), "x"));
  EXPECT_EQ(readFile(devicePath("/var/mobile/plain")), "p");
  // No file name at all.
  EXPECT_FALSE(writeFileAtomically("", "x"));
  EXPECT_FALSE(writeFileAtomically(devicePath("/var/mobile") / "", "x"));
}

TEST(Files, WriteFileAtomicallyInAReadOnlyFolderFails) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root ignores folder permissions";
  }
  const TemporaryDeviceRoot root;
  const fs::path folder = devicePath("/locked");
  fs::create_directories(folder);
  root.writeFile("/locked/file", "old");
  ::chmod(folder.c_str(), 0500);
  EXPECT_FALSE(writeFileAtomically(folder / "file", "new"));
  ::chmod(folder.c_str(), 0700);
  EXPECT_EQ(readFile(folder / "file"), "old");
}

TEST(Files, ReadersSeeTheOldOrTheNewContentsNeverAMix) {
  const TemporaryDeviceRoot root;
  const fs::path file = devicePath("/var/mobile/shared.json");
  const std::string a(200000, 'a');
  const std::string b(100000, 'b');
  ASSERT_TRUE(writeFileAtomically(file, a));
  std::atomic<bool> done{false};
  std::atomic<int> mixed{0};
  std::atomic<int> reads{0};
  std::thread reader([&] {
    while (!done) {
      const auto contents = readFile(file);
      ++reads;
      if (!contents || (*contents != a && *contents != b)) {
        ++mixed;
      }
    }
  });
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(writeFileAtomically(file, i % 2 == 0 ? b : a));
  }
  done = true;
  reader.join();
  EXPECT_GT(reads.load(), 0);
  EXPECT_EQ(mixed.load(), 0);
  EXPECT_TRUE(temporaryLeftovers(file.parent_path()).empty());
}

TEST(Files, AppendToFileCreatesAndAppends) {
  const TemporaryDeviceRoot root;
  const fs::path file = devicePath("/var/log/new/entries.log");
  ASSERT_TRUE(appendToFile(file, "one\n"));
  ASSERT_TRUE(appendToFile(file, "two\n"));
  ASSERT_TRUE(appendToFile(file, ""));
  EXPECT_EQ(readFile(file), "one\ntwo\n");
  ASSERT_TRUE(appendToFile(devicePath("/var/log/empty.log"), ""));
  EXPECT_TRUE(fileExists(devicePath("/var/log/empty.log")));
  EXPECT_FALSE(appendToFile(devicePath("/var/log"), "x"));  // a folder
  EXPECT_FALSE(appendToFile("", "x"));
}

TEST(Files, AppendsOfSeveralProcessesNeverOverwriteOneAnother) {
  const TemporaryDeviceRoot root;
  const fs::path file = devicePath("/var/log/shared.log");
  constexpr int kProcesses = 4;
  constexpr int kLines = 200;
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool ok = true;
      for (int i = 0; i < kLines; ++i) {
        const std::string line = "process " + std::to_string(p) + " line " + std::to_string(i) +
                                 std::string(100, static_cast<char>('a' + p)) + "\n";
        ok = appendToFile(file, line) && ok;
      }
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const auto contents = readFile(file);
  ASSERT_TRUE(contents);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = contents->find('\n'); end != std::string::npos; end = contents->find('\n', start)) {
    lines.push_back(contents->substr(start, end - start));
    start = end + 1;
  }
  EXPECT_EQ(start, contents->size());
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kProcesses * kLines));
  std::vector<std::string> expected;
  for (int p = 0; p < kProcesses; ++p) {
    for (int i = 0; i < kLines; ++i) {
      expected.push_back("process " + std::to_string(p) + " line " + std::to_string(i) +
                         std::string(100, static_cast<char>('a' + p)));
    }
  }
  std::sort(lines.begin(), lines.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(lines, expected);
}

TEST(Files, ListFolderIsSorted) {
  const TemporaryDeviceRoot root;
  root.writeFile("/dir/b", "");
  root.writeFile("/dir/a", "");
  root.writeFile("/dir/C", "");
  root.writeFile("/dir/.hidden", "");
  root.writeFile("/dir/sub/inner", "");
  EXPECT_EQ(listFolder(devicePath("/dir")), (std::vector<std::string>{".hidden", "C", "a", "b", "sub"}));
  EXPECT_TRUE(listFolder(devicePath("/missing")).empty());
  EXPECT_TRUE(listFolder(devicePath("/dir/a")).empty());  // a file
  fs::create_directories(devicePath("/empty"));
  EXPECT_TRUE(listFolder(devicePath("/empty")).empty());
}

}  // namespace
}  // namespace platform::foundation
