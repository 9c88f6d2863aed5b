#pragma once

#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/Path.h"

namespace platform::ui {

// Geometry cut to an area in floating point, for paths that reach too far for Cairo's fixed
// point device coordinates. Curves become lines, fine enough (within `tolerance`) where they
// can show and plain chords where they cannot.
struct Polyline {
  std::vector<graphics::Point> points;
  bool closed = false;
};

// The rectangles' common part; a zero-sized rectangle when they do not meet.
graphics::Rect intersection(const graphics::Rect& first, const graphics::Rect& second);

std::vector<Polyline> flattenPath(const graphics::Path& path, const graphics::Rect& area, double tolerance);
// The part of every polyline between two fractions of their total length, as open lines.
std::vector<Polyline> trimPolylines(const std::vector<Polyline>& polylines, double startFraction, double endFraction);
// For filling: the closed shape inside the area, which covers what the whole shape covers there.
Polyline clipPolygon(const Polyline& polygon, const graphics::Rect& area);
// For stroking: the pieces of the line inside the area; a closed line wholly inside stays closed.
std::vector<Polyline> clipPolyline(const Polyline& line, const graphics::Rect& area);

}  // namespace platform::ui
