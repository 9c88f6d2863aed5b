#include "hosts/common/scenario/PayloadReaders.h"

namespace vantile::hosts {

namespace {

constexpr double kLongestGesture = 60;
constexpr double kLargestPinch = 20;
constexpr double kTallestKeyboard = 1000;

}  // namespace

ScenarioPayload windowSnapshot(EventFields& fields) {
  WindowSnapshot snapshot;
  for (const auto& [key, target] : {std::pair{"png", &snapshot.png}, std::pair{"dump", &snapshot.dump}}) {
    if (fields.has(key)) {
      if (auto path = fields.text(key)) {
        *target = std::move(*path);
      }
    }
  }
  if (!snapshot.png && !snapshot.dump) {
    fields.refuse("needs at least one of \"png\", \"dump\"");
  }
  return snapshot;
}

ScenarioPayload paneOpening(EventFields& fields) {
  auto titles = fields.texts("path", true);
  return titles ? ScenarioPayload(PaneOpening{std::move(*titles)}) : ScenarioPayload();
}

ScenarioPayload pan(EventFields& fields) {
  const auto from = fields.point("from");
  const auto to = fields.point("to");
  const auto seconds = fields.number("seconds");
  if (seconds && (*seconds <= 0 || *seconds > kLongestGesture)) {
    fields.refuse("\"seconds\" must be more than 0 and at most 60");
  }
  return from && to && seconds ? ScenarioPayload(Pan{*from, *to, *seconds}) : ScenarioPayload();
}

ScenarioPayload pinch(EventFields& fields) {
  const auto center = fields.point("center");
  const auto scale = fields.number("scale");
  if (scale && (*scale <= 0 || *scale > kLargestPinch)) {
    fields.refuse("\"scale\" must be more than 0 and at most 20");
  }
  return center && scale ? ScenarioPayload(Pinch{*center, *scale}) : ScenarioPayload();
}

ScenarioPayload textInput(EventFields& fields) {
  auto text = fields.text("text");
  return text ? ScenarioPayload(TextInput{std::move(*text)}) : ScenarioPayload();
}

ScenarioPayload alertAnswer(EventFields& fields) {
  auto title = fields.text("title");
  std::vector<std::string> texts;
  if (fields.has("texts")) {
    texts = fields.texts("texts", false).value_or(std::vector<std::string>{});
  }
  return title ? ScenarioPayload(AlertAnswer{std::move(*title), std::move(texts)}) : ScenarioPayload();
}

ScenarioPayload photoPick(EventFields& fields) {
  auto file = fields.text("file");
  return file ? ScenarioPayload(PhotoPick{std::move(*file)}) : ScenarioPayload();
}

ScenarioPayload colorPick(EventFields& fields) {
  const auto color = fields.color("color");
  return color ? ScenarioPayload(ColorPick{*color}) : ScenarioPayload();
}

ScenarioPayload keyboardChange(EventFields& fields) {
  const auto show = fields.choice<bool>("state", {{"show", true}, {"hide", false}});
  std::optional<double> height;
  if (fields.has("height")) {
    height = fields.number("height");
    if (show && !*show) {
      fields.refuse("\"height\" goes only with \"show\"");
    } else if (height && (*height <= 0 || *height > kTallestKeyboard)) {
      fields.refuse("\"height\" must be more than 0 and at most 1000 points");
    }
  }
  return show ? ScenarioPayload(KeyboardChange{*show, height}) : ScenarioPayload();
}

}  // namespace vantile::hosts
