#pragma once

#include <functional>

#include "platform/ui/controls/ImagePickerController.h"

namespace vantile {

// Hands the photo picker's result on; the picker holds its delegate weakly, the canvas holds this.
class BackgroundPictureDelegate : public platform::ui::ImagePickerDelegate {
 public:
  using Picked = std::function<void(platform::ui::ImagePickerController&, const platform::graphics::Image&)>;

  explicit BackgroundPictureDelegate(Picked picked) : picked_(std::move(picked)) {}

  bool implements(Operation operation) const override { return operation == Operation::didFinishPickingMedia; }
  void imagePickerController(platform::ui::ImagePickerController& picker,
                             const platform::graphics::Image& originalImage) override {
    if (picked_) picked_(picker, originalImage);
  }

 private:
  Picked picked_;
};

}  // namespace vantile
