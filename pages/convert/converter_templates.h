// Templates of the fifteen factor-table converter pages.
#pragma once

#include "framework/dialog_template.h"

namespace res {

const framework::DialogTemplate* FindConverterTemplate(int id);

}  // namespace res
