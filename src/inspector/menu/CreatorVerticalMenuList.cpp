#include <algorithm>

#include "engine/helpers/VantileHelpers.h"
#include "engine/images/ImagePipeline.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "inspector/menu/MenuLayout.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

constexpr double kRowPitch = 45;
constexpr double kRowHeight = 40;
constexpr double kThumbnailSide = 40;
constexpr double kFontSize = 12;
constexpr double kListTopWithSegments = 110;
constexpr double kListTopWithoutSegments = 80;
constexpr double kSearchTopWithoutSegments = 50;
constexpr double kContentPadding = 135;
constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kRowRuleColor{1, 1, 1, 0.1};
constexpr graphics::Color kThumbnailRuleColor{1.0 / 3, 1.0 / 3, 1.0 / 3, 0.1};
constexpr const char* kAssetsURL = "file:///var/mobile/Library/VantileAssets/";

void addBottomRule(ui::View& view, graphics::Color color) {
  auto rule = ui::Layer::make();
  const auto size = view.bounds().size;
  rule->setFrame({0, size.height - 1, size.width, 1});
  rule->setBorderWidth(0.5);
  rule->setBorderColor(color);
  view.layer()->addSublayer(std::move(rule));
}

// A font file of the assets folder is registered first and named by what it holds.
graphics::Font rowFont(const std::string& value, bool isFontMenu) {
  if (!isFontMenu) return graphics::systemFont(kFontSize);
  if (value.find('.') == std::string::npos) return {value, kFontSize};
  const auto name = VantileHelpers::loadFontAndReturnFontName(value);
  return name ? graphics::Font{*name, kFontSize} : graphics::systemFont(kFontSize);
}

}  // namespace

std::vector<std::string> CreatorVerticalMenu::currentSegmentRows() const {
  const auto rows = optionsDict.find(selectorValue == 0 ? "0" : "1");
  return rows == optionsDict.end() ? std::vector<std::string>{} : MenuLayout::strings(*rows);
}

void CreatorVerticalMenu::loadScrollview(const std::optional<std::vector<std::string>>& rows) {
  if (scrollview) scrollview->removeFromSuperview();
  scrollview.reset();
  if (!optionsDict.contains("0")) {
    if (searchFieldView) searchFieldView->removeFromSuperview();
    return;
  }
  const bool hasSegments = optionsDict.contains("segmentArray");
  if (!hasSegments && searchFieldView) {
    auto searchFrame = searchFieldView->frame();
    searchFrame.origin.y = kSearchTopWithoutSegments;
    searchFieldView->setFrame(searchFrame);
  }
  const auto panelSize = mainView->bounds().size;
  scrollview = ui::ScrollView::make(
      {0, hasSegments ? kListTopWithSegments : kListTopWithoutSegments, panelSize.width, panelSize.height});

  const auto blacklist = MenuLayout::strings(optionsDict.value("blacklist", platform::Value::array()));
  double shown = 0;
  for (const auto& value : rows ? *rows : currentSegmentRows()) {
    if (std::ranges::find(blacklist, value) != blacklist.end()) continue;
    addRow(value, shown * kRowPitch);
    ++shown;
  }
  scrollview->addGestureRecognizer(ui::TapGestureRecognizer::make([menu = weakSelf()](ui::GestureRecognizer& tap) {
    if (const auto self = menu.lock()) self->scrollViewSelected(tap);
  }));
  scrollview->setContentSize({panelSize.width, shown * kRowPitch + kContentPadding});
  mainView->addSubview(scrollview);
}

void CreatorVerticalMenu::addRow(const std::string& value, double top) {
  const double width = mainView->bounds().size.width;
  auto label = ui::Label::make({0, top, width, kRowHeight});
  if (MenuLayout::namesPicture(value)) {
    auto thumbnail = ui::ImageView::make(graphics::Rect{0, top, kThumbnailSide, kThumbnailSide});
    thumbnail->setContentMode(ui::ContentMode::scaleAspectFit);
    thumbnail->setClipsToBounds(true);
    thumbnail->setUserInteractionEnabled(false);
    thumbnail->setImage(ImagePipeline::imageAtFileURL(kAssetsURL + value));
    addBottomRule(*thumbnail, kThumbnailRuleColor);
    scrollview->addSubview(std::move(thumbnail));
    label->setFrame({kThumbnailSide, top, width, kRowHeight});
  }
  label->setText(MenuLayout::rowText(value, secondColumn(value)));
  label->setFont(rowFont(value, optionsDict.value("type", platform::Value()) == "font"));
  label->setTextColor(kWhite);
  label->setUserInteractionEnabled(true);
  label->setClipsToBounds(true);
  addBottomRule(*label, kRowRuleColor);
  label->layer()->setName(value);
  scrollview->addSubview(std::move(label));
}

// Later sources win: the selected element's sample text, then "valueArray", then preview data.
std::optional<std::string> CreatorVerticalMenu::secondColumn(const std::string& value) const {
  if (selectedElementText != "none") return selectedElementText;
  if (const auto values = optionsDict.find("valueArray"); values != optionsDict.end() && values->is_array()) {
    const auto fullList = currentSegmentRows();
    const auto position = std::ranges::find(fullList, value) - fullList.begin();
    if (static_cast<std::size_t>(position) < std::min(fullList.size(), values->size())) {
      const auto& entry = (*values)[static_cast<std::size_t>(position)];
      if (entry.is_object()) return dictionaryToString(entry);
      if (entry.is_string()) return entry.get<std::string>();
    }
  }
  if (demoValues_) return demoValues_(value);
  return std::nullopt;
}

void CreatorVerticalMenu::scrollViewSelected(ui::GestureRecognizer& tap) {
  const auto location = tap.locationInView(scrollview.get());
  if (!location || !completionBlock) return;
  const auto hit = std::dynamic_pointer_cast<ui::Label>(scrollview->hitTest(*location));
  if (!hit || hit->superview() != scrollview || !hit->layer()->name()) return;
  completionBlock(*hit->layer()->name());
}

void CreatorVerticalMenu::sortedBySearch(const std::string& query) {
  if (query.empty()) {
    loadScrollview(std::nullopt);
    return;
  }
  loadScrollview(MenuLayout::rowsMatching(currentSegmentRows(), query));
}

}  // namespace vantile
