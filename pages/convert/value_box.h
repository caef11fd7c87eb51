// The value box of a converter tab (the fifteen and Temperature): what it takes, and the
// results that follow it as the person types.
//
// The box takes a plain number exactly as it always has, or an amount with units of its
// own tab ("3.5 m", "6 ft 2 in", "350F", "5 km to mi"), read by the core's query reader;
// the unit it names is picked in the unit list. Each change of the value, the unit, the
// decimals or Scientific Notation shows the results at once, or empties the result boxes
// while the inputs are incomplete, without a message: "=" still says what is wrong.
#pragma once

#include <span>

#include "framework/property_page.h"

// Exchanges a converter tab's value box with its value member. A pull reads an amount
// with a unit of the tab as well as a plain number, and then picks that unit, in the
// unit member and in the list alike, whichever of the two the page pulls first; a unit
// of another tab is refused with the core's sentence that names the tab, anything else
// with the number rule's own message.
void DDX_Amount(CDataExchange* pDX, int id, double& value, int& unit);
void DDX_Amount(CDataExchange* pDX, int id, int& value, int& unit);

namespace convert {

// Shows what the tab's inputs give as they stand, after the person changed the value
// box (whose unit, if it names one, is then picked in the list) or a choice (a pick in
// a list or the check box, which then keeps its unit: an amount with a unit in the box
// gives way to its plain amount). An amount that asks for target units marks their
// lines in both result boxes.
void ShowValueChange(CPropertyPage& page);
void ShowChoiceChange(CPropertyPage& page);

// Marks the lines of `targets` (the tab's unit indices) in both result boxes, as the
// tab shows them for a conversion from `unit`.
void MarkTargets(CPropertyPage& page, int unit, std::span<const int> targets);

}  // namespace convert

// The message map entries of a converter tab's inputs: the value box goes to
// valueFxn, the unit list, the decimals list and the check box to choiceFxn.
#define ON_CONVERTER_INPUTS(value, unit, scientific, decimals, valueFxn, choiceFxn) \
    ON_EN_CHANGE(value, valueFxn), ON_CBN_SELCHANGE(unit, choiceFxn),               \
        ON_CBN_EDITCHANGE(unit, choiceFxn), ON_CBN_SELCHANGE(decimals, choiceFxn),  \
        ON_CBN_EDITCHANGE(decimals, choiceFxn), ON_BN_CLICKED(scientific, choiceFxn)
