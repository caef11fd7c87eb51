// Templates of the Temperature, About and blank pages, and the lookup of every template
// by its resource id.
#include <array>

#include "convert/temperature_formula.h"
#include "pages/page_templates.h"

#include "pages/chem/chemistry_templates.h"
#include "pages/convert/converter_templates.h"
#include "res/resource.h"

namespace pages {

using namespace framework;

namespace {

constexpr ControlTemplate kTemperatureControls[]{
    {ControlKind::Edit, IDC_TEMPERATURE_VALUE, {15, 18, 23, 14}, "Value"},
    {ControlKind::ComboBox,
     IDC_TEMPERATURE_UNIT,
     {47, 18, 133, 59},
     "Unit",
     kNone,
     convert::kTemperatureListItems},
    {ControlKind::PushButton, IDC_TEMPERATURE_EQUALS, {185, 18, 31, 14}, "=", kDefaultButton},
    {ControlKind::Edit,
     IDC_TEMPERATURE_VALUES,
     {227, 21, 56, 20},
     "Converted values",
     kMultiLine | kReadOnly | kNoBorder | kScrollsTogether | kTableColumn},
    {ControlKind::GroupBox, kNoId, {221, 14, 171, 31}},
    {ControlKind::Edit,
     IDC_TEMPERATURE_NAMES,
     {287, 21, 99, 19},
     "Units",
     kMultiLine | kReadOnly | kNoBorder | kScrollsTogether | kTableColumn},
    {ControlKind::Edit,
     IDC_TEMPERATURE_FORMULA,
     {15, 43, 198, 43},
     "Formulas",
     kMultiLine | kReadOnly | kNoBorder | kTableNote},
    {ControlKind::GroupBox, kNoId, {6, 3, 395, 199}},
    {ControlKind::Picture,
     kNoId,
     {15, 3, 103, 10},
     "Temperature Converter",
     kNone,
     {},
     IDB_TEMPERATURE},
};

// The author and addresses are the product's own placeholder identity.
constexpr ControlTemplate kAboutControls[]{
    {ControlKind::Static, kNoId, {70, 27, 90, 10}, "Written By: Velkari Software"},
    {ControlKind::Static,
     kNoId,
     {41, 65, 180, 8},
     "Questions/Comments/Suggestions: support@velkari.example"},
    {ControlKind::Picture, kNoId, {4, 9, 32, 30}, "Velkari logo", kNone, {}, IDB_ABOUT_LOGO},
    {ControlKind::GroupBox, kNoId, {41, 6, 150, 49}, "This Product is"},
    {ControlKind::Static,
     kNoId,
     {41, 79, 178, 8},
     "For more information:   https://www.velkari.example"},
};

constexpr std::array kPageTemplates{
    DialogTemplate{IDD_TEMPERATURE, "Temperature", 408, 209, "MS Sans Serif", 8,
                   kTemperatureControls},
    DialogTemplate{IDD_ABOUT, "About", 259, 119, "MS Sans Serif", 8, kAboutControls},
    // The empty first page: no title, no controls.
    DialogTemplate{IDD_FIRST_PAGE, "", 326, 201, "MS Sans Serif", 8, {}},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate& t : kPageTemplates) {
        if (t.id == id) {
            return &t;
        }
    }
    if (const DialogTemplate* t = FindConverterTemplate(id)) {
        return t;
    }
    return FindChemistryTemplate(id);
}

}  // namespace pages
