#pragma once

#include <memory>

#include "platform/graphics/Color.h"
#include "platform/ui/View.h"

namespace platform::ui {

// The looks of frosted glass.
enum class BlurStyle { extraLight, light, dark, regular, prominent };

// Frosted glass: blurs what lies behind it (what is already drawn under its frame, inside its
// rounded corners), lays the style's tint over that, then draws its subviews as usual. The
// blur radius and the tint grow with the intensity. Subviews go into contentView, made to fill
// the view; views here have no layout pass, so whoever resizes the view resizes it too.
class BlurView : public View {
 public:
  static std::shared_ptr<BlurView> make(BlurStyle style, const graphics::Rect& frame = {});

  BlurView(ConstructionKey key, const graphics::Rect& frame, BlurStyle style);

  BlurStyle style() const { return style_; }
  void setStyle(BlurStyle style) { style_ = style; }
  double intensity() const { return intensity_; }
  // Clamped to 0...1; not a number is refused.
  void setIntensity(double intensity);

  const std::shared_ptr<View>& contentView() const { return contentView_; }

  // At full intensity.
  static constexpr double kMaximumBlurRadius = 20;
  double blurRadius() const { return kMaximumBlurRadius * intensity_; }
  graphics::Color tint() const;

 protected:
  void drawContent(DrawingContext& context) const override;

 private:
  std::shared_ptr<View> contentView_;
  BlurStyle style_;
  double intensity_ = 1;
};

}  // namespace platform::ui
