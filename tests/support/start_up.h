// Runs the product's real start-up in a test and hands over its window while the
// window's modal loop runs.
#pragma once

#include <functional>

#include "framework/afx_types.h"
#include "framework/app_resources.h"

class CTessaralDlg;
class CPropertyPage;
class QWidget;

namespace testing_support {

// The window's tabs by place, as the tests name them: the sixteen converters, then About.
inline constexpr int kConverterTabs = 16;
inline constexpr int kLengthTab = 6;
inline constexpr int kSpeedTab = 10;
inline constexpr int kTemperatureTab = 11;
inline constexpr int kTorqueTab = 13;
inline constexpr int kWeightTab = 15;
inline constexpr int kAboutTab = 16;

// Runs the program's start-up, the InitInstance of its one application object (the
// converter's or the chemistry window's, whichever the test program links); check gets
// the window once it is shown and active.
// The window is closed with its "Exit" button afterwards, unless check closed it.
// Returns what InitInstance returned.
BOOL RunStartUp(const std::function<void(CTessaralDlg&)>& check);

// Makes tab the current one and returns its page; fails the test when it cannot.
CPropertyPage& ShowTab(CTessaralDlg& sheet, int tab);

// The template the page was built from.
const framework::DialogTemplate& TemplateOf(const CPropertyPage& page);

// The id of the page's first control of that kind, in template order, whose style has
// every flag of style; -1 when there is none.
int FirstControl(const CPropertyPage& page, framework::ControlKind kind,
                 unsigned style = framework::kNone);

// The page's control that holds the keyboard focus (the list of a list's edit field),
// or null when the focus is elsewhere.
QWidget* FocusedControl(CPropertyPage& page);

}  // namespace testing_support
