#include "platform/graphics/FontFamilies.h"

#include <hb-ot.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "platform/graphics/PangoFonts.h"

namespace platform::graphics {

namespace {

template <typename T>
using GArray = std::unique_ptr<T*[], GFreeDeleter>;

// The name table of the face Pango loads for the description; nothing when it has none.
std::optional<std::string> postScriptName(PangoContext* context, PangoFontFace* face) {
  const PangoFontDescriptionHandle description(pango_font_face_describe(face));
  const PangoFontHandle font(pango_font_map_load_font(fontMap(), context, description.get()));
  if (!font) return std::nullopt;
  hb_font_t* hbFont = pango_font_get_hb_font(font.get());
  if (!hbFont) return std::nullopt;
  std::array<char, 256> buffer{};
  unsigned int size = static_cast<unsigned int>(buffer.size());
  hb_ot_name_get_utf8(hb_font_get_face(hbFont), HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size,
                      buffer.data());
  if (size == 0) return std::nullopt;
  return std::string(buffer.data(), size);
}

FontFamily describeFamily(PangoContext* context, PangoFontFamily* family) {
  FontFamily described{pango_font_family_get_name(family), {}};
  PangoFontFace** faces = nullptr;
  int faceCount = 0;
  pango_font_family_list_faces(family, &faces, &faceCount);
  const GArray<PangoFontFace> ownedFaces(faces);
  for (int index = 0; index < faceCount; ++index) {
    if (auto name = postScriptName(context, faces[index])) described.fontNames.push_back(std::move(*name));
  }
  return described;
}

}  // namespace

std::vector<FontFamily> fontFamilies() {
  const auto lock = lockFonts();
  const PangoContextHandle context = createPangoContext();
  PangoFontFamily** families = nullptr;
  int familyCount = 0;
  pango_font_map_list_families(fontMap(), &families, &familyCount);
  const GArray<PangoFontFamily> ownedFamilies(families);
  std::vector<FontFamily> described;
  for (int index = 0; index < familyCount; ++index) described.push_back(describeFamily(context.get(), families[index]));
  std::ranges::sort(described, {}, &FontFamily::name);
  return described;
}

}  // namespace platform::graphics
