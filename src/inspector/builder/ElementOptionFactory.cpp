#include "inspector/builder/ElementOptionFactory.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantile {

namespace {

using Operation = ElementOptionsBuilderDelegate::Operation;

constexpr std::array<std::pair<std::string_view, double>, 5> kLayoutConstants{{
    {"leftButtonOffset", 85},
    {"rightButtonOffset", 40},
    {"rowHeight", 45},
    {"buttonSize", 30},
    {"textFieldWidth", 100},
}};

constexpr std::array<std::pair<std::string_view, Operation>, 13> kPropertyActionMap{{
    {"followWidthItem", Operation::createFollowPicker},
    {"childorder", Operation::childrenOrder},
    {"autoLayout", Operation::loadAutoLayoutMenu},
    {"dataAttr", Operation::createDataPickerForAttr},
    {"animation", Operation::createAnimationPicker},
    {"fontName", Operation::loadFontMenu},
    {"fontNameAttr", Operation::loadAttrFontMenu},
    {"textAlignment", Operation::loadTextAlignmentMenu},
    {"infiniteScroll", Operation::loadInfiniteScrollMenu},
    {"blurColor", Operation::loadBlurColorMenu},
    {"contentMode", Operation::loadContentModeMenu},
    {"textStyle", Operation::loadTextStyleMenu},
    {"styleOverride", Operation::pickStyleOverrideElement},
}};

constexpr std::array<std::string_view, 9> kImageProperties{
    "imageURL", "secondImage", "hourImage", "minuteImage", "backgroundImage",
    "maskURL",  "pauseImage",  "badgeImage", "gradientImage",
};

template <std::size_t N>
bool isOneOf(std::string_view text, const std::array<std::string_view, N>& words) {
  return std::find(words.begin(), words.end(), text) != words.end();
}

ButtonConfig createIncrementerButton(std::string name) { return {std::move(name), std::nullopt, ButtonType::incrementer}; }
ButtonConfig createDotsButton(Operation action) { return {"dots", action, ButtonType::dots}; }
ButtonConfig createCopyButton() { return {"paste", std::nullopt, ButtonType::paste}; }

}  // namespace

ElementOptionFactory::ElementOptionFactory(const std::vector<std::string>& incrementerProperties)
    : incrementerProperties_(incrementerProperties.begin(), incrementerProperties.end()) {}

double ElementOptionFactory::constantForKey(std::string_view key) {
  for (const auto& [name, value] : kLayoutConstants) {
    if (name == key) return value;
  }
  return 0;
}

std::vector<ButtonConfig> ElementOptionFactory::buttonsForProperty(const std::string& child) const {
  std::vector<ButtonConfig> buttons;
  if (incrementerProperties_.contains(child)) buttons.push_back(createIncrementerButton(child));
  if (auto dots = createDotsButtonForProperty(child)) buttons.push_back(std::move(*dots));
  buttons.push_back(createCopyButton());
  return buttons;
}

std::vector<ButtonConfig> ElementOptionFactory::specializedButtonsForChild(std::string_view child,
                                                                           std::string_view option,
                                                                           bool& animationAdded) {
  std::vector<ButtonConfig> buttons;
  const bool steps = (child == "frame" && isFrameProperty(option)) ||
                     (child == "contentSize" && isSizeProperty(option)) ||
                     (child == "initialOffset" && (option == "x" || option == "y")) ||
                     (isShadowProperty(child) && isShadowOption(option));
  if (steps) buttons.push_back(createIncrementerButton(std::string(option)));
  if (child == "animation" && !animationAdded) {
    buttons.push_back(createDotsButton(Operation::createAnimationPicker));
    animationAdded = true;
  }
  return buttons;
}

std::optional<ButtonConfig> ElementOptionFactory::createDotsButtonForProperty(std::string_view child) {
  if (child == "data") return createDotsButton(Operation::createDataPicker);
  for (const auto& [key, action] : kPropertyActionMap) {
    if (key == child) return createDotsButton(action);
  }
  if (isOneOf(child, kImageProperties)) return createDotsButton(Operation::createImagePicker);
  if (child == "SFSymbolName") return createDotsButton(Operation::createSFImagePicker);
  return std::nullopt;
}

bool ElementOptionFactory::isColorValue(std::string_view value) {
  return value.find("rgba(") != std::string_view::npos || value.find("rgb(") != std::string_view::npos ||
         value.starts_with("#") || value.find("Color") != std::string_view::npos;
}

bool ElementOptionFactory::isFrameProperty(std::string_view option) {
  return option == "x" || option == "y" || isSizeProperty(option);
}

bool ElementOptionFactory::isSizeProperty(std::string_view option) { return option == "width" || option == "height"; }

bool ElementOptionFactory::isShadowProperty(std::string_view child) {
  return child == "textShadow" || child == "boxShadow";
}

bool ElementOptionFactory::isShadowOption(std::string_view option) {
  return option == "x" || option == "y" || option == "radius";
}

}  // namespace vantile
