#pragma once

#include <memory>

#include "platform/graphics/Image.h"
#include "platform/ui/views/ViewController.h"

namespace platform::ui {

class ImagePickerController;

// Told when the user has picked a picture; it dismisses the picker.
class ImagePickerDelegate {
 public:
  enum class Operation { didFinishPickingMedia };

  virtual ~ImagePickerDelegate() = default;
  virtual bool implements(Operation operation) const = 0;
  // The picture as the library holds it (the platform's "original image" of the result).
  virtual void imagePickerController(ImagePickerController&, const graphics::Image& /*originalImage*/) {}
};

// The photo-library picker: a presented sheet of the user's photos. The user (or a test or
// scenario, through pickImage) picks one, which goes to the delegate.
class ImagePickerController : public ViewController {
 public:
  static std::shared_ptr<ImagePickerController> make();

  explicit ImagePickerController(ConstructionKey key);

  std::shared_ptr<ImagePickerDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<ImagePickerDelegate> delegate) { delegate_ = std::move(delegate); }

  void pickImage(const graphics::Image& image);

  // The picker shown last in the key window; null when none.
  static std::shared_ptr<ImagePickerController> shownInKeyWindow();

 protected:
  std::shared_ptr<View> loadView() override;

 private:
  std::weak_ptr<ImagePickerDelegate> delegate_;
};

}  // namespace platform::ui
