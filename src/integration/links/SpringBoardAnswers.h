#pragma once

namespace vantile::integration {

// Has SpringBoard answer what the theme controller asks of it: the installed apps as app
// records, their icon pictures and the artwork of what plays.
void answerControllerFromSpringBoard();

}  // namespace vantile::integration
