#pragma once

namespace vantile::settings {

// Fills the editor's theme-library slots with this library (again is harmless).
void connectEditorToLibrary();

}  // namespace vantile::settings
