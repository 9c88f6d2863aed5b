#pragma once

// Owning handles for Cairo's reference-counted objects.

#include <cairo.h>

#include <memory>

namespace platform::ui {

struct CairoDeleter {
  void operator()(cairo_t* cairo) const noexcept { cairo_destroy(cairo); }
  void operator()(cairo_surface_t* surface) const noexcept { cairo_surface_destroy(surface); }
  void operator()(cairo_pattern_t* pattern) const noexcept { cairo_pattern_destroy(pattern); }
};

using CairoHandle = std::unique_ptr<cairo_t, CairoDeleter>;
using CairoSurfaceHandle = std::unique_ptr<cairo_surface_t, CairoDeleter>;
using CairoPatternHandle = std::unique_ptr<cairo_pattern_t, CairoDeleter>;

}  // namespace platform::ui
