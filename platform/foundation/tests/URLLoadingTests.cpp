#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/foundation/network/URLLoading.h"
#include "testing/LoopbackServer.h"

namespace platform::foundation {
namespace {

using vantile::testing::LoopbackHTTPServer;
using vantile::testing::SilentLoopbackPort;

constexpr double kTimeout = 1.0;
constexpr std::size_t kCap = 1024;

TEST(URLLoadingTest, BodyOfASuccessfulAnswerComesBack) {
  LoopbackHTTPServer server(LoopbackHTTPServer::response(200, "picture bytes"));
  EXPECT_EQ(fetchURL(server.url("/a.png"), kTimeout, kCap), "picture bytes");
}

TEST(URLLoadingTest, BodyOfExactlyTheCapIsAccepted) {
  const std::string body(kCap, 'x');
  LoopbackHTTPServer server(LoopbackHTTPServer::response(200, body, false));
  EXPECT_EQ(fetchURL(server.url(), kTimeout, kCap), body);
}

TEST(URLLoadingTest, OversizedBodyIsRefusedWhetherAnnouncedOrNot) {
  const std::string body(kCap + 1, 'x');
  for (const bool announced : {true, false}) {
    SCOPED_TRACE(announced ? "with a length" : "without a length");
    LoopbackHTTPServer server(LoopbackHTTPServer::response(200, body, announced));
    EXPECT_EQ(fetchURL(server.url(), kTimeout, kCap), std::nullopt);
  }
}

TEST(URLLoadingTest, ErrorStatusGivesNothing) {
  LoopbackHTTPServer server(LoopbackHTTPServer::response(404, "not here"));
  EXPECT_EQ(fetchURL(server.url(), kTimeout, kCap), std::nullopt);
}

TEST(URLLoadingTest, ServerThatNeverAnswersGivesNothing) {
  SilentLoopbackPort silent;
  EXPECT_EQ(fetchURL(silent.url(), kTimeout, kCap), std::nullopt);
}

TEST(URLLoadingTest, OnlyWebAddressesAreFetched) {
  for (const char* address : {"file:///etc/hostname", "httpfoo.png", "ftp://127.0.0.1/", "", "127.0.0.1/a.png"}) {
    SCOPED_TRACE(address);
    EXPECT_EQ(fetchURL(address, kTimeout, kCap), std::nullopt);
  }
}

TEST(URLLoadingTest, UnusableTimeLimitGivesNothing) {
  LoopbackHTTPServer server(LoopbackHTTPServer::response(200, "x"));
  for (const double timeout : {0.0, -1.0, std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(fetchURL(server.url(), timeout, kCap), std::nullopt);
  }
}

}  // namespace
}  // namespace platform::foundation
