#pragma once

namespace vantile::integration {

// The answers to the tweak's Darwin notifications (besides the settings loaders).
void lockScreenThemeChanged();
void homeScreenThemeChanged();
void openSettingsPane();
void openNotificationCenter();
void toggleFlashlight();

}  // namespace vantile::integration
