#pragma once

#include <string_view>
#include <utility>

#include "platform/objc/Object.h"

namespace platform::springboard {

// The platform's own layout and window moves of a SpringBoard view, which its runtime
// operations "layoutSubviews" and "didMoveToWindow" run as their stock behaviour. The view
// sends them through the runtime, so a replacement of either sees every layout and every move.
class RuntimeViewHooks {
 public:
  virtual ~RuntimeViewHooks() = default;
  virtual void stockLayoutSubviews() = 0;
  virtual void stockDidMoveToWindow() = 0;
};

// What a view's layoutSubviews and didMoveToWindow do: send the operation, or run the stock
// behaviour at once when the view's class is not registered.
void sendLayoutSubviews(objc::Object& view, RuntimeViewHooks& hooks);
void sendDidMoveToWindow(objc::Object& view, RuntimeViewHooks& hooks);

// A platform view (View, Label, ImageView, ScrollView, ...) that is a SpringBoard class in the
// runtime and lays itself out and moves between windows through it.
template <class Base>
class RuntimeView : public Base, public objc::Object, public RuntimeViewHooks {
 public:
  template <class... Arguments>
  explicit RuntimeView(std::string_view runtimeClass, Arguments&&... arguments)
      : Base(std::forward<Arguments>(arguments)...), Object(runtimeClass) {}

  void stockLayoutSubviews() override { Base::layoutSubviews(); }
  void stockDidMoveToWindow() override { Base::didMoveToWindow(); }

 protected:
  void layoutSubviews() override { sendLayoutSubviews(*this, *this); }
  void didMoveToWindow() override { sendDidMoveToWindow(*this, *this); }
};

// Registers the stock "layoutSubviews", "didMoveToWindow", "setHidden:" and "isHidden" on the
// platform's view class, for every SpringBoard view to inherit.
void declareStockViewOperations(objc::Class& viewClass);

}  // namespace platform::springboard
