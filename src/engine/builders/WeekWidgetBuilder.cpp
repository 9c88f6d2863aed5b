// The week strip: seven day letters, Sunday first, on a row centred in the element, with
// today ringed in "selectColor".
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "engine/InnerViewTags.h"
#include "engine/builders/ElementFactory.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Rect;
namespace foundation = platform::foundation;
using namespace conventions;

constexpr std::array<char, 7> kDayLetters{'s', 'm', 't', 'w', 't', 'f', 's'};
constexpr double kRowWidth = 270;
constexpr double kDayStep = 40;
constexpr double kDaySize = 30;

// Half of a whole number, cut toward zero as integer division does.
double wholeHalf(double whole) { return std::trunc(whole / 2); }

struct Today {
  char letter;
  int index;
};

// Today's weekday letter (from its English name) and its index, Sunday = 0; Sunday when the
// date cannot be read.
Today today() {
  double now = foundation::MainQueue::shared().now();
  if (!std::isfinite(now)) now = 0;
  std::string name = foundation::formatDate(now, "EEEE").value_or("");
  if (name.empty()) name = "sunday";
  const auto date = foundation::calendarDate(now);
  const int index = date ? date->weekday - 1 : 0;
  return {static_cast<char>(std::tolower(static_cast<unsigned char>(name.front()))),
          index >= 0 && index <= 6 ? index : 0};
}

// "capitalize" and "uppercase" give the capital, "lowercase" the letter as it is; any other
// style shows no text.
std::string dayText(char letter, const std::optional<std::string>& style) {
  if (style == "capitalize" || style == "uppercase") {
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
  }
  if (style == "lowercase") return std::string(1, letter);
  return "";
}

}  // namespace

std::shared_ptr<platform::ui::View> ElementFactory::createWeekWidgetForView(const Value& options, std::int32_t tag,
                                                                            const Rect& referenceRect) {
  const std::optional<platform::graphics::Color> textColor = colorFor(options, "textColor");
  const std::optional<std::string> textStyle = stringFor(options, "textStyle");
  const double selectCornerRadius = numberFor(options, "selectCornerRadius");

  auto container = platform::ui::View::make();
  container->setFrame(frameFor(options, referenceRect));
  const double width = std::trunc(container->frame().width());
  const double height = std::trunc(container->frame().height());

  auto background = platform::ui::View::make(Rect{0, 0, width, height});
  background->setBackgroundColor(colorFor(options, "backgroundColor"));
  background->layer()->setCornerRadius(numberFor(options, "cornerRadius"));
  background->setClipsToBounds(true);
  auto row = platform::ui::View::make(Rect{wholeHalf(width) - kRowWidth / 2, 0, kRowWidth, height});

  const platform::graphics::Font font = resolveFont(options, container->frame().height());
  const Today now = today();
  for (int index = 0; index < static_cast<int>(kDayLetters.size()); ++index) {
    const char letter = kDayLetters[static_cast<std::size_t>(index)];
    auto day = platform::ui::Label::make(Rect{kDayStep * index, wholeHalf(height) - kDaySize / 2, kDaySize, kDaySize});
    day->setTextAlignment(platform::ui::TextAlignment::center);
    day->setText(dayText(letter, textStyle));
    if (textColor) day->setTextColor(*textColor);
    auto& layer = *day->layer();
    layer.setCornerRadius(selectCornerRadius);
    layer.setBorderWidth(1);
    layer.setName(std::to_string(index));
    applyTextShadow(*day, options);
    layer.setBorderColor(platform::graphics::Color{0, 0, 0, 0});
    // "t" and "s" occur twice: the letter and the index must both match.
    const bool isToday = letter == now.letter && index == now.index;
    if (isToday) layer.setBorderColor(colorFor(options, "selectColor"));
    day->setTag(isToday ? innerViewTags::todayLabel : innerViewTags::otherDayLabel);
    day->setClipsToBounds(true);
    day->setFont(font);
    row->addSubview(day);
  }

  background->addSubview(row);
  container->addSubview(background);
  row->setTag(innerViewTags::weekRow);
  container->setTag(tag);
  container->setTransform(scaleAndRotation(0, numberFor(options, "scale")));
  container->setUserInteractionEnabled(false);
  return container;
}

}  // namespace vantile
