// Templates of the fifteen factor-table converter pages.
#pragma once

#include "res/dialog_template.h"

namespace res {

const DialogTemplate* FindConverterTemplate(int id);

}  // namespace res
