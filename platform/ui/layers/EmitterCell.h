#pragma once

#include <optional>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/graphics/Image.h"

namespace platform::ui {

// What one kind of particle of an emitter layer is born with. Each "range" widens its value
// evenly both ways for each particle (lifetime 4 with range 4: 0 to 8 seconds); angles are in
// radians, the longitude measured from the x axis towards the y axis (down the screen).
struct EmitterCell {
  std::optional<std::string> name;
  // Particles per second; 0 emits nothing.
  double birthRate = 0;
  double lifetime = 0;
  double lifetimeRange = 0;
  double velocity = 0;
  double velocityRange = 0;
  double emissionLongitude = 0;
  // Tilts the direction out of the screen's plane: only its part in the plane moves a particle.
  double emissionLatitude = 0;
  // The whole angle of the cone the directions spread over, centred on the longitude.
  double emissionRange = 0;
  // Points per second squared.
  double yAcceleration = 0;
  // Multiplies the contents; its alpha is the particle's opacity.
  graphics::Color color{1, 1, 1, 1};
  double alphaRange = 0;
  double scale = 1;
  double scaleRange = 0;
  // Scale gained per second of age.
  double scaleSpeed = 0;
  // Radians per second of age.
  double spin = 0;
  // Drawn at its own size times the scale, centred on the particle; none draws nothing.
  std::optional<graphics::Image> contents;
};

}  // namespace platform::ui
