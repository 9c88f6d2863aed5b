#pragma once

namespace vantile::integration {

// Has SpringBoard answer what the theme controller asks of it: the installed apps as app
// records and their icon pictures, battery, power, signal and Wi-Fi, and what plays.
void answerControllerFromSpringBoard();

}  // namespace vantile::integration
