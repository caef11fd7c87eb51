// What the product gives the framework at start-up: its name, desktop id and image
// folder, with the dialog templates the program brings (they live beside the pages).
#pragma once

#include "framework/app_resources.h"

namespace res {

using TemplateFinder = const framework::DialogTemplate* (*)(int id);

// The converter window's identity.
framework::AppResources AppResources(TemplateFinder findTemplate);
// The chemistry window's identity: its own name and desktop entry, the same pictures.
framework::AppResources ChemistryAppResources(TemplateFinder findTemplate);

}  // namespace res
