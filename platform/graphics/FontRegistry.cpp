#include "platform/graphics/FontRegistry.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/FontHandles.h"
#include "platform/graphics/FontRegistryTesting.h"
#include "platform/graphics/PangoFonts.h"

#include <cairo.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>
#include <pango/pangoft2.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform::graphics {
namespace {

namespace fs = std::filesystem;
namespace foundation = platform::foundation;

// The system font: Debian's fonts-inter, every weight and italic of the Inter family (not
// Inter Display).
constexpr const char* kSystemFontFamily = "Inter";
constexpr const char* kSystemFontFilePrefix = "Inter-";
constexpr const char* kSystemFontFileExtension = ".otf";
constexpr const char* kSystemFontRegularFile = "Inter-Regular.otf";
constexpr const char* kSymbolFallbackFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

fs::path& systemFontDirectory() {
  static fs::path directory = "/usr/share/fonts/opentype/inter";
  return directory;
}

// A font name resolved to what a PangoFontDescription asks for.
struct ResolvedFont {
  std::string family;
  PangoWeight weight = PANGO_WEIGHT_NORMAL;
  PangoStyle style = PANGO_STYLE_NORMAL;
  PangoStretch stretch = PANGO_STRETCH_NORMAL;
};

ResolvedFont systemResolvedFont() { return ResolvedFont{kSystemFontFamily}; }

// The registry's state. Made once by FontRegistry's constructor and never destroyed: the font
// map and the fontconfig configuration are used until the process ends (Pango keeps a thread
// of its own on them), so they are not torn down at exit.
struct State {
  std::recursive_mutex mutex;
  FtLibraryHandle freetype;
  FcConfigHandle config;
  PangoFontMapHandle fontMap;
  // Canonical path of each registered file → its PostScript name.
  std::map<std::string, std::string> namesByPath;
  // Font names already resolved (nothing: the name is unknown); cleared on each registration.
  std::unordered_map<std::string, std::optional<ResolvedFont>> resolvedByName;
};

State* sharedState = nullptr;

State& state() {
  FontRegistry::shared();
  return *sharedState;
}

void logLine(const std::string& message) { foundation::systemLog("FontRegistry: " + message); }

std::optional<std::string> postScriptNameOfFile(State& s, const fs::path& file) {
  if (!s.freetype) return std::nullopt;
  FT_Face rawFace = nullptr;
  if (FT_New_Face(s.freetype.get(), file.c_str(), 0, &rawFace) != 0 || rawFace == nullptr) {
    return std::nullopt;
  }
  FtFaceHandle face(rawFace);
  const char* name = FT_Get_Postscript_Name(face.get());
  if (name == nullptr || *name == '\0') return std::nullopt;
  return std::string(name);
}

struct Registration {
  std::optional<std::string> name;
  bool added = false;  // the file is new to the configuration
};

// With the lock held. Adds the file to the fontconfig configuration (not yet to Pango).
Registration addFontFile(State& s, const fs::path& file) {
  // A font file of the device folder that links out of it is not registered.
  const std::optional<fs::path> real = foundation::pathInsideDeviceRoot(file);
  std::error_code error;
  if (!real || !fs::is_regular_file(*real, error)) return {};
  const fs::path& path = *real;
  if (auto found = s.namesByPath.find(path.string()); found != s.namesByPath.end()) {
    return {found->second, false};
  }
  std::optional<std::string> name = postScriptNameOfFile(s, path);
  if (!name) return {};
  if (!FcConfigAppFontAddFile(s.config.get(), reinterpret_cast<const FcChar8*>(path.c_str()))) {
    return {};
  }
  s.namesByPath.emplace(path.string(), *name);
  s.resolvedByName.clear();
  return {std::move(name), true};
}

// The system font's files in the folder, sorted so that the configuration is the same on
// every run.
std::vector<fs::path> systemFontFiles(const fs::path& directory) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    if (name.starts_with(kSystemFontFilePrefix) && name.ends_with(kSystemFontFileExtension)) {
      files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

PangoFontMapHandle makeFontMap() {
  PangoFontMapHandle fontMap(pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT));
  if (fontMap && PANGO_IS_FC_FONT_MAP(fontMap.get())) {
    // Point sizes set with pango_font_description_set_size then mean units too.
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(fontMap.get()), 72);
    return fontMap;
  }
  logLine("PangoCairo has no FreeType font map; text is measured with PangoFT2 and cannot be drawn");
  PangoFontMapHandle ft2(pango_ft2_font_map_new());
  pango_ft2_font_map_set_resolution(PANGO_FT2_FONT_MAP(ft2.get()), 72, 72);
  return ft2;
}

// --- Resolving font names through fontconfig ---

// A number of the pattern; for a range (a variable font), the point of the range nearest to
// the preferred value.
double patternNumber(FcPattern* pattern, const char* object, double preferred) {
  FcValue value;
  if (FcPatternGet(pattern, object, 0, &value) != FcResultMatch) return preferred;
  switch (value.type) {
    case FcTypeInteger:
      return value.u.i;
    case FcTypeDouble:
      return value.u.d;
    case FcTypeRange: {
      double begin = preferred;
      double end = preferred;
      if (!FcRangeGetDouble(value.u.r, &begin, &end)) return preferred;
      return std::clamp(preferred, std::min(begin, end), std::max(begin, end));
    }
    default:
      return preferred;
  }
}

PangoWeight pangoWeight(double fcWeight) {
  double openType = FcWeightToOpenTypeDouble(fcWeight);
  if (!(openType > 0)) return PANGO_WEIGHT_NORMAL;
  return static_cast<PangoWeight>(std::lround(std::clamp(openType, 100.0, 1000.0)));
}

PangoStyle pangoStyle(double fcSlant) {
  if (fcSlant < (FC_SLANT_ROMAN + FC_SLANT_ITALIC) / 2.0) return PANGO_STYLE_NORMAL;
  if (fcSlant < (FC_SLANT_ITALIC + FC_SLANT_OBLIQUE) / 2.0) return PANGO_STYLE_ITALIC;
  return PANGO_STYLE_OBLIQUE;
}

PangoStretch pangoStretch(double fcWidth) {
  // fontconfig's widths in the order of PangoStretch.
  constexpr std::array<double, 9> widths = {
      FC_WIDTH_ULTRACONDENSED, FC_WIDTH_EXTRACONDENSED, FC_WIDTH_CONDENSED,
      FC_WIDTH_SEMICONDENSED,  FC_WIDTH_NORMAL,         FC_WIDTH_SEMIEXPANDED,
      FC_WIDTH_EXPANDED,       FC_WIDTH_EXTRAEXPANDED,  FC_WIDTH_ULTRAEXPANDED};
  size_t nearest = 0;
  for (size_t i = 1; i < widths.size(); ++i) {
    if (std::abs(widths[i] - fcWidth) < std::abs(widths[nearest] - fcWidth)) nearest = i;
  }
  return static_cast<PangoStretch>(nearest);
}

// The font listed for the name that is closest to an upright, normal-width, regular one.
std::optional<ResolvedFont> closestToRegular(FcFontSet* fonts) {
  std::optional<ResolvedFont> best;
  double bestDistance = 0;
  for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
    FcPattern* font = fonts->fonts[i];
    FcChar8* family = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch || family == nullptr) continue;
    double weight = patternNumber(font, FC_WEIGHT, FC_WEIGHT_REGULAR);
    double slant = patternNumber(font, FC_SLANT, FC_SLANT_ROMAN);
    double width = patternNumber(font, FC_WIDTH, FC_WIDTH_NORMAL);
    double distance = (slant == FC_SLANT_ROMAN ? 0 : 1e6) + std::abs(width - FC_WIDTH_NORMAL) * 1e3 +
                      std::abs(FcWeightToOpenTypeDouble(weight) - 400);
    if (!best || distance < bestDistance) {
      best = ResolvedFont{reinterpret_cast<const char*>(family), pangoWeight(weight), pangoStyle(slant),
                          pangoStretch(width)};
      bestDistance = distance;
    }
  }
  return best;
}

// With the lock held.
std::optional<ResolvedFont> resolveFontName(State& s, const std::string& name) {
  if (name.empty()) return std::nullopt;
  if (auto found = s.resolvedByName.find(name); found != s.resolvedByName.end()) return found->second;

  std::optional<ResolvedFont> resolved;
  for (const char* object : {FC_POSTSCRIPT_NAME, FC_FAMILY}) {
    FcPatternHandle pattern(FcPatternCreate());
    FcObjectSetHandle objects(FcObjectSetBuild(FC_FAMILY, FC_WEIGHT, FC_SLANT, FC_WIDTH, nullptr));
    if (!pattern || !objects) break;
    FcPatternAddString(pattern.get(), object, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcFontSetHandle fonts(FcFontList(s.config.get(), pattern.get(), objects.get()));
    resolved = closestToRegular(fonts.get());
    if (resolved) break;
  }
  s.resolvedByName.emplace(name, resolved);
  return resolved;
}

}  // namespace

// --- FontRegistry ---

FontRegistry& FontRegistry::shared() {
  static FontRegistry* const registry = new FontRegistry();
  return *registry;
}

FontRegistry::FontRegistry() {
  auto* s = new State();

  FT_Library freetype = nullptr;
  if (FT_Init_FreeType(&freetype) == 0) {
    s->freetype.reset(freetype);
  } else {
    logLine("FreeType cannot start; no font file can be registered");
  }

  // An empty configuration (no font folders, no rules), so that only the fonts registered
  // here exist for fontconfig and Pango, whatever the machine has installed.
  s->config.reset(FcConfigCreate());
  FcConfigBuildFonts(s->config.get());

  bool hasRegular = false;
  for (const fs::path& file : systemFontFiles(systemFontDirectory())) {
    Registration registration = addFontFile(*s, file);
    if (registration.name && file.filename() == kSystemFontRegularFile) hasRegular = true;
  }
  if (!hasRegular) {
    std::string message = "the system font is missing (no readable " + std::string(kSystemFontRegularFile) +
                          " in " + systemFontDirectory().string() +
                          "; install Debian's fonts-inter): text falls back to whatever Pango finds";
    logLine(message);
  }

  // Symbols the system font lacks ("⚬", most geometric shapes) come from one fixed fallback
  // rather than showing as boxes.
  if (!addFontFile(*s, kSymbolFallbackFile).name) {
    logLine(std::string("the symbol fallback font is missing (no readable ") + kSymbolFallbackFile +
            "; install Debian's fonts-dejavu-core): symbols the system font lacks show as boxes");
  }

  // Current before Pango starts, so that fontconfig never loads the machine's configuration.
  FcConfigSetCurrent(s->config.get());

  s->fontMap = makeFontMap();
  pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(s->fontMap.get()), s->config.get());

  sharedState = s;
}

std::optional<std::string> FontRegistry::registerFontFile(const std::filesystem::path& file) {
  State& s = state();
  std::lock_guard lock(s.mutex);
  Registration registration = addFontFile(s, file);
  if (registration.added) pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(s.fontMap.get()));
  return registration.name;
}

std::string FontRegistry::systemFontFamily() { return kSystemFontFamily; }

void setSystemFontDirectoryForTesting(const std::filesystem::path& directory) {
  systemFontDirectory() = directory;
}

// --- PangoFonts.h ---

std::unique_lock<std::recursive_mutex> lockFonts() { return std::unique_lock(state().mutex); }

PangoFontMap* fontMap() { return state().fontMap.get(); }

PangoContextHandle createPangoContext() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  PangoContextHandle context(pango_font_map_create_context(s.fontMap.get()));

  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  pango_cairo_context_set_font_options(context.get(), options);
  cairo_font_options_destroy(options);

  pango_context_set_round_glyph_positions(context.get(), FALSE);
  pango_context_set_language(context.get(), pango_language_from_string("en"));
  return context;
}

PangoFontDescriptionHandle fontDescriptionFor(const Font& font) {
  State& s = state();
  ResolvedFont resolved;
  {
    std::lock_guard lock(s.mutex);
    resolved = resolveFontName(s, font.name).value_or(systemResolvedFont());
  }

  // Sizes Pango can hold (it keeps them as int Pango units).
  constexpr double kLargestPointSize = 10000;
  double size = std::isfinite(font.pointSize) ? std::clamp(font.pointSize, 0.0, kLargestPointSize) : 0.0;

  PangoFontDescriptionHandle description(pango_font_description_new());
  pango_font_description_set_family(description.get(), resolved.family.c_str());
  pango_font_description_set_weight(description.get(), resolved.weight);
  pango_font_description_set_style(description.get(), resolved.style);
  pango_font_description_set_stretch(description.get(), resolved.stretch);
  pango_font_description_set_variant(description.get(), PANGO_VARIANT_NORMAL);
  pango_font_description_set_absolute_size(description.get(), size * PANGO_SCALE);
  return description;
}

LineMetrics lineMetrics(PangoContext* context, const PangoFontDescription* description) {
  auto lock = lockFonts();
  PangoFontHandle font(pango_context_load_font(context, description));
  if (!font) return {};
  PangoFontMetricsHandle metrics(pango_font_get_metrics(font.get(), pango_context_get_language(context)));
  if (!metrics) return {};
  return LineMetrics{pango_font_metrics_get_ascent(metrics.get()) / double(PANGO_SCALE),
                     pango_font_metrics_get_descent(metrics.get()) / double(PANGO_SCALE)};
}

}  // namespace platform::graphics
