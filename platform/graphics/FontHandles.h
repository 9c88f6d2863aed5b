#pragma once

// Owning handles for the C objects of FreeType, fontconfig, GLib and Pango: each one releases
// its object with the library's own function when it goes out of scope.

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace platform::graphics {

struct FtLibraryDeleter {
  void operator()(FT_Library library) const noexcept { FT_Done_FreeType(library); }
};
using FtLibraryHandle = std::unique_ptr<FT_LibraryRec_, FtLibraryDeleter>;

struct FtFaceDeleter {
  void operator()(FT_Face face) const noexcept { FT_Done_Face(face); }
};
using FtFaceHandle = std::unique_ptr<FT_FaceRec_, FtFaceDeleter>;

struct FcConfigDeleter {
  void operator()(FcConfig* config) const noexcept { FcConfigDestroy(config); }
};
using FcConfigHandle = std::unique_ptr<FcConfig, FcConfigDeleter>;

struct FcPatternDeleter {
  void operator()(FcPattern* pattern) const noexcept { FcPatternDestroy(pattern); }
};
using FcPatternHandle = std::unique_ptr<FcPattern, FcPatternDeleter>;

struct FcObjectSetDeleter {
  void operator()(FcObjectSet* objects) const noexcept { FcObjectSetDestroy(objects); }
};
using FcObjectSetHandle = std::unique_ptr<FcObjectSet, FcObjectSetDeleter>;

struct FcFontSetDeleter {
  void operator()(FcFontSet* fonts) const noexcept { FcFontSetDestroy(fonts); }
};
using FcFontSetHandle = std::unique_ptr<FcFontSet, FcFontSetDeleter>;

// Any GObject (PangoFontMap, PangoContext, PangoLayout, PangoFont, ...): one reference.
struct GObjectDeleter {
  void operator()(gpointer object) const noexcept { g_object_unref(object); }
};
template <typename T>
using GObjectHandle = std::unique_ptr<T, GObjectDeleter>;

using PangoFontMapHandle = GObjectHandle<PangoFontMap>;
using PangoContextHandle = GObjectHandle<PangoContext>;
using PangoLayoutHandle = GObjectHandle<PangoLayout>;
using PangoFontHandle = GObjectHandle<PangoFont>;

struct PangoFontDescriptionDeleter {
  void operator()(PangoFontDescription* description) const noexcept {
    pango_font_description_free(description);
  }
};
using PangoFontDescriptionHandle = std::unique_ptr<PangoFontDescription, PangoFontDescriptionDeleter>;

struct PangoFontMetricsDeleter {
  void operator()(PangoFontMetrics* metrics) const noexcept { pango_font_metrics_unref(metrics); }
};
using PangoFontMetricsHandle = std::unique_ptr<PangoFontMetrics, PangoFontMetricsDeleter>;

// Memory GLib hands over to be released with g_free (strings, ...).
struct GFreeDeleter {
  void operator()(gpointer memory) const noexcept { g_free(memory); }
};
using GCharHandle = std::unique_ptr<gchar, GFreeDeleter>;

}  // namespace platform::graphics
