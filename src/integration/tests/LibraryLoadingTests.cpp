#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/PreferenceDomain.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/views/View.h"
#include "testing/TemporaryDeviceRoot.h"

namespace {

namespace objc = platform::objc;
namespace sig = platform::springboard::signatures;

class MainPage : public platform::ui::View, public objc::Object {
 public:
  using View::ConstructionKey;
  explicit MainPage(ConstructionKey key) : View(key, {0, 0, 320, 568}), Object("CSMainPageView") {}
};

// Loading the library runs its initializers, which install the theme group into the classes
// the process has: the lock-screen theme then appears at the main page's presentation.
TEST(LibraryLoadingTest, LoadingTheLibraryInstallsItsReplacementsAndAttachesTheLockScreenTheme) {
  vantile::testing::TemporaryDeviceRoot root;
  ASSERT_TRUE(platform::foundation::PreferenceDomain("com.kestrune.vantile").write({{"enabled", true}}));
  platform::foundation::Bundle::main().setBundleIdentifier("com.apple.springboard");
  objc::Class* page = objc::registerClass("CSMainPageView");
  ASSERT_NE(page, nullptr);
  int stockPresentations = 0;
  objc::addMethod<sig::ObjectAction>(*page, "updateForPresentation:",
                                     [&](objc::Object&, sig::Object) { ++stockPresentations; });

  // Kept loaded: its replacements stay installed for the process.
  void* library = dlopen(VANTILE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  EXPECT_NE(dlsym(library, "installTweak"), nullptr);
  EXPECT_NE(dlsym(library, "readSystemVersion"), nullptr);
  EXPECT_EQ(dlsym(library, "_ZN7vantile17VantileController14sharedInstanceEv"), nullptr) << "only the entry points";

  const auto mainPage = std::make_shared<MainPage>(MainPage::ConstructionKey{});
  objc::send<sig::ObjectAction>(*mainPage, "updateForPresentation:", nullptr);
  EXPECT_EQ(stockPresentations, 1);
  ASSERT_NE(mainPage->viewWithTag(8945), nullptr);
  EXPECT_EQ(mainPage->subviews().front()->tag(), 8945);
  objc::removeClass("CSMainPageView");
}

}  // namespace
