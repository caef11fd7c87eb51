// Templates of the fifteen factor-table converter pages.
#pragma once

#include <string_view>

#include "framework/dialog_template.h"

namespace pages {

const framework::DialogTemplate* FindConverterTemplate(int id);

// The controls a conversion is typed into on a converter tab (the fifteen and
// Temperature): the tab's template, value box, unit list and "=".
struct UnitControls {
    std::string_view caption;  // the tab's caption, "Length"
    int templateId;
    int value;
    int unit;
    int equals;
};

// The converter tab with that caption, or null.
const UnitControls* UnitControlsOf(std::string_view caption);
// The converter tab whose unit list is control controlId of template templateId, or null.
const UnitControls* UnitControlsOf(int templateId, int controlId);

}  // namespace pages
