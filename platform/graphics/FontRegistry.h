#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform::graphics {

// Font files registered for this process, named by their PostScript names, and the system
// font. The system font is a face the project installs (Inter), registered explicitly, so text
// measures and renders the same on every machine.
class FontRegistry {
 public:
  static FontRegistry& shared();

  // Registers the font file for this process and gives its PostScript name, or nothing when
  // the file is missing or not a readable font. Registering a file again is harmless.
  std::optional<std::string> registerFontFile(const std::filesystem::path& file);

  // The family name Pango knows the system font by.
  std::string systemFontFamily();

  FontRegistry(const FontRegistry&) = delete;
  FontRegistry& operator=(const FontRegistry&) = delete;

 private:
  FontRegistry();
};

}  // namespace platform::graphics
