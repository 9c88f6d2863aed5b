#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Image.h"
#include "platform/ui/animation/Animation.h"
#include "platform/ui/animation/LayerAnimations.h"
#include "platform/ui/layers/KeyPathValues.h"
#include "platform/ui/layers/KeyValueCoding.h"
#include "platform/ui/layers/LayerDelegate.h"
#include "platform/ui/layers/LayerProperties.h"
#include "platform/ui/views/ContentMode.h"

namespace platform::ui {

// A node of the layer tree the renderer draws: geometry and appearance in LayerProperties,
// plus contents, mask, sublayers and free keyed values. A layer owns its sublayers; its
// superlayer is a weak back reference. Bad values (non-finite numbers) are refused with a
// log line and the previous value kept.
class Layer : public std::enable_shared_from_this<Layer> {
 protected:
  // Only factories make layers, so every layer lives in a shared_ptr.
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  static std::shared_ptr<Layer> make();

  explicit Layer(ConstructionKey);
  virtual ~Layer();
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

  const LayerProperties& properties() const { return properties_; }
  // What the screen shows at the main queue's current time: the model values with the
  // running animations applied. The renderer draws from these.
  LayerProperties presentationProperties() const;

  // Geometry. The position is where the anchor point (a unit point of the bounds) sits in
  // the superlayer; the transform turns the layer around its anchor point.
  graphics::Point position() const { return properties_.position; }
  void setPosition(graphics::Point position);
  graphics::Rect bounds() const { return properties_.bounds; }
  void setBounds(const graphics::Rect& bounds);
  graphics::Point anchorPoint() const { return properties_.anchorPoint; }
  void setAnchorPoint(graphics::Point anchorPoint);
  const graphics::AffineTransform& transform() const { return properties_.transform; }
  void setTransform(const graphics::AffineTransform& transform);

  // The bounding box, in the superlayer, of the transformed bounds. With the identity
  // transform, exactly the rectangle last set while position, size and anchor point have
  // not moved since: going through the anchor point would round it.
  graphics::Rect frame() const;
  // Sets position and bounds size as the frame implies for the identity transform, keeping
  // the transform, anchor point and bounds origin; with a transform, frame() then reports
  // the transformed box around that, not the rectangle given.
  void setFrame(const graphics::Rect& frame);
  // Maps a point of this layer's bounds space into its superlayer's bounds space.
  graphics::AffineTransform transformToSuperlayer() const;

  // Appearance.
  double opacity() const { return properties_.opacity; }
  // Clamped to 0...1.
  void setOpacity(double opacity);
  bool isHidden() const { return properties_.hidden; }
  void setHidden(bool hidden) { properties_.hidden = hidden; }
  bool masksToBounds() const { return properties_.masksToBounds; }
  void setMasksToBounds(bool masks) { properties_.masksToBounds = masks; }
  std::optional<graphics::Color> backgroundColor() const { return properties_.backgroundColor; }
  void setBackgroundColor(std::optional<graphics::Color> color) { properties_.backgroundColor = color; }
  // A tiled image drawn over the background colour, as a pattern colour is.
  const std::optional<graphics::Image>& backgroundPattern() const { return backgroundPattern_; }
  void setBackgroundPattern(std::optional<graphics::Image> pattern) { backgroundPattern_ = std::move(pattern); }
  double cornerRadius() const { return properties_.cornerRadius; }
  void setCornerRadius(double radius);
  double borderWidth() const { return properties_.borderWidth; }
  void setBorderWidth(double width);
  std::optional<graphics::Color> borderColor() const { return properties_.borderColor; }
  void setBorderColor(std::optional<graphics::Color> color) { properties_.borderColor = color; }
  std::optional<graphics::Color> shadowColor() const { return properties_.shadowColor; }
  void setShadowColor(std::optional<graphics::Color> color) { properties_.shadowColor = color; }
  double shadowOpacity() const { return properties_.shadowOpacity; }
  // Clamped to 0...1.
  void setShadowOpacity(double opacity);
  graphics::Size shadowOffset() const { return properties_.shadowOffset; }
  void setShadowOffset(graphics::Size offset);
  double shadowRadius() const { return properties_.shadowRadius; }
  void setShadowRadius(double radius);

  const std::optional<std::string>& name() const { return name_; }
  void setName(std::optional<std::string> name) { name_ = std::move(name); }

  const std::optional<graphics::Image>& contents() const { return contents_; }
  void setContents(std::optional<graphics::Image> contents) { contents_ = std::move(contents); }
  // The contents the running animations of "contents" show now (a frame sequence).
  std::optional<graphics::Image> presentationContents() const;
  // How contents fit the bounds (the view's content mode lives here).
  ContentMode contentsGravity() const { return contentsGravity_; }
  void setContentsGravity(ContentMode gravity) { contentsGravity_ = gravity; }

  // How the layer is combined with what lies below it: nothing draws over it; "xor" keeps
  // each only where the other is not (the layer and the backdrop cut each other out). Any
  // other name draws over it, as an unknown filter does.
  const std::optional<std::string>& compositingFilter() const { return compositingFilter_; }
  void setCompositingFilter(std::optional<std::string> filter) { compositingFilter_ = std::move(filter); }

  // The mask's alpha cuts this layer and its sublayers. A mask belongs to no layer tree:
  // a layer that has a superlayer, or this layer itself, is refused.
  const std::shared_ptr<Layer>& mask() const { return mask_; }
  void setMask(std::shared_ptr<Layer> mask);

  // Who draws the layer's content besides its properties (its view); weak, as the view owns
  // the layer.
  std::shared_ptr<const LayerDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<const LayerDelegate> delegate) { delegate_ = std::move(delegate); }

  // Sublayers, back to front. Adding a layer takes it from its old superlayer; a layer
  // cannot become a sublayer of itself or of its own descendants.
  const std::vector<std::shared_ptr<Layer>>& sublayers() const { return sublayers_; }
  std::shared_ptr<Layer> superlayer() const { return superlayer_.lock(); }
  void addSublayer(std::shared_ptr<Layer> layer);
  // The index is clamped to 0...count.
  void insertSublayer(std::shared_ptr<Layer> layer, std::size_t index);
  // A sibling that is not a sublayer of this layer puts `layer` on top.
  void insertSublayerBelow(std::shared_ptr<Layer> layer, const Layer& sibling);
  void insertSublayerAbove(std::shared_ptr<Layer> layer, const Layer& sibling);
  void removeFromSuperlayer();
  bool isDescendantOf(const Layer& ancestor) const;

  // Key-value coding of the layer's named properties (not its free keyed values).
  virtual bool respondsToKey(std::string_view key) const;
  virtual std::optional<KeyValueFailure> setValueForKey(std::string_view key, const KeyValue& value);

  // Free values stored by key; setting null removes the key.
  void setValue(const std::string& key, Value value);
  std::optional<Value> value(const std::string& key) const;

  // Animations change what the layer shows over time, never its model values. The layer
  // keeps a copy; one with a key replaces the animation of that key. An animation of a key
  // path the layer does not have, or with values of the wrong kind, is refused with a log
  // line (and reports that it did not finish).
  void addAnimation(const Animation& animation, std::optional<std::string> key = std::nullopt);
  void removeAnimation(const std::string& key);
  void removeAllAnimations();
  std::shared_ptr<const Animation> animationForKey(const std::string& key) const;
  std::vector<std::string> animationKeys() const;

  // The layer's own clock (see LayerTiming), which its animations run on; it does not reach
  // sublayers. Non-finite values are refused with a log line.
  double speed() const { return animations_.timing().speed; }
  void setSpeed(double speed);
  double timeOffset() const { return animations_.timing().timeOffset; }
  void setTimeOffset(double seconds);
  double beginTime() const { return animations_.timing().beginTime; }
  virtual void setBeginTime(double seconds);
  // The layer's local time at a main-queue time.
  double localTime(foundation::TimeStamp mediaTime) const { return animations_.timing().localTime(mediaTime); }

 protected:
  // Writes what the running animations show now into `values`, for subclasses with
  // animatable state of their own.
  void applyAnimations(KeyPathValues& values) const;
  // The model value at `keyPath`; nothing when the layer has no such key path. Subclasses
  // with key paths of their own answer for them too.
  virtual std::optional<AnimationValue> modelValue(std::string_view keyPath) const;

 private:
  std::optional<std::size_t> indexOfSublayer(const Layer& layer) const;
  bool canAdopt(const std::shared_ptr<Layer>& layer) const;
  void insertAdopted(std::shared_ptr<Layer> layer, std::size_t index);

  LayerProperties properties_;
  std::optional<graphics::Rect> frameAsSet_;
  std::optional<graphics::Image> backgroundPattern_;
  std::optional<std::string> name_;
  std::optional<graphics::Image> contents_;
  ContentMode contentsGravity_ = ContentMode::scaleToFill;
  std::optional<std::string> compositingFilter_;
  std::shared_ptr<Layer> mask_;
  std::weak_ptr<const LayerDelegate> delegate_;
  std::vector<std::shared_ptr<Layer>> sublayers_;
  std::weak_ptr<Layer> superlayer_;
  std::map<std::string, Value> values_;
  LayerAnimations animations_;
};

}  // namespace platform::ui
