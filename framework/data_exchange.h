// Data exchange between a page's members and its controls. A pull reads every bound
// control into its member in the page's exchange order and stops at the first text a
// field refuses, after telling the user why; a push writes every member into its
// control. Numbers are read and written with "." whatever the user's locale.
#pragma once

#include "framework/afx_types.h"

#include <QString>

class CPropertyPage;
class QComboBox;
class QWidget;

class CDataExchange {
public:
    CDataExchange(CPropertyPage* dialog, BOOL saveAndValidate);

    // The bound control with that id. A missing control is a fault in the page's
    // template, not in what the user did: the program stops with a message.
    QWidget* PrepareCtrl(int id);

    // Tells the user why the prepared control's text was refused, puts the focus back
    // on that control and ends the pull there.
    [[noreturn]] void Fail(const CString& message);

    BOOL m_bSaveAndValidate;  // TRUE: pull controls into members; FALSE: push
    CPropertyPage* m_pDlgWnd;

private:
    QWidget* m_lastControl = nullptr;
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct DataExchangeRefused {};

void DDX_Text(CDataExchange* pDX, int id, double& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
// A whole number from smallest to largest; any other is refused with that range.
void DDX_Text(CDataExchange* pDX, int id, int& value, int smallest, int largest);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_Check(CDataExchange* pDX, int id, int& value);

namespace framework {

// A control's text as a pull reads it ("\r\n" line ends in a multi-line box), and as a
// push writes it.
QString ControlText(const QWidget* control);
void SetControlText(QWidget* control, const QString& text);
// A list's selection as a pull reads it: the item whose text a list with an edit field
// shows, else its chosen item; -1 for none.
int ListIndex(const QComboBox* list);

}  // namespace framework
