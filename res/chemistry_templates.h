// Templates of the chemistry pages (Periodic Table, M.W/Grams Moles, Molecular Formula).
#pragma once

#include "res/dialog_template.h"

namespace res {

const DialogTemplate* FindChemistryTemplate(int id);

}  // namespace res
