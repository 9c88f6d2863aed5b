#include "platform/ui/layers/Layer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/layers/LayerKeyPaths.h"

namespace platform::ui {

namespace {

using graphics::AffineTransform;
using graphics::Point;
using graphics::Rect;
using graphics::Size;

bool isFinite(Point point) { return std::isfinite(point.x) && std::isfinite(point.y); }
bool isFinite(Size size) { return std::isfinite(size.width) && std::isfinite(size.height); }
bool isFinite(const Rect& rect) { return isFinite(rect.origin) && isFinite(rect.size); }

// Keeps the old value of a property when the new one is not a finite number.
template <typename T>
bool acceptFinite(const T& value, const char* property) {
  if constexpr (std::is_same_v<T, double>) {
    if (std::isfinite(value)) {
      return true;
    }
  } else if (isFinite(value)) {
    return true;
  }
  foundation::systemLog(std::string("Layer: ignored a non-finite ") + property);
  return false;
}

// A layer without contents reads as one transparent pixel, so frames can be animated into it.
const graphics::Image& noContents() {
  static const graphics::Image blank = *graphics::Image::blank(1, 1);
  return blank;
}

// The layer's contents as the one animatable key path "contents".
class ContentsKeyPath : public KeyPathValues {
 public:
  explicit ContentsKeyPath(std::optional<graphics::Image>& contents) : contents_(contents) {}

  std::optional<AnimationValue> value(std::string_view keyPath) const override {
    if (keyPath != "contents") return std::nullopt;
    return contents_ ? *contents_ : noContents();
  }

  bool setValue(std::string_view keyPath, const AnimationValue& value) override {
    const auto* image = std::get_if<graphics::Image>(&value);
    if (keyPath != "contents" || image == nullptr) return false;
    contents_ = *image;
    return true;
  }

 private:
  std::optional<graphics::Image>& contents_;
};

}  // namespace

std::shared_ptr<Layer> Layer::make() { return std::make_shared<Layer>(ConstructionKey{}); }

Layer::Layer(ConstructionKey) {}

Layer::~Layer() = default;

void Layer::setPosition(Point position) {
  if (acceptFinite(position, "position") && position != properties_.position) {
    properties_.position = position;
    frameAsSet_.reset();
  }
}

void Layer::setBounds(const Rect& bounds) {
  if (acceptFinite(bounds, "bounds")) {
    const Rect standardized = bounds.standardized();
    if (standardized.size != properties_.bounds.size) frameAsSet_.reset();
    properties_.bounds = standardized;
  }
}

void Layer::setAnchorPoint(Point anchorPoint) {
  if (acceptFinite(anchorPoint, "anchor point") && anchorPoint != properties_.anchorPoint) {
    properties_.anchorPoint = anchorPoint;
    frameAsSet_.reset();
  }
}

void Layer::setTransform(const AffineTransform& transform) {
  if (transform.isFinite()) {
    properties_.transform = transform;
  } else {
    foundation::systemLog("Layer: ignored a non-finite transform");
  }
}

AffineTransform Layer::transformToSuperlayer() const {
  const LayerProperties& p = properties_;
  const Point anchor{p.bounds.x() + p.anchorPoint.x * p.bounds.width(),
                     p.bounds.y() + p.anchorPoint.y * p.bounds.height()};
  return AffineTransform::translation(-anchor.x, -anchor.y)
      .concat(p.transform)
      .concat(AffineTransform::translation(p.position.x, p.position.y));
}

Rect Layer::frame() const {
  if (frameAsSet_ && properties_.transform.isIdentity()) return *frameAsSet_;
  return transformToSuperlayer().apply(properties_.bounds);
}

void Layer::setFrame(const Rect& frame) {
  if (!acceptFinite(frame, "frame")) {
    return;
  }
  const Rect rect = frame.standardized();
  properties_.bounds.size = rect.size;
  properties_.position = {rect.x() + properties_.anchorPoint.x * rect.width(),
                          rect.y() + properties_.anchorPoint.y * rect.height()};
  frameAsSet_ = rect;
}

void Layer::setOpacity(double opacity) {
  if (acceptFinite(opacity, "opacity")) {
    properties_.opacity = std::clamp(opacity, 0.0, 1.0);
  }
}

void Layer::setCornerRadius(double radius) {
  if (acceptFinite(radius, "corner radius")) {
    properties_.cornerRadius = radius;
  }
}

void Layer::setBorderWidth(double width) {
  if (acceptFinite(width, "border width")) {
    properties_.borderWidth = width;
  }
}

void Layer::setShadowOpacity(double opacity) {
  if (acceptFinite(opacity, "shadow opacity")) {
    properties_.shadowOpacity = std::clamp(opacity, 0.0, 1.0);
  }
}

void Layer::setShadowOffset(Size offset) {
  if (acceptFinite(offset, "shadow offset")) {
    properties_.shadowOffset = offset;
  }
}

void Layer::setShadowRadius(double radius) {
  if (acceptFinite(radius, "shadow radius")) {
    properties_.shadowRadius = radius;
  }
}

void Layer::setMask(std::shared_ptr<Layer> mask) {
  if (mask && (mask.get() == this || mask->superlayer())) {
    foundation::systemLog("Layer: refused a mask that is this layer or already in a layer tree");
    return;
  }
  mask_ = std::move(mask);
}

bool Layer::isDescendantOf(const Layer& ancestor) const {
  for (const Layer* layer = this; layer != nullptr;) {
    if (layer == &ancestor) {
      return true;
    }
    const std::shared_ptr<Layer> parent = layer->superlayer();
    layer = parent.get();
  }
  return false;
}

std::optional<std::size_t> Layer::indexOfSublayer(const Layer& layer) const {
  const auto found = std::find_if(sublayers_.begin(), sublayers_.end(),
                                  [&layer](const std::shared_ptr<Layer>& sublayer) { return sublayer.get() == &layer; });
  if (found == sublayers_.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - sublayers_.begin());
}

bool Layer::canAdopt(const std::shared_ptr<Layer>& layer) const {
  if (!layer) {
    foundation::systemLog("Layer: ignored adding no layer");
    return false;
  }
  if (isDescendantOf(*layer)) {
    foundation::systemLog("Layer: refused to add a layer to itself or to one of its own sublayers");
    return false;
  }
  return true;
}

// `layer` has already left its old superlayer.
void Layer::insertAdopted(std::shared_ptr<Layer> layer, std::size_t index) {
  layer->superlayer_ = weak_from_this();
  sublayers_.insert(sublayers_.begin() + static_cast<std::ptrdiff_t>(std::min(index, sublayers_.size())),
                    std::move(layer));
}

void Layer::addSublayer(std::shared_ptr<Layer> layer) {
  if (canAdopt(layer)) {
    layer->removeFromSuperlayer();
    insertAdopted(std::move(layer), sublayers_.size());
  }
}

void Layer::insertSublayer(std::shared_ptr<Layer> layer, std::size_t index) {
  if (canAdopt(layer)) {
    layer->removeFromSuperlayer();
    insertAdopted(std::move(layer), index);
  }
}

void Layer::insertSublayerBelow(std::shared_ptr<Layer> layer, const Layer& sibling) {
  if (!canAdopt(layer) || layer.get() == &sibling) {
    return;
  }
  layer->removeFromSuperlayer();
  const std::optional<std::size_t> index = indexOfSublayer(sibling);
  if (!index) {
    foundation::systemLog("Layer: the sibling to insert below is not a sublayer; added on top");
  }
  insertAdopted(std::move(layer), index.value_or(sublayers_.size()));
}

void Layer::insertSublayerAbove(std::shared_ptr<Layer> layer, const Layer& sibling) {
  if (!canAdopt(layer) || layer.get() == &sibling) {
    return;
  }
  layer->removeFromSuperlayer();
  const std::optional<std::size_t> index = indexOfSublayer(sibling);
  if (!index) {
    foundation::systemLog("Layer: the sibling to insert above is not a sublayer; added on top");
  }
  insertAdopted(std::move(layer), index ? *index + 1 : sublayers_.size());
}

void Layer::removeFromSuperlayer() {
  const std::shared_ptr<Layer> parent = superlayer();
  if (!parent) {
    return;
  }
  const std::shared_ptr<Layer> keepAlive = shared_from_this();
  if (const std::optional<std::size_t> index = parent->indexOfSublayer(*this)) {
    parent->sublayers_.erase(parent->sublayers_.begin() + static_cast<std::ptrdiff_t>(*index));
  }
  superlayer_.reset();
}

void Layer::setValue(const std::string& key, Value value) {
  if (value.is_null()) {
    values_.erase(key);
  } else {
    values_.insert_or_assign(key, std::move(value));
  }
}

std::optional<Value> Layer::value(const std::string& key) const {
  const auto found = values_.find(key);
  if (found == values_.end()) {
    return std::nullopt;
  }
  return found->second;
}

LayerProperties Layer::presentationProperties() const {
  LayerProperties presentation = properties_;
  if (!animations_.empty()) {
    LayerKeyPaths values(presentation);
    applyAnimations(values);
  }
  return presentation;
}

void Layer::applyAnimations(KeyPathValues& values) const {
  animations_.apply(values, foundation::MainQueue::shared().now());
}

std::optional<graphics::Image> Layer::presentationContents() const {
  std::optional<graphics::Image> presentation = contents_;
  if (!animations_.empty()) {
    ContentsKeyPath values(presentation);
    applyAnimations(values);
  }
  return presentation;
}

std::optional<AnimationValue> Layer::modelValue(std::string_view keyPath) const {
  if (keyPath == "contents") return contents_ ? *contents_ : noContents();
  LayerProperties model = properties_;
  return LayerKeyPaths(model).value(keyPath);
}

void Layer::addAnimation(const Animation& animation, std::optional<std::string> key) {
  const std::optional<AnimationValue> sample = modelValue(animation.keyPath());
  if (!sample || !animation.valuesMatch(*sample)) {
    foundation::systemLog("Layer: refused an animation of \"" + animation.keyPath() +
                          "\": no such animatable key path, or values of the wrong kind");
    if (const auto& didStop = animation.didStop()) {
      foundation::MainQueue::shared().post([didStop] { didStop(false); });
    }
    return;
  }
  animations_.add(animation.copy(), std::move(key), foundation::MainQueue::shared().now());
}

void Layer::removeAnimation(const std::string& key) { animations_.remove(key); }

namespace {

// Sets one part of a layer's clock, keeping the old clock for a non-finite value.
template <typename Change>
void changeTiming(LayerAnimations& animations, double value, const char* part, Change change) {
  if (!std::isfinite(value)) {
    foundation::systemLog(std::string("Layer: ignored a non-finite ") + part);
    return;
  }
  LayerTiming timing = animations.timing();
  change(timing, value);
  animations.setTiming(timing, foundation::MainQueue::shared().now());
}

}  // namespace

void Layer::setSpeed(double speed) {
  changeTiming(animations_, speed, "speed", [](LayerTiming& timing, double value) { timing.speed = value; });
}

void Layer::setTimeOffset(double seconds) {
  changeTiming(animations_, seconds, "time offset",
               [](LayerTiming& timing, double value) { timing.timeOffset = value; });
}

void Layer::setBeginTime(double seconds) {
  changeTiming(animations_, seconds, "begin time", [](LayerTiming& timing, double value) { timing.beginTime = value; });
}

void Layer::removeAllAnimations() { animations_.removeAll(); }

std::shared_ptr<const Animation> Layer::animationForKey(const std::string& key) const {
  return animations_.forKey(key);
}

std::vector<std::string> Layer::animationKeys() const { return animations_.keys(); }

}  // namespace platform::ui
