#pragma once

namespace vantile::integration {

// Has SpringBoard answer what the theme controller asks of it: the installed apps as app
// records and their icon pictures.
void answerControllerFromSpringBoard();

}  // namespace vantile::integration
