#include "engine/marquee/MarqueeLabel.h"

#include <algorithm>
#include <cmath>

#include "engine/marquee/MarqueeLabelRegistry.h"

namespace vantile {

using platform::graphics::Color;
using platform::graphics::Point;
using platform::graphics::Rect;
using platform::graphics::Size;
using platform::ui::KeyValue;
using platform::ui::KeyValueFailure;

namespace {

constexpr int subLabelTag = 700;
constexpr unsigned curveBits = 0x30000;
constexpr double defaultDuration = 7.0;

bool sameFont(const platform::graphics::Font& one, const platform::graphics::Font& other) {
  return one.name == other.name && one.pointSize == other.pointSize;
}

bool sameAttributes(const platform::ui::TextAttributes& one, const platform::ui::TextAttributes& other) {
  const bool sameFonts = one.font.has_value() == other.font.has_value() && (!one.font || sameFont(*one.font, *other.font));
  return sameFonts && one.color == other.color && one.kerning == other.kerning;
}

bool sameAttributedText(const std::optional<platform::ui::AttributedString>& one,
                        const std::optional<platform::ui::AttributedString>& other) {
  if (!one || !other) return one.has_value() == other.has_value();
  return one->text() == other->text() &&
         std::equal(one->runs().begin(), one->runs().end(), other->runs().begin(), other->runs().end(),
                    [](const platform::ui::AttributedRun& a, const platform::ui::AttributedRun& b) {
                      return a.range.location == b.range.location && a.range.length == b.range.length &&
                             sameAttributes(a.attributes, b.attributes);
                    });
}

}  // namespace

Point MLOffsetCGPoint(Point point, double offset) { return {point.x + offset, point.y}; }

std::shared_ptr<MarqueeLabel> MarqueeLabel::make(const Rect& frame) {
  return makeWithDuration(frame, defaultDuration, 0);
}

std::shared_ptr<MarqueeLabel> MarqueeLabel::makeWithDuration(const Rect& frame, double duration, double fadeLength) {
  auto label = std::make_shared<MarqueeLabel>(ConstructionKey{}, frame);
  label->setupLabel();
  label->scrollDuration_ = duration;
  label->setFadeLength(std::min(fadeLength, frame.width() / 2));
  return label;
}

std::shared_ptr<MarqueeLabel> MarqueeLabel::makeWithRate(const Rect& frame, double rate, double fadeLength) {
  auto label = std::make_shared<MarqueeLabel>(ConstructionKey{}, frame);
  label->setupLabel();
  label->rate_ = rate;
  label->setFadeLength(std::min(fadeLength, frame.width() / 2));
  return label;
}

MarqueeLabel::MarqueeLabel(ConstructionKey key, const Rect& frame)
    : Label(key, frame, platform::ui::ReplicatorLayer::make()) {}

MarqueeLabel::~MarqueeLabel() = default;

void MarqueeLabel::setupLabel() {
  setClipsToBounds(true);
  Label::setNumberOfLines(1);
  subLabel_ = platform::ui::Label::make(bounds());
  subLabel_->setTag(subLabelTag);
  subLabel_->layer()->setAnchorPoint({0, 0});
  subLabel_->setFrame(bounds());
  addSubview(subLabel_);
  marquee::registerLabel(std::static_pointer_cast<MarqueeLabel>(shared_from_this()));
  applicationObservation_ =
      platform::ui::Application::shared().observe([label = weakSelf()](platform::ui::Application::Event event) {
        const auto self = label.lock();
        if (!self) return;
        if (event == platform::ui::Application::Event::didBecomeActive) {
          self->restartLabel();
        } else {
          self->shutdownLabel();
        }
      });
}

std::weak_ptr<MarqueeLabel> MarqueeLabel::weakSelf() {
  return std::static_pointer_cast<MarqueeLabel>(shared_from_this());
}

std::shared_ptr<platform::ui::ReplicatorLayer> MarqueeLabel::repliLayer() const {
  return std::static_pointer_cast<platform::ui::ReplicatorLayer>(layer());
}

std::shared_ptr<platform::ui::GradientLayer> MarqueeLabel::maskLayer() const {
  return std::dynamic_pointer_cast<platform::ui::GradientLayer>(layer()->mask());
}

void MarqueeLabel::setMarqueeType(unsigned type) {
  if (type == marqueeType_) return;
  marqueeType_ = type;
  updateSublabel();
}

void MarqueeLabel::setScrollDuration(double seconds) {
  if (seconds == scrollDuration_) return;
  rate_ = 0;
  scrollDuration_ = seconds;
  updateSublabel();
}

void MarqueeLabel::setRate(double pointsPerSecond) {
  if (pointsPerSecond == rate_) return;
  scrollDuration_ = 0;
  rate_ = pointsPerSecond;
  updateSublabel();
}

void MarqueeLabel::setAnimationCurve(unsigned curve) {
  if ((curve & ~curveBits) != 0) return;
  animationCurve_ = curve;
}

void MarqueeLabel::setLeadingBuffer(double points) {
  if (points == leadingBuffer_) return;
  leadingBuffer_ = std::abs(points);
  updateSublabel();
}

void MarqueeLabel::setTrailingBuffer(double points) {
  if (points == trailingBuffer_) return;
  trailingBuffer_ = std::abs(points);
  updateSublabel();
}

void MarqueeLabel::setFadeLength(double points) {
  if (points == fadeLength_) return;
  fadeLength_ = points;
  updateSublabel();
}

std::vector<Color> MarqueeLabel::gradientColors() {
  if (!gradientColors_) {
    gradientColors_ = {Color{0, 0, 0, 0}, Color{0, 0, 0, 1}, Color{0, 0, 0, 1}, Color{0, 0, 0, 0}};
  }
  return *gradientColors_;
}

void MarqueeLabel::setText(std::string text) {
  if (hasText_ && text == subLabel_->text()) return;
  hasText_ = true;
  subLabel_->setText(text);
  Label::setText(std::move(text));
  updateSublabel();
}

void MarqueeLabel::setAttributedText(std::optional<platform::ui::AttributedString> text) {
  if (hasText_ && sameAttributedText(text, subLabel_->attributedText())) return;
  hasText_ = true;
  subLabel_->setAttributedText(text);
  Label::setAttributedText(std::move(text));
  updateSublabel();
}

void MarqueeLabel::setFont(platform::graphics::Font font) {
  if (sameFont(font, subLabel_->font())) return;
  subLabel_->setFont(font);
  Label::setFont(std::move(font));
  updateSublabel();
}

void MarqueeLabel::setTextColor(Color color) {
  subLabel_->setTextColor(color);
  Label::setTextColor(color);
}

void MarqueeLabel::setTextPattern(std::optional<platform::graphics::Image> pattern) {
  subLabel_->setTextPattern(pattern);
  Label::setTextPattern(std::move(pattern));
}

void MarqueeLabel::setBackgroundColor(std::optional<Color> color) {
  subLabel_->setBackgroundColor(color);
  Label::setBackgroundColor(color);
}

void MarqueeLabel::setShadowColor(std::optional<Color> color) {
  subLabel_->setShadowColor(color);
  Label::setShadowColor(color);
}

void MarqueeLabel::setShadowOffset(Size offset) {
  subLabel_->setShadowOffset(offset);
  Label::setShadowOffset(offset);
}

void MarqueeLabel::setTintColor(std::optional<Color> color) {
  subLabel_->setTintColor(color);
  Label::setTintColor(color);
}

void MarqueeLabel::setContentMode(platform::ui::ContentMode mode) {
  Label::setContentMode(mode);
  subLabel_->setContentMode(mode);
}

void MarqueeLabel::setNumberOfLines(int) { Label::setNumberOfLines(1); }

Size MarqueeLabel::sizeThatFits(Size size) const {
  Size fitting = subLabel_->sizeThatFits(size);
  fitting.width += leadingBuffer_;
  return fitting;
}

Size MarqueeLabel::intrinsicContentSize() const {
  Size intrinsic = subLabel_->intrinsicContentSize();
  intrinsic.width += leadingBuffer_;
  return intrinsic;
}

void MarqueeLabel::drawContent(platform::ui::DrawingContext&) const {}

void MarqueeLabel::didMoveToSuperview() {
  Label::didMoveToSuperview();
  updateSublabel();
}

void MarqueeLabel::didMoveToWindow() {
  Label::didMoveToWindow();
  if (window()) {
    updateSublabel();
  } else {
    shutdownLabel();
  }
}

namespace {

template <typename Read, typename Set>
std::optional<KeyValueFailure> convert(std::string_view key, const KeyValue& value, Read read, Set set) {
  return platform::ui::keyvalue::apply(key, value, read, set);
}

// The scroll settings, and the label properties whose own setters forward or restart.
const platform::ui::KeyValueSetters<MarqueeLabel>& marqueeSetters() {
  namespace kv = platform::ui::keyvalue;
  static const platform::ui::KeyValueSetters<MarqueeLabel> setters = {
      {"marqueeType",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::integer, [&l](std::int64_t n) { l.setMarqueeType(static_cast<unsigned>(n)); });
       }},
      {"scrollDuration",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setScrollDuration(n); });
       }},
      {"rate",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setRate(n); });
       }},
      {"animationCurve",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::integer, [&l](std::int64_t n) { l.setAnimationCurve(static_cast<unsigned>(n)); });
       }},
      {"leadingBuffer",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setLeadingBuffer(n); });
       }},
      {"trailingBuffer",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setTrailingBuffer(n); });
       }},
      {"continuousMarqueeExtraBuffer",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setContinuousMarqueeExtraBuffer(n); });
       }},
      {"fadeLength",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setFadeLength(n); });
       }},
      {"animationDelay",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setAnimationDelay(n); });
       }},
      {"labelize",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::boolean, [&l](bool b) { l.setLabelize(b); });
       }},
      {"holdScrolling",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::boolean, [&l](bool b) { l.setHoldScrolling(b); });
       }},
      {"tapToScroll",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::boolean, [&l](bool b) { l.setTapToScroll(b); });
       }},
      {"animationDuration",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setAnimationDuration(n); });
       }},
      {"awayOffset",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::number, [&l](double n) { l.setAwayOffset(n); });
       }},
      {"text",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::text, [&l](std::string t) { l.setText(std::move(t)); });
       }},
      {"textColor",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::color, [&l](std::optional<Color> c) {
           if (c) l.setTextColor(*c);
         });
       }},
      {"shadowColor",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::color, [&l](std::optional<Color> c) { l.setShadowColor(c); });
       }},
      {"backgroundColor",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::color, [&l](std::optional<Color> c) { l.setBackgroundColor(c); });
       }},
      {"numberOfLines",
       [](MarqueeLabel& l, std::string_view k, const KeyValue& v) {
         return convert(k, v, kv::integer, [&l](std::int64_t) { l.setNumberOfLines(1); });
       }},
  };
  return setters;
}

}  // namespace

bool MarqueeLabel::respondsToKey(std::string_view key) const {
  return marqueeSetters().contains(key) || Label::respondsToKey(key);
}

std::optional<KeyValueFailure> MarqueeLabel::setValueForKey(std::string_view key, const KeyValue& value) {
  if (const auto found = marqueeSetters().find(key); found != marqueeSetters().end()) {
    return found->second(*this, key, value);
  }
  return Label::setValueForKey(key, value);
}

}  // namespace vantile
