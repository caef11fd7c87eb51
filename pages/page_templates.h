// Every dialog template of the product, by its resource id: what a program gives the
// framework at start-up to build its pages from.
#pragma once

#include "framework/dialog_template.h"

namespace pages {

// The template with that resource id, or null.
const framework::DialogTemplate* FindDialogTemplate(int id);

}  // namespace pages
