#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/objc/Object.h"
#include "platform/springboard/views/RuntimeViewHooks.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// A SpringBoard view with no behaviour of its own beyond its runtime class (page dots, the home
// affordance, platters): it shows what its subviews and colours show, and its class names it in
// dumps and for isKindOfClass.
class StockView : public RuntimeView<ui::View> {
 public:
  static std::shared_ptr<StockView> make(std::string_view runtimeClass, const graphics::Rect& frame = {});

  StockView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame);

  std::string_view className() const override;

 private:
  std::string fallbackName_;
};

// A SpringBoard label (the call-to-action text, the date, icon labels).
class StockLabel : public RuntimeView<ui::Label> {
 public:
  static std::shared_ptr<StockLabel> make(std::string_view runtimeClass, const graphics::Rect& frame = {});

  StockLabel(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame);

  std::string_view className() const override;

 private:
  std::string fallbackName_;
};

// A SpringBoard image view (icon images, wallpapers, artwork).
class StockImageView : public RuntimeView<ui::ImageView> {
 public:
  static std::shared_ptr<StockImageView> make(std::string_view runtimeClass, const graphics::Rect& frame = {});

  StockImageView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame);

  std::string_view className() const override;

 private:
  std::string fallbackName_;
};

}  // namespace platform::springboard
