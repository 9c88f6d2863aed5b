#include <cmath>

#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"

namespace vantile::integration {

namespace {

constexpr std::uint64_t kStockColumns = 4;
constexpr std::uint64_t kStockRows = 6;
constexpr double kSmallestChangedTopInset = 50;

const TweakSettings& settings() { return tweakState().settings; }
KeptImplementations& kept() { return tweakState().kept; }

bool gridChanges() { return !settings().hideicons; }

// The configured count stands in for the stock one only. A count below 1 would leave the grid
// with nothing to divide by, so it keeps the stock value.
std::uint64_t configuredCount(std::uint64_t kept, std::uint64_t stock, float switchNumber, float value) {
  if (!gridChanges() || switchNumber == 0 || kept != stock || value < 1) return kept;
  return static_cast<std::uint64_t>(value);
}

double wholePart(double value) { return std::trunc(value); }

}  // namespace

void hook_SBIconScrollView_layoutSubviews(Self& self) {
  if (settings().icontopoffset && gridChanges()) {
    if (auto view = viewOf(self)) {
      Rect frame = view->frame();
      frame.origin.y = settings().iconlisttopoffset;
      view->setFrame(frame);
    }
  }
  kept().SBIconScrollView_layoutSubviews(self);
}

std::shared_ptr<View> hook_SBIconListView_initWithModel_orientation_viewMap_(Self& self, ObjectRef model,
                                                                             std::int64_t orientation,
                                                                             ObjectRef viewMap) {
  return kept().SBIconListView_initWithModel_orientation_viewMap_(self, std::move(model), orientation,
                                                                   std::move(viewMap));
}

std::uint64_t hook_SBIconListGridLayoutConfiguration_numberOfPortraitColumns(Self& self) {
  return configuredCount(kept().SBIconListGridLayoutConfiguration_numberOfPortraitColumns(self), kStockColumns,
                         settings().iconcolumnsNumber, settings().iconColumnValue);
}

std::uint64_t hook_SBIconListGridLayoutConfiguration_numberOfPortraitRows(Self& self) {
  return configuredCount(kept().SBIconListGridLayoutConfiguration_numberOfPortraitRows(self), kStockRows,
                         settings().iconrowsNumber, settings().iconRowValue);
}

sig::EdgeInsets hook_SBIconListGridLayoutConfiguration_portraitLayoutInsets(Self& self) {
  sig::EdgeInsets insets = kept().SBIconListGridLayoutConfiguration_portraitLayoutInsets(self);
  const TweakSettings& s = settings();
  const bool side = s.sideoffsetNumber != 0;
  const bool bottom = s.bottomoffsetNumber != 0;
  if (!gridChanges() || insets.top <= kSmallestChangedTopInset || (!side && !bottom)) return insets;
  insets.left = side ? wholePart(s.iconsideoffset) : wholePart(insets.left);
  insets.right = insets.left;
  insets.bottom = bottom ? wholePart(s.iconbottomoffset) : wholePart(insets.bottom);
  return insets;
}

void hook_SBHSearchBar_didMoveToWindow(Self& self) {
  if (settings().sideoffsetNumber != 0 && gridChanges()) {
    if (auto view = viewOf(self)) view->setHidden(true);
  }
  kept().SBHSearchBar_didMoveToWindow(self);
}

double hook_SBIconView_iconContentScale(Self& self) {
  if (settings().iconscale && gridChanges()) return settings().iconscalevalue;
  return kept().SBIconView_iconContentScale(self);
}

void hook_SBIconView_setIconContentScale_(Self& self, double scale) {
  const bool replaced = settings().iconscale && gridChanges();
  kept().SBIconView_setIconContentScale_(self, replaced ? settings().iconscalevalue : scale);
}

void hook_SBIconView__applyIconContentScale_(Self& self, double scale) {
  const bool replaced = settings().iconscale && gridChanges();
  kept().SBIconView__applyIconContentScale_(self, replaced ? settings().iconscalevalue : scale);
}

void hook_SBIconView_setIconContentScalingEnabled_(Self& self, bool) {
  kept().SBIconView_setIconContentScalingEnabled_(self, true);
}

double hook_SBIconView_effectiveOverallAlpha(Self& self) {
  if (settings().iconopacity && gridChanges()) return settings().iconOpacity;
  return kept().SBIconView_effectiveOverallAlpha(self);
}

}  // namespace vantile::integration
