#include "integration/charging/AnimatedImageView.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <limits>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/animation/KeyframeAnimation.h"

namespace vantile::integration {

namespace {

namespace foundation = platform::foundation;
using platform::graphics::Rect;

// The number of the first run of digits; nothing without digits (or past what fits).
std::optional<unsigned long long> frameNumber(std::string_view name) {
  const auto digit = std::find_if(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
  if (digit == name.end()) return std::nullopt;
  constexpr unsigned long long kLargest = std::numeric_limits<unsigned long long>::max() / 10 - 1;
  unsigned long long number = 0;
  for (auto it = digit; it != name.end() && std::isdigit(static_cast<unsigned char>(*it)) != 0; ++it) {
    if (number > kLargest) break;
    number = number * 10 + static_cast<unsigned long long>(*it - '0');
  }
  return number;
}

}  // namespace

std::shared_ptr<AnimatedImageView> AnimatedImageView::make(const Rect& frame) {
  return std::make_shared<AnimatedImageView>(ConstructionKey{}, frame);
}

AnimatedImageView::AnimatedImageView(ConstructionKey key, const Rect& frame) : View(key, frame) {}

void AnimatedImageView::startAnimating() { animateImages(); }

void AnimatedImageView::stopAnimating() {
  layer()->removeAllAnimations();
  // The frames play on the image view's layer: stopping must reach it too.
  if (imageView) imageView->layer()->removeAllAnimations();
}

std::vector<std::string> AnimatedImageView::sortArrayByNumbersInString(std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const auto first = frameNumber(a);
    const auto second = frameNumber(b);
    if (first.has_value() != second.has_value()) return first.has_value();
    if (first && *first != *second) return *first < *second;
    return a < b;
  });
  return names;
}

void AnimatedImageView::loadFrames() {
  std::vector<std::string> frames;
  if (!imagesPath.empty()) {
    std::string folder = "/";
    folder += imagesPath;
    for (std::string& name : foundation::listFolder(foundation::devicePath(folder))) {
      if (std::filesystem::path(name).extension() == ".png") frames.push_back(std::move(name));
    }
  }
  loadedImages.clear();
  for (const std::string& name : sortArrayByNumbersInString(std::move(frames))) {
    // The folder is relative to "/": the frame's file URL is "file:///" + folder + name.
    std::string file = "/";
    file += imagesPath;
    file += name;
    if (auto image = platform::graphics::decodeImageFile(foundation::devicePath(file))) {
      loadedImages.push_back(std::move(*image));
    } else {
      std::string line = "AnimatedImageView: skipped the frame ";
      line += file;
      line += ", no picture";
      foundation::systemLog(line);
    }
  }
  if (imageView) imageView->removeFromSuperview();
  imageView = platform::ui::ImageView::make(Rect(0, 0, bounds().width(), bounds().height()));
  addSubview(imageView);
  loadedPath = imagesPath;
}

void AnimatedImageView::animateImages() {
  if (loadedPath != imagesPath) loadFrames();
  if (loadedImages.empty()) return;
  platform::ui::KeyframeAnimation animation("contents");
  animation.setCalculationMode(platform::ui::KeyframeAnimation::Calculation::linear);
  animation.setDuration(animationDuration);
  animation.setValues(std::vector<platform::ui::AnimationValue>(loadedImages.begin(), loadedImages.end()));
  animation.setRepeatCount(1);
  animation.setRemovedOnCompletion(false);
  animation.setFillMode(platform::ui::FillMode::forwards);
  animation.setTimingFunction(
      platform::ui::TimingFunction::named(platform::ui::TimingFunction::Name::easeInEaseOut));
  imageView->layer()->addAnimation(animation, "animation");
}

}  // namespace vantile::integration
