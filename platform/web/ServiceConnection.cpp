#include "platform/web/ServiceConnection.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <sstream>
#include <vector>

#include "platform/foundation/files/DeviceRoot.h"

extern char** environ;

namespace platform::web {

namespace {

using Clock = std::chrono::steady_clock;

std::mutex& registryMutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<std::weak_ptr<ServiceConnection>>& liveConnections() {
  static std::vector<std::weak_ptr<ServiceConnection>> connections;
  return connections;
}

// Reaps the process, killing it when it does not end within the grace time.
void reap(pid_t process, double graceSeconds) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(graceSeconds);
  while (Clock::now() < deadline) {
    const pid_t done = ::waitpid(process, nullptr, WNOHANG);
    if (done == process || done < 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(process, SIGKILL);
  ::waitpid(process, nullptr, 0);
}

std::string formatNumber(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

// Everything the child needs, built before the fork: after it only async-signal-safe calls.
struct SpawnPlan {
  std::vector<std::string> arguments;
  std::vector<std::string> environment;
  std::vector<char*> argv;
  std::vector<char*> envp;

  void seal() {
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
  }
};

SpawnPlan planFor(const ServiceConnection::Request& request, int childSocket) {
  SpawnPlan plan;
  plan.arguments = {request.executable.string(),
                    "--channel-fd",
                    std::to_string(childSocket),
                    "--screen",
                    std::to_string(std::lround(request.screenSize.width)) + "x" +
                        std::to_string(std::lround(request.screenSize.height)),
                    "--scale",
                    std::to_string(request.screenScale)};
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    if (std::string_view(*entry).starts_with("VANTILE_ROOT=")) continue;
    plan.environment.emplace_back(*entry);
  }
  plan.environment.push_back(std::string("VANTILE_ROOT=").append(foundation::deviceRoot().string()));
  plan.seal();
  return plan;
}

[[noreturn]] void runChild(const SpawnPlan& plan, int childSocket) {
  // The host may block its stop signals in every thread; the service must hear them.
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  ::fcntl(childSocket, F_SETFD, 0);
  ::execve(plan.argv[0], plan.argv.data(), plan.envp.data());
  ::_exit(127);
}

}  // namespace

std::variant<std::shared_ptr<ServiceConnection>, std::string> ServiceConnection::start(const Request& request,
                                                                                       FrameReceiver receiver) {
  if (::access(request.executable.c_str(), X_OK) != 0) {
    return std::string("the view service program ").append(request.executable.string()).append(" is not installed");
  }
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
    return std::string("no socket for the view service");
  }
  foundation::FileDescriptor hostEnd(ends[0]);
  foundation::FileDescriptor childEnd(ends[1]);
  const SpawnPlan plan = planFor(request, childEnd.get());
  const pid_t process = ::fork();
  if (process < 0) return std::string("the view service could not be started");
  if (process == 0) runChild(plan, childEnd.get());
  childEnd.reset();

  std::string hello = request.viewControllerClassName;
  hello.append("\n").append(request.serviceInterface);
  std::optional<Message> answer;
  if (writeMessage(hostEnd.get(), MessageKind::init, hello) && waitReadable(hostEnd.get(), request.startTimeout)) {
    answer = readMessage(hostEnd.get());
  }
  std::string problem;
  if (!answer) {
    problem = waitReadable(hostEnd.get(), 0) ? std::string("the view service ended before it was ready")
                                              : std::string("the view service did not answer within ")
                                                    .append(formatNumber(request.startTimeout))
                                                    .append(" s");
  } else if (answer->kind == MessageKind::refused) {
    problem = std::string("the view service refused: ").append(answer->payload);
  } else if (answer->kind != MessageKind::ready) {
    problem = "the view service answered out of turn";
  }
  if (!problem.empty()) {
    hostEnd.reset();
    reap(process, 1.0);
    return problem;
  }
  auto connection = std::make_shared<ServiceConnection>(Key{}, process, std::move(hostEnd), std::move(receiver));
  const std::lock_guard lock(registryMutex());
  auto& live = liveConnections();
  std::erase_if(live, [](const std::weak_ptr<ServiceConnection>& entry) { return entry.expired(); });
  live.push_back(connection);
  return connection;
}

ServiceConnection::ServiceConnection(Key, pid_t process, foundation::FileDescriptor socket, FrameReceiver receiver)
    : process_(process), socket_(std::move(socket)), receiver_(std::move(receiver)) {
  reader_ = std::thread([this] { readFrames(); });
}

ServiceConnection::~ServiceConnection() {
  // Wakes the reader; the service sees the end of its stream and quits.
  ::shutdown(socket_.get(), SHUT_RDWR);
  reader_.join();
  socket_.reset();
  reap(process_, 2.0);
}

bool ServiceConnection::send(MessageKind kind, const std::string& payload) {
  {
    const std::lock_guard lock(mutex_);
    if (ended_) return false;
    ++sent_;
  }
  return writeMessage(socket_.get(), kind, payload);
}

bool ServiceConnection::waitUntilCaughtUp(double seconds) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::duration<double>(seconds),
                           [this] { return ended_ || handled_ >= sent_; });
}

bool ServiceConnection::waitUntilAllCaughtUp(double seconds) {
  std::vector<std::shared_ptr<ServiceConnection>> connections;
  {
    const std::lock_guard lock(registryMutex());
    for (const auto& entry : liveConnections()) {
      if (auto connection = entry.lock()) connections.push_back(std::move(connection));
    }
  }
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  bool all = true;
  for (const auto& connection : connections) {
    const double left = std::chrono::duration<double>(deadline - Clock::now()).count();
    all = connection->waitUntilCaughtUp(std::max(0.0, left)) && all;
  }
  return all;
}

void ServiceConnection::readFrames() {
  while (std::optional<Message> message = readMessage(socket_.get())) {
    if (message->kind != MessageKind::frame) continue;
    std::optional<Frame> frame = decodeFrame(message->payload);
    if (!frame) continue;
    if (receiver_) receiver_(frame->image);
    const std::lock_guard lock(mutex_);
    handled_ = std::max(handled_, frame->handledMessages);
    changed_.notify_all();
  }
  const std::lock_guard lock(mutex_);
  ended_ = true;
  changed_.notify_all();
}

}  // namespace platform::web
