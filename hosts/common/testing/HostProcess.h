#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantile::hosts {

// A built host (or another program) in a process of its own, as a user runs it: each run gets
// a fresh process, so the plug-ins' loads and their state start over.
class HostProcess {
 public:
  // `environment` entries ("TZ=Asia/Tokyo") are added to this process's own, replacing any of
  // the same name. Standard output and error go to files read by output() and errors().
  HostProcess(std::filesystem::path program, std::vector<std::string> arguments,
              std::vector<std::string> environment = {});
  ~HostProcess();

  HostProcess(const HostProcess&) = delete;
  HostProcess& operator=(const HostProcess&) = delete;

  bool started() const { return pid_ > 0; }
  // Waits for the end: the exit status, or 128 + the signal that ended it.
  int wait();
  // Sends a signal and waits for the end.
  int stop(int signal);

  std::string output() const;
  std::string errors() const;

 private:
  std::filesystem::path folder_;
  pid_t pid_ = -1;
  int status_ = -1;
};

// The lines of a run's standard error that the host itself wrote, those starting with
// "`program`: " (other layers log too).
std::vector<std::string> hostLines(const std::string& errors, std::string_view program);

// Polls `condition` a bounded number of times, with short sleeps; whether it came true.
bool eventually(const std::function<bool()>& condition);

}  // namespace vantile::hosts
