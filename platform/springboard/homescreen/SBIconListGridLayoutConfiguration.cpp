#include "platform/springboard/homescreen/SBIconListGridLayoutConfiguration.h"

#include <algorithm>

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/homescreen/SBIconView.h"
#include "platform/ui/views/Screen.h"

namespace platform::springboard {

namespace {

namespace sig = signatures;

// Side insets that leave the gaps between the columns as wide as the two margins.
sig::EdgeInsets stockInsets() {
  const double width = ui::Screen::mainScreen().bounds().size.width;
  const double side = (width - SBIconListGridLayoutConfiguration::stockColumns * SBIconView::iconSize) /
                      (2.0 * (SBIconListGridLayoutConfiguration::stockColumns + 1));
  return {SBIconListGridLayoutConfiguration::stockTopInset, side, 0, side};
}

}  // namespace

GridLayout SBIconListGridLayoutConfiguration::rootLayout() {
  GridLayout layout{stockColumns, stockRows, stockInsets()};
  if (objc::getClass("SBIconListGridLayoutConfiguration") == nullptr) return layout;
  // Made for each question: the class is registered anew with each process.
  const auto configuration = std::make_shared<SBIconListGridLayoutConfiguration>();
  layout.columns = std::max<std::uint64_t>(1, objc::send<sig::Count>(*configuration, "numberOfPortraitColumns"));
  layout.rows = std::max<std::uint64_t>(1, objc::send<sig::Count>(*configuration, "numberOfPortraitRows"));
  layout.insets = objc::send<sig::InsetsGetter>(*configuration, "portraitLayoutInsets");
  return layout;
}

void SBIconListGridLayoutConfiguration::declareClass(objc::Class& cls) {
  objc::addMethod<sig::Count>(cls, "numberOfPortraitColumns", [](objc::Object&) { return stockColumns; });
  objc::addMethod<sig::Count>(cls, "numberOfPortraitRows", [](objc::Object&) { return stockRows; });
  objc::addMethod<sig::InsetsGetter>(cls, "portraitLayoutInsets", [](objc::Object&) { return stockInsets(); });
}

}  // namespace platform::springboard
