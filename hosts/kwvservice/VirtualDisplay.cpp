#include "VirtualDisplay.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <utility>

#include "platform/foundation/files/FileDescriptor.h"
#include "platform/web/RemoteViewMessages.h"

namespace vantile::kwvservice {

namespace {

void stop(pid_t server) {
  if (server <= 0) return;
  ::kill(server, SIGTERM);
  ::waitpid(server, nullptr, 0);
}

}  // namespace

std::optional<VirtualDisplay> VirtualDisplay::start(double timeoutSeconds) {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) return std::nullopt;
  platform::foundation::FileDescriptor reading(ends[0]);
  platform::foundation::FileDescriptor writing(ends[1]);
  std::string descriptor = std::to_string(writing.get());
  const pid_t server = ::fork();
  if (server < 0) return std::nullopt;
  if (server == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    ::fcntl(writing.get(), F_SETFD, 0);
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
      ::dup2(quiet, STDOUT_FILENO);
      ::dup2(quiet, STDERR_FILENO);
    }
    ::execlp("Xvfb", "Xvfb", "-displayfd", descriptor.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
    ::_exit(127);
  }
  writing.reset();
  // Xvfb writes its display number once it accepts clients; end of file means it gave up.
  std::string number;
  char byte = 0;
  while (platform::web::waitReadable(reading.get(), timeoutSeconds) && ::read(reading.get(), &byte, 1) == 1 &&
         byte != '\n') {
    number.push_back(byte);
  }
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
    stop(server);
    return std::nullopt;
  }
  std::string name = std::string(":").append(number);
  ::setenv("DISPLAY", name.c_str(), 1);
  return VirtualDisplay(server, std::move(name));
}

VirtualDisplay::VirtualDisplay(VirtualDisplay&& other) noexcept
    : server_(std::exchange(other.server_, -1)), name_(std::move(other.name_)) {}

VirtualDisplay::~VirtualDisplay() { stop(server_); }

}  // namespace vantile::kwvservice
