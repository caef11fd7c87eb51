#include "pages/convert/equals_handler.h"

#include "convert/messages.h"
#include "framework/text.h"

namespace convert {

using framework::ToQString;

bool PullForEquals(CPropertyPage& page, std::initializer_list<CString*> outputs)
{
    if (page.UpdateData(TRUE)) {
        return true;
    }
    for (CString* output : outputs) {
        output->clear();
    }
    page.UpdateData(FALSE);
    return false;
}

void ShowConversion(CPropertyPage& page, const Category& category, double value,
                    const EqualsMembers& members)
{
    members.values.clear();
    members.names.clear();
    if (members.unit == -1) {
        page.MessageBox(ToQString(kIncompleteText), ToQString(kIncompleteCaption),
                        MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    const auto text =
        ConvertAll(category, value, members.unit, members.scientific, members.decimals);
    if (!text) {
        // The unit is one of the list's, so only a value too large for some unit is left.
        page.MessageBox(ToQString(kTooLargeText), CPropertyPage::ApplicationName(),
                        MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    members.values = ToQString(text->values);
    members.names = ToQString(text->labels);
}

}  // namespace convert
