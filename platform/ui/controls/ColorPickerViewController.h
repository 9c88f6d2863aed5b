#pragma once

#include <memory>
#include <optional>

#include "platform/graphics/Color.h"
#include "platform/ui/views/ViewController.h"

namespace platform::ui {

class ColorPickerViewController;

// Told while the user picks and when the picker closes.
class ColorPickerDelegate {
 public:
  enum class Operation { didSelectColor, didFinish };

  virtual ~ColorPickerDelegate() = default;
  virtual bool implements(Operation operation) const = 0;
  virtual void colorPickerViewControllerDidSelectColor(ColorPickerViewController&) {}
  virtual void colorPickerViewControllerDidFinish(ColorPickerViewController&) {}
};

// The system colour picker: a sheet showing the selected colour. The user (or a test or
// scenario, through pickColor and finish) picks colours, then closes it.
class ColorPickerViewController : public ViewController {
 public:
  static std::shared_ptr<ColorPickerViewController> make();

  explicit ColorPickerViewController(ConstructionKey key);

  // Red, green, blue and alpha in 0...1; opaque white unless set.
  graphics::Color selectedColor() const { return selected_; }
  void setSelectedColor(graphics::Color color);

  std::shared_ptr<ColorPickerDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<ColorPickerDelegate> delegate) { delegate_ = std::move(delegate); }

  // The user picks a colour: it is selected and the delegate is told.
  void pickColor(graphics::Color color);
  // The user closes the picker: the delegate is told (it dismisses the picker).
  void finish();

  // The picker shown last in the key window; null when none.
  static std::shared_ptr<ColorPickerViewController> shownInKeyWindow();

 protected:
  std::shared_ptr<View> loadView() override;

 private:
  graphics::Color selected_{1, 1, 1, 1};
  std::shared_ptr<View> swatch_;
  std::weak_ptr<ColorPickerDelegate> delegate_;
};

}  // namespace platform::ui
