// Templates of the chemistry pages.
#include "res/chemistry_templates.h"

namespace res {

const DialogTemplate* FindChemistryTemplate(int /*id*/)
{
    return nullptr;
}

}  // namespace res
