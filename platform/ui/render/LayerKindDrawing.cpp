#include "platform/ui/render/LayerKindDrawing.h"


#include <algorithm>
#include <cmath>

namespace platform::ui {

using graphics::Path;
using graphics::PathElement;
using graphics::Rect;

namespace {

void addPath(cairo_t* cairo, const Path& path) {
  for (const PathElement& element : path.elements()) {
    const auto& p = element.points;
    switch (element.kind) {
      case PathElement::Kind::moveTo:
        cairo_move_to(cairo, p[0].x, p[0].y);
        break;
      case PathElement::Kind::lineTo:
        cairo_line_to(cairo, p[0].x, p[0].y);
        break;
      case PathElement::Kind::curveTo:
        cairo_curve_to(cairo, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
        break;
      case PathElement::Kind::close:
        cairo_close_path(cairo);
        break;
    }
  }
}

struct Segment {
  double x0, y0, x1, y1;
  bool startsSubpath;
  double length() const { return std::hypot(x1 - x0, y1 - y0); }
};

// The straight segments of Cairo's flattened path, closing segments included.
std::vector<Segment> segmentsOf(const cairo_path_t& flat) {
  std::vector<Segment> segments;
  double currentX = 0, currentY = 0, startX = 0, startY = 0;
  bool newSubpath = true;
  for (int i = 0; i < flat.num_data; i += flat.data[i].header.length) {
    const cairo_path_data_t& data = flat.data[i];
    switch (data.header.type) {
      case CAIRO_PATH_MOVE_TO:
        currentX = startX = flat.data[i + 1].point.x;
        currentY = startY = flat.data[i + 1].point.y;
        newSubpath = true;
        break;
      case CAIRO_PATH_LINE_TO:
      case CAIRO_PATH_CLOSE_PATH: {
        const bool close = data.header.type == CAIRO_PATH_CLOSE_PATH;
        const double x = close ? startX : flat.data[i + 1].point.x;
        const double y = close ? startY : flat.data[i + 1].point.y;
        segments.push_back({currentX, currentY, x, y, newSubpath});
        currentX = x;
        currentY = y;
        newSubpath = false;
        break;
      }
      case CAIRO_PATH_CURVE_TO:  // not in a flattened path
        break;
    }
  }
  return segments;
}

// Replaces the current path with its part between the two fractions of its length.
void trimCurrentPath(cairo_t* cairo, double startFraction, double endFraction) {
  cairo_path_t* flat = cairo_copy_path_flat(cairo);
  const std::vector<Segment> segments = segmentsOf(*flat);
  cairo_path_destroy(flat);
  cairo_new_path(cairo);

  double total = 0;
  for (const Segment& segment : segments) total += segment.length();
  const double from = startFraction * total;
  const double to = endFraction * total;
  double walked = 0;
  bool penDown = false;
  for (const Segment& segment : segments) {
    const double length = segment.length();
    const double begin = walked;
    walked += length;
    if (segment.startsSubpath) penDown = false;
    if (length <= 0) continue;
    if (walked <= from || begin >= to) {
      penDown = false;
      continue;
    }
    const double t0 = std::max(0.0, (from - begin) / length);
    const double t1 = std::min(1.0, (to - begin) / length);
    auto along = [&](double t) {
      return std::pair{segment.x0 + (segment.x1 - segment.x0) * t, segment.y0 + (segment.y1 - segment.y0) * t};
    };
    if (!penDown) {
      const auto [x, y] = along(t0);
      cairo_move_to(cairo, x, y);
      penDown = true;
    }
    const auto [x, y] = along(t1);
    cairo_line_to(cairo, x, y);
  }
}

cairo_line_cap_t cairoCap(LineCap cap) {
  switch (cap) {
    case LineCap::round:
      return CAIRO_LINE_CAP_ROUND;
    case LineCap::square:
      return CAIRO_LINE_CAP_SQUARE;
    case LineCap::butt:
      break;
  }
  return CAIRO_LINE_CAP_BUTT;
}

}  // namespace

void drawGradient(DrawingContext& context, const GradientLayer& layer, const Rect& bounds, double cornerRadius) {
  const GradientProperties gradient = layer.presentationGradientProperties();
  const std::vector<GradientStop> stops = GradientLayer::resolvedStops(gradient);
  if (stops.empty()) return;
  cairo_t* cairo = context.cairo();
  CairoPatternHandle pattern(cairo_pattern_create_linear(
      bounds.x() + gradient.startPoint.x * bounds.width(), bounds.y() + gradient.startPoint.y * bounds.height(),
      bounds.x() + gradient.endPoint.x * bounds.width(), bounds.y() + gradient.endPoint.y * bounds.height()));
  for (const GradientStop& stop : stops) {
    cairo_pattern_add_color_stop_rgba(pattern.get(), std::clamp(stop.location, 0.0, 1.0), stop.color.red,
                                      stop.color.green, stop.color.blue, stop.color.alpha * context.alpha());
  }
  cairo_save(cairo);
  cairo_new_path(cairo);
  context.addRoundedRect(bounds, cornerRadius);
  cairo_set_source(cairo, pattern.get());
  cairo_fill(cairo);
  cairo_restore(cairo);
}

namespace {

// A path reaching far beyond the target, cut in device space to what can show before Cairo
// meets it. Cut edges lie beyond the visible area by more than the line reaches (miters
// included).
void drawFarShape(DrawingContext& context, const ShapeLayer& layer, const ShapeProperties& shape, double start,
                  double end) {
  cairo_t* cairo = context.cairo();
  const double scale = context.deviceScale();
  const Rect area = context.deviceArea(std::max(0.0, shape.lineWidth) * scale * 10);
  const std::vector<Polyline> lines = flattenPath(context.pathInDeviceSpace(shape.path), area, 0.1);
  cairo_set_fill_rule(cairo, layer.fillRule() == FillRule::evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
  if (shape.fillColor) {
    const Rect fillArea = context.deviceArea(0);
    std::vector<Polyline> polygons;
    for (const Polyline& line : lines) polygons.push_back(clipPolygon(line, fillArea));
    cairo_new_path(cairo);
    context.addInDeviceSpace(polygons);
    context.setSourceColor(*shape.fillColor);
    cairo_fill(cairo);
  }
  if (shape.strokeColor && shape.lineWidth > 0 && end > start) {
    const std::vector<Polyline> stroked = start > 0 || end < 1 ? trimPolylines(lines, start, end) : lines;
    cairo_new_path(cairo);
    for (const Polyline& line : stroked) context.addInDeviceSpace(clipPolyline(line, area));
    cairo_set_line_width(cairo, shape.lineWidth);
    cairo_set_line_cap(cairo, cairoCap(layer.lineCap()));
    context.setSourceColor(*shape.strokeColor);
    cairo_stroke(cairo);
  }
  cairo_new_path(cairo);
}

}  // namespace

void drawShape(DrawingContext& context, const ShapeLayer& layer) {
  const ShapeProperties shape = layer.presentationShapeProperties();
  if (shape.path.isEmpty()) return;
  cairo_t* cairo = context.cairo();
  if (context.reachesFar(shape.path.boundingBox())) {
    cairo_save(cairo);
    drawFarShape(context, layer, shape, std::clamp(shape.strokeStart, 0.0, 1.0), std::clamp(shape.strokeEnd, 0.0, 1.0));
    cairo_restore(cairo);
    return;
  }
  cairo_save(cairo);
  cairo_new_path(cairo);
  addPath(cairo, shape.path);
  cairo_set_fill_rule(cairo, layer.fillRule() == FillRule::evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
  if (shape.fillColor) {
    context.setSourceColor(*shape.fillColor);
    cairo_fill_preserve(cairo);
  }
  const double start = std::clamp(shape.strokeStart, 0.0, 1.0);
  const double end = std::clamp(shape.strokeEnd, 0.0, 1.0);
  if (shape.strokeColor && shape.lineWidth > 0 && end > start) {
    // A whole stroke keeps the path's own joins, closing ones included.
    if (start > 0 || end < 1) trimCurrentPath(cairo, start, end);
    cairo_set_line_width(cairo, shape.lineWidth);
    cairo_set_line_cap(cairo, cairoCap(layer.lineCap()));
    context.setSourceColor(*shape.strokeColor);
    cairo_stroke(cairo);
  }
  cairo_new_path(cairo);
  cairo_restore(cairo);
}

}  // namespace platform::ui
