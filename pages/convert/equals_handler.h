// The "=" button shared by the fifteen factor-table pages: pull the controls, rebuild
// both output texts (or say which choice is missing), push everything back. A field
// that refuses its text converts nothing; Temperature's "=" pulls the same way.
#pragma once

#include <initializer_list>

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

// The pull of a press of "=". When a field refuses its text, nothing is converted: the
// outputs are emptied and pushed, and the refused text stays for the user to correct.
bool PullForEquals(CPropertyPage& page, std::initializer_list<CString*> outputs);

// The whole press of "=": the pull, the conversion of the pulled value, the push.
template <typename Value>
void OnConverterEquals(CPropertyPage& page, const Category& category, const Value& value,
                       const EqualsMembers& members)
{
    if (!PullForEquals(page, {&members.values, &members.names})) {
        return;
    }
    ShowConversion(page, category, static_cast<double>(value), members);
    page.UpdateData(FALSE);
}

}  // namespace convert
