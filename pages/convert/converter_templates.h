// Templates of the fifteen factor-table converter pages.
#pragma once

#include <string_view>

#include "framework/dialog_template.h"

namespace pages {

const framework::DialogTemplate* FindConverterTemplate(int id);

// The controls of a converter tab (the fifteen and Temperature): what a conversion is
// typed into and where it is shown. Temperature has no check box nor decimals (0), and
// alone a formula box.
struct UnitControls {
    std::string_view caption;  // the tab's caption, "Length"
    int templateId;
    int value;
    int unit;
    int equals;
    int scientific;
    int decimals;
    int values;
    int labels;
    int formula;
};

// The converter tab with that caption, or null.
const UnitControls* UnitControlsOf(std::string_view caption);
// The converter tab built from that template, or null.
const UnitControls* UnitControlsOf(int templateId);
// The converter tab whose unit list is control controlId of template templateId, or null.
const UnitControls* UnitControlsOf(int templateId, int controlId);

}  // namespace pages
