#include "hosts/common/testing/HostProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "platform/foundation/files/Files.h"

extern char** environ;

namespace vantile::hosts {

namespace {

std::filesystem::path freshFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "host-run-XXXXXX").string();
  const char* made = mkdtemp(pattern.data());
  return made != nullptr ? std::filesystem::path(made) : std::filesystem::path();
}

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string current(*entry);
    const std::string name = current.substr(0, current.find('=') + 1);
    bool replaced = false;
    for (const std::string& added : extra) {
      replaced = replaced || added.starts_with(name);
    }
    if (!replaced) {
      merged.push_back(current);
    }
  }
  merged.insert(merged.end(), extra.begin(), extra.end());
  return merged;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

HostProcess::HostProcess(std::filesystem::path program, std::vector<std::string> arguments,
                         std::vector<std::string> environment)
    : folder_(freshFolder()) {
  arguments.insert(arguments.begin(), program.string());
  auto argumentPointers = pointersTo(arguments);
  auto fullEnvironment = mergedEnvironment(environment);
  auto environmentPointers = pointersTo(fullEnvironment);
  const std::string out = (folder_ / "stdout").string();
  const std::string err = (folder_ / "stderr").string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argumentPointers.data(), environmentPointers.data()) == 0) {
    pid_ = pid;
  }
  posix_spawn_file_actions_destroy(&actions);
}

HostProcess::~HostProcess() {
  if (pid_ > 0 && status_ < 0) {
    stop(SIGKILL);
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

int HostProcess::wait() {
  if (pid_ <= 0) {
    return -1;
  }
  if (status_ >= 0) {
    return status_;
  }
  int raw = 0;
  while (waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
  }
  status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  return status_;
}

int HostProcess::stop(int signal) {
  if (pid_ > 0 && status_ < 0) {
    kill(pid_, signal);
  }
  return wait();
}

std::string HostProcess::output() const { return platform::foundation::readFile(folder_ / "stdout").value_or(""); }

std::string HostProcess::errors() const { return platform::foundation::readFile(folder_ / "stderr").value_or(""); }

std::vector<std::string> hostLines(const std::string& errors, std::string_view program) {
  const std::string prefix = std::string(program) + ": ";
  std::vector<std::string> lines;
  std::istringstream stream(errors);
  for (std::string line; std::getline(stream, line);) {
    if (line.starts_with(prefix)) {
      lines.push_back(line);
    }
  }
  return lines;
}

bool eventually(const std::function<bool()>& condition) {
  // Generous for sanitizer builds on a busy machine; a passing run stops at the first success.
  constexpr int kAttempts = 1200;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (condition()) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return condition();
}

}  // namespace vantile::hosts
