// What the product gives the framework at start-up: its name, desktop id, image folder
// and dialog templates.
#pragma once

#include "framework/app_resources.h"

namespace res {

// The converter window's identity.
const framework::AppResources& AppResources();
// The chemistry window's identity: its own name and desktop entry, the same pictures
// and templates.
const framework::AppResources& ChemistryAppResources();

// The template with that resource id, or null.
const framework::DialogTemplate* FindDialogTemplate(int id);

}  // namespace res
