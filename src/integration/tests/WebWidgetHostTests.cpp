#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "integration/TweakStartup.h"
#include "integration/tests/TweakTestSupport.h"
#include "integration/webwidgets/WebWidgetHost.h"
#include "integration/webwidgets/WidgetScripts.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "platform/web/RemoteView.h"
#include "platform/web/RemoteViewController.h"
#include "platform/web/RemoteViewTypes.h"
#include "platform/web/XPCInterface.h"

namespace vantile::integration {
namespace {

namespace objc = platform::objc;
namespace web = platform::web;
using platform::foundation::MainQueue;
using platform::ui::View;
using platform::ui::ViewController;

constexpr const char* kClockPage = "setWebViewURL: /var/mobile/Library/VantileAssets/html/clock/index.html";

// The service side is a recording proxy: what the tweak sends it, in order.
class WebWidgetHostTest : public testing::TweakTest {
 protected:
  WebWidgetHostTest() {
    platform::foundation::Bundle::main().setBundleIdentifier("com.example.other");
    declareWithStock<sig::Answer>("UIViewController", "_canShowWhileLocked");
    web::RemoteView::declareClass(declare("_UIRemoteView"));
    objc::Class& proxyClass = declare("RecordingServiceProxy");
    for (const char* selector : {"setWebViewURL:", "callJavascript:"}) {
      objc::addMethod<web::signatures::TextMessage>(proxyClass, selector,
                                                    [this, selector](objc::Object&, std::string text) {
                                                      sent.push_back(std::string(selector) + " " + text);
                                                    });
    }
    objc::Class& remote = declare("_UIRemoteViewController", "UIViewController");
    objc::addMethod<web::signatures::Getter>(remote, "serviceViewControllerProxy", [](objc::Object& self) {
      return dynamic_cast<web::RemoteViewController&>(self).serviceViewControllerProxy();
    });
    objc::addClassMethod<web::signatures::RequestViewController>(
        remote, "requestViewController:fromServiceWithBundleIdentifier:connectionHandler:",
        [this](objc::Object& self, std::string controllerName, std::string service,
               web::signatures::ConnectionHandler handler) -> ObjectRef {
          requests.push_back(controllerName + " " + service);
          if (refusal) {
            handler(nullptr, refusal);
          } else {
            auto proxy = std::make_shared<objc::SharedObject>(objc::getClass("RecordingServiceProxy"));
            auto controller = web::RemoteViewController::make(dynamic_cast<objc::Class*>(&self), proxy, nullptr);
            handler(controller->asObject(), std::nullopt);
          }
          return nullptr;
        });
    forgetAfterwards("KWVRemoteRootViewController");
    writeSettings({{"enabledlshtml", true}, {"vantilelshtml", "clock"}});
    installTweak();

    page = hostController->view();
    theme = View::make(page->bounds());
    element = View::make({10, 10, 50, 50});
    theme->addSubview(element);
    page->addSubview(theme);
  }

  void writeSnapshot(const std::string& name, const std::string& text) const {
    ASSERT_TRUE(platform::foundation::writeFileAtomically(
        platform::foundation::devicePath(std::string(kSnapshotFolder) + name), text));
  }

  std::vector<std::string> takeSent() { return std::exchange(sent, {}); }

  std::shared_ptr<ViewController> hostController = ViewController::make();
  std::shared_ptr<View> page;
  std::shared_ptr<View> theme;
  std::shared_ptr<View> element;
  std::vector<std::string> requests;
  std::vector<std::string> sent;
  std::optional<std::string> refusal;
};

TEST_F(WebWidgetHostTest, AttachingPutsTheRemoteViewBehindTheThemeUnderAnOverlayAndLoadsThePage) {
  loadWKService(theme);

  EXPECT_EQ(requests, std::vector<std::string>{"KWVRootViewController com.kestrune.webservices"});
  ASSERT_EQ(theme->subviews().size(), 2u);
  const std::shared_ptr<View> container = theme->subviews().front();
  EXPECT_EQ(theme->subviews().back(), element) << "the theme's elements stay in front";
  ASSERT_EQ(container->subviews().size(), 2u);
  const auto remoteView = std::dynamic_pointer_cast<web::RemoteView>(container->subviews().front());
  ASSERT_NE(remoteView, nullptr);
  EXPECT_EQ(remoteView->frame(), theme->frame());
  const std::shared_ptr<View> overlay = container->subviews().back();
  ASSERT_TRUE(overlay->backgroundColor().has_value());
  EXPECT_DOUBLE_EQ(overlay->backgroundColor()->alpha, 0.01);
  EXPECT_DOUBLE_EQ(overlay->alpha(), 1.0);
  ASSERT_EQ(hostController->childViewControllers().size(), 1u);
  EXPECT_EQ(hostController->childViewControllers().front()->view(), remoteView);

  EXPECT_EQ(takeSent(), std::vector<std::string>{kClockPage});
  MainQueue::shared().advance(1.0);
  EXPECT_TRUE(takeSent().empty()) << "with no snapshot files only the page is sent";
}

TEST_F(WebWidgetHostTest, EachSnapshotFileBecomesItsDataScriptThenItsUpdateCallInTheFixedOrder) {
  writeSnapshot("steps.json", R"([{"count":"1200"}])");
  writeSnapshot("events.json", R"([{"title":"Dentist"}])");
  writeSnapshot("battery.json", R"({"batteryPercent":"82","batteryCharging":"true"})");
  writeSnapshot("signal.json", R"({"signalBars":"3","wifiBars":"2","wifiName":"Home","signalName":"Carrier"})");
  writeSnapshot("weather.json", R"({"city":"Oslo"})");
  loadWKService(theme);
  takeSent();

  MainQueue::shared().advance(0.9);
  EXPECT_TRUE(takeSent().empty()) << "the page has a second to load";
  MainQueue::shared().advance(0.1);
  EXPECT_EQ(takeSent(), (std::vector<std::string>{
                            R"(callJavascript: var weather = JSON.parse("{\"city\":\"Oslo\"}");)",
                            "callJavascript: mainUpdate('weather')",
                            R"(callJavascript: var signalBars = "3"; var wifiBars = "2"; var wifiName = "Home"; var signalName = "Carrier";)",
                            "callJavascript: mainUpdate('statusbar')",
                            R"(callJavascript: var batteryPercent = "82"; var batteryCharging = true;)",
                            "callJavascript: mainUpdate('battery')",
                            R"(callJavascript: var events = JSON.parse("[{\"title\":\"Dentist\"}]");)",
                            "callJavascript: mainUpdate('events')",
                            R"(callJavascript: var steps = JSON.parse("[{\"count\":\"1200\"}]");)",
                            "callJavascript: mainUpdate('steps')",
                        }));
}

TEST_F(WebWidgetHostTest, AnUnparsableSignalFileIsSkippedWhileTheOthersArePushed) {
  writeSnapshot("signal.json", "{not json");
  writeSnapshot("battery.json", R"({"batteryPercent":"5"})");
  writeSnapshot("steps.json", "[]");
  loadWKService(theme);
  takeSent();
  updateWebViews();
  EXPECT_EQ(takeSent(), (std::vector<std::string>{
                            R"(callJavascript: var batteryPercent = "5"; var batteryCharging = false;)",
                            "callJavascript: mainUpdate('battery')",
                            R"(callJavascript: var steps = JSON.parse("[]");)",
                            "callJavascript: mainUpdate('steps')",
                        }));
}

TEST_F(WebWidgetHostTest, NothingIsSentBeforeTheFirstAttachmentWhichThenLoadsTheCurrentName) {
  loadNewURL();
  updateWebViews();
  EXPECT_TRUE(takeSent().empty());
  state().settings.htmlWidgetName = "my clock";
  loadWKService(theme);
  EXPECT_EQ(takeSent(), std::vector<std::string>{
                            "setWebViewURL: /var/mobile/Library/VantileAssets/html/my clock/index.html"});
}

TEST_F(WebWidgetHostTest, ARefusedConnectionLogsOneLineAndAttachesNothing) {
  refusal = "the view service did not answer";
  loadWKService(theme);
  MainQueue::shared().runPending();
  EXPECT_EQ(theme->subviews().size(), 1u);
  EXPECT_TRUE(hostController->childViewControllers().empty());
  loadNewURL();
  EXPECT_TRUE(takeSent().empty());
  EXPECT_EQ(platform::foundation::readFile(platform::foundation::devicePath("/var/mobile/Media/Downloads/vantile.log")),
            "\nLog:KWVRemoteRootViewController ERROR the view service did not answer");
}

TEST_F(WebWidgetHostTest, ARebuildReplacesTheRemoteViewControllerInsteadOfAddingOne) {
  loadWKService(theme);
  const auto first = hostController->childViewControllers().front();
  auto rebuilt = View::make(page->bounds());
  theme->removeFromSuperview();
  page->addSubview(rebuilt);
  loadWKService(rebuilt);
  ASSERT_EQ(hostController->childViewControllers().size(), 1u);
  EXPECT_NE(hostController->childViewControllers().front(), first);
  EXPECT_EQ(first->parentViewController(), nullptr);
}

TEST(WidgetScripts, ValuesBecomeScriptStringLiteralsThatNoTextCanBreakOutOf) {
  struct Case {
    std::string text;
    std::string literal;
  };
  const Case cases[] = {
      {"Home", R"("Home")"},
      {"it's \"mine\"", R"("it's \"mine\"")"},
      {"</script><script>alert(1)</script>", R"("<\/script><script>alert(1)<\/script>")"},
      {"line\xE2\x80\xA8sep\xE2\x80\xA9par", R"("line\u2028sep\u2029par")"},
      {"back\\slash\nnew", R"("back\\slash\nnew")"},
      {"bad \xFF byte", "\"bad \xEF\xBF\xBD byte\""},
  };
  for (const Case& c : cases) EXPECT_EQ(scriptStringLiteral(c.text), c.literal) << c.text;
}

TEST(WidgetScripts, ChargingIsTheBareWordTrueOnlyForTheTextTrue) {
  const std::pair<const char*, const char*> cases[] = {
      {R"("true")", "true"},   {R"("false")", "false"}, {"true", "false"},
      {R"("1")", "false"},     {R"("TRUE")", "false"},  {R"x("true; alert(1)")x", "false"},
  };
  for (const auto& [value, word] : cases) {
    const auto script = widgetScriptFor(SnapshotKind::battery, std::string(R"({"batteryCharging":)") + value + "}");
    ASSERT_TRUE(script.has_value()) << value;
    EXPECT_EQ(script->data, std::string(R"x(var batteryPercent = "(null)"; var batteryCharging = )x") + word + ";")
        << value;
  }
}

TEST_F(WebWidgetHostTest, TheRemoteViewAndClassOperationsAnswerAsTheWidgetNeeds) {
  objc::Class* created = objc::getClass("KWVRemoteRootViewController");
  ASSERT_NE(created, nullptr);
  EXPECT_FALSE(objc::send<sig::Answer>(*created, "_shouldUseXPCObjects"));
  const auto interfaceName = [&](const char* selector) {
    const auto interface = objc::send<sig::Getter>(*created, selector);
    const auto* xpc = dynamic_cast<const web::XPCInterface*>(interface.get());
    return xpc ? xpc->protocolName() : std::string();
  };
  EXPECT_EQ(interfaceName("exportedInterface"), "KWVRootViewControllerRemoteHost");
  EXPECT_EQ(interfaceName("serviceViewControllerInterface"), "KWVRootViewControllerRemoteService");

  auto anyController = testing::makeObject("UIViewController");
  EXPECT_TRUE(objc::send<sig::Answer>(*anyController, "_canShowWhileLocked"));

  loadWKService(theme);
  const auto remoteView = std::dynamic_pointer_cast<web::RemoteView>(theme->subviews().front()->subviews().front());
  ASSERT_NE(remoteView, nullptr);
  EXPECT_FALSE(remoteView->inheritsSecurity());
  auto window = platform::ui::Window::make();
  window->addSubview(page);
  EXPECT_TRUE(remoteView->inheritsSecurity()) << "set once the remote view reaches a window";
}

}  // namespace
}  // namespace vantile::integration
