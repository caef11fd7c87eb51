// What the product gives the framework at start-up: its name, desktop id, image folder
// and dialog templates.
#pragma once

#include "framework/app_resources.h"

namespace res {

const framework::AppResources& AppResources();

// The template with that resource id, or null.
const framework::DialogTemplate* FindDialogTemplate(int id);

}  // namespace res
