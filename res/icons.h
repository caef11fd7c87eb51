// The two programs' window icons, compiled in from res/icons/ at build time
// (res/tools/compile_icon), so that the window manager gets its icon at the map without
// an image reader.
#pragma once

#include "framework/compiled_icon.h"

namespace res {

extern const framework::CompiledIcon kConverterIcon;  // res/icons/128.png
extern const framework::CompiledIcon kChemistryIcon;  // res/icons/velkari-chemistry-48.png

}  // namespace res
