#pragma once

#include <memory>

#include "platform/ui/views/View.h"

namespace vantile {

// A full-screen weather animation that runs between startAnimating and stopAnimating.
class WeatherAnimationView : public platform::ui::View {
 public:
  using View::View;

  virtual void startAnimating() = 0;
  virtual void stopAnimating() = 0;
};

}  // namespace vantile
