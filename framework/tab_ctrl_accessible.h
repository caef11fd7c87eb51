// What a screen reader sees of the property sheet's tab control: a page tab list with
// one page tab per tab, each named by its caption, selected when current, pressed to
// choose it.
#pragma once

class CTabCtrl;

// Makes the accessibility layer describe every CTabCtrl this way; idempotent.
void InstallTabCtrlAccessible();

// Tells assistive technology that the tab became current (and focused, when the control
// has the focus).
void NotifyTabSelected(CTabCtrl* tabs, int index);
