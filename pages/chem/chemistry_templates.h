// Templates of the chemistry pages (Periodic Table, M.W/Grams Moles, Molecular Formula).
#pragma once

#include "framework/dialog_template.h"

namespace res {

const framework::DialogTemplate* FindChemistryTemplate(int id);

}  // namespace res
