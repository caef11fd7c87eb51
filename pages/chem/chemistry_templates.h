// Templates of the chemistry pages (Periodic Table, M.W/Grams Moles, Molecular Formula).
#pragma once

#include "framework/dialog_template.h"

namespace pages {

const framework::DialogTemplate* FindChemistryTemplate(int id);

}  // namespace pages
