// Templates of the fifteen factor-table converter pages.
#pragma once

#include "framework/dialog_template.h"

namespace pages {

const framework::DialogTemplate* FindConverterTemplate(int id);

}  // namespace pages
