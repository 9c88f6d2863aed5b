#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Color.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

// The looks of frosted glass; the values are the platform's style numbers.
enum class BlurStyle {
  extraLight = 0,
  light = 1,
  dark = 2,
  regular = 4,
  prominent = 5,
  ultraThinMaterialLight = 11,
  ultraThinMaterialDark = 16,
};

// What a blur view shows: a blur of one style.
struct BlurEffect {
  BlurStyle style = BlurStyle::regular;

  friend bool operator==(const BlurEffect&, const BlurEffect&) = default;
};

// One filter an effect asks the backdrop for: its type ("gaussianBlur", ...) and the values
// asked of it (a dictionary, e.g. "inputRadius" in points).
struct FilterEntry {
  std::string filterType;
  Value requestedValues = Value::object();
};

// The filters an effect asks for, in order.
struct EffectDescriptor {
  std::vector<FilterEntry> filterEntries;
};

// A filter the backdrop applies: its type and input values.
struct BackdropFilter {
  std::string type;
  Value values = Value::object();
};

// Frosted glass: blurs what lies behind it (what is already drawn under its frame, inside its
// rounded corners) by the radius of its backdrop's "gaussianBlur" filter, lays the style's
// tint over that, then draws its subviews as usual. The effect asks for its filters through an
// effect descriptor; the view holds a current descriptor, and the backdrop takes the
// requested values over only when told to apply them. Subviews go into contentView, made to
// fill the view; views here have no layout pass, so whoever resizes the view resizes it too.
class BlurView : public View {
 public:
  // The "inputRadius" every style asks for.
  static constexpr double kDefaultBlurRadius = 20;

  static std::shared_ptr<BlurView> make(BlurStyle style, const graphics::Rect& frame = {});

  BlurView(ConstructionKey key, const graphics::Rect& frame, BlurStyle style);

  std::string_view className() const override { return "BlurView"; }

  const BlurEffect& effect() const { return effect_; }
  // Makes and applies the new effect's descriptor.
  void setEffect(BlurEffect effect);

  // A fresh descriptor of the filters the effects ask for, with their default values.
  static EffectDescriptor effectDescriptorForEffects(const std::vector<BlurEffect>& effects);
  const EffectDescriptor& currentEffectDescriptor() const { return currentDescriptor_; }
  void setCurrentEffectDescriptor(EffectDescriptor descriptor) { currentDescriptor_ = std::move(descriptor); }
  // The backdrop's filters become those of the current descriptor.
  void applyRequestedFilterEffects();
  const std::vector<BackdropFilter>& backdropFilters() const { return backdropFilters_; }

  const std::shared_ptr<View>& contentView() const { return contentView_; }

  // The "inputRadius" of the first applied "gaussianBlur" filter; 0 when there is none or it
  // is not a positive number, so any requested value draws.
  double blurRadius() const;
  graphics::Color tint() const;

 protected:
  void drawContent(DrawingContext& context) const override;
  // The content view always covers the blur view.
  void layoutSubviews() override;

 private:
  std::shared_ptr<View> contentView_;
  BlurEffect effect_;
  EffectDescriptor currentDescriptor_;
  std::vector<BackdropFilter> backdropFilters_;
};

}  // namespace platform::ui
