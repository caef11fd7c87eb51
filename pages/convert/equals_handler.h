// The "=" button shared by the fifteen factor-table pages: pull the controls, rebuild
// both output texts (or say which choice is missing), push everything back.
#pragma once

#include "convert/converter.h"
#include "framework/property_page.h"

namespace convert {

// The members of a converter page that the "=" handler reads and writes. The value is
// read through the page's own member, which is a whole number on the Energy page.
struct EqualsMembers {
    const int& scientific;
    const int& decimals;
    const int& unit;
    CString& values;
    CString& names;
};

void ShowConversion(CPropertyPage& page, const Category& category, double value,
                    const EqualsMembers& members);

// The whole press of "=": the pull, the conversion of the pulled value, the push.
template <typename Value>
void OnConverterEquals(CPropertyPage& page, const Category& category, const Value& value,
                       const EqualsMembers& members)
{
    // A refused value has been reported by the pull; the previous value is converted
    // and written back, as the pages have always done.
    page.UpdateData(TRUE);
    ShowConversion(page, category, static_cast<double>(value), members);
    page.UpdateData(FALSE);
}

}  // namespace convert
