// Fonts named by a dialog template are chosen once, not searched for at each use.
#pragma once

#include <QString>

namespace framework {

// `family` where it is installed; else the installed family that draws the desktop's
// general UI font. A family that is not installed would otherwise cost a fallback
// search every time a new size or style of it is first used, and land on the same
// font. Chosen at the first ask for each family and kept for the program's life.
QString ChosenFamily(const QString& family);

}  // namespace framework
