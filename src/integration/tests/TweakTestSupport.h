#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "integration/TweakState.h"
#include "platform/foundation/values/Value.h"
#include "platform/objc/Object.h"
#include "platform/objc/Runtime.h"
#include "platform/objc/SharedObject.h"
#include "platform/ui/views/View.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::integration::testing {

// A view that is also a runtime object, as SpringBoard's views are.
class RuntimeView : public platform::ui::View, public platform::objc::Object {
 public:
  static std::shared_ptr<RuntimeView> make(std::string_view className, const platform::graphics::Rect& frame = {});
  RuntimeView(ConstructionKey key, std::string_view className, const platform::graphics::Rect& frame);
};

std::shared_ptr<platform::objc::SharedObject> makeObject(std::string_view className);

// A fresh device folder, manual clock, fresh tweak state whose controller calls are recorded,
// and runtime classes that are forgotten afterwards.
class TweakTest : public ::testing::Test {
 protected:
  TweakTest();
  ~TweakTest() override;

  // Declares a class (with its superclass) for this test.
  platform::objc::Class& declare(std::string_view name, std::string_view superclassName = {});
  // Declares the class with a stock operation that records "stock <selector>".
  template <class Sig>
  platform::objc::Class& declareWithStock(std::string_view name, std::string_view selector);

  void forgetAfterwards(std::string_view name) { names_.emplace_back(name); }

  void writeSettings(const platform::Value& settings) const;
  // The controller, hook and stock calls made so far, e.g. "timeUpdated lockscreen"; then
  // forgets them.
  std::vector<std::string> takeCalls();

 public:
  void record(std::string call) { calls_.push_back(std::move(call)); }

 protected:

  TweakState& state() { return tweakState(); }

  vantile::testing::TemporaryDeviceRoot root;
  // What createViewFromTheme built, in order.
  std::vector<std::shared_ptr<platform::ui::View>> builtThemes;

 private:
  std::vector<std::string> names_;
  std::vector<std::string> calls_;
};

namespace detail {
template <class Sig>
struct StockBody;
template <class R, class... Args>
struct StockBody<R(Args...)> {
  static auto make(TweakTest* test, std::string selector) {
    return [test, selector](platform::objc::Object&, Args...) -> R {
      test->record("stock " + selector);
      if constexpr (!std::is_void_v<R>) return R{};
    };
  }
};
}  // namespace detail

template <class Sig>
platform::objc::Class& TweakTest::declareWithStock(std::string_view name, std::string_view selector) {
  platform::objc::Class* existing = platform::objc::getClass(name);
  platform::objc::Class& cls = existing ? *existing : declare(name);
  platform::objc::addMethod<Sig>(cls, selector, detail::StockBody<Sig>::make(this, std::string(selector)));
  return cls;
}

}  // namespace vantile::integration::testing
