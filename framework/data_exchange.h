// Data exchange between a page's members and its controls. A pull reads every bound
// control into its member in the page's exchange order and stops at the first text a
// field refuses, after telling the user why; a push writes every member into its
// control. Numbers are read and written with "." whatever the user's locale.
//
// What the user typed is never lost to a refusal: the push that follows a refused pull
// leaves alone the refused control and every control the user fills in that the pull
// did not reach, so that the refused text stays to be corrected and nothing chosen after
// it is put back to what the members held. The page's outputs are written as usual.
#pragma once

#include <optional>
#include <utility>
#include <vector>

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

    // What a refused pull leaves for the push after it: the refused control and the
    // controls the pull read before it.
    struct Refusal {
        QWidget* refused = nullptr;
        std::vector<QWidget*> taken;
    };
    // The refusal of this pull, when it was refused.
    const std::optional<Refusal>& refusal() const { return m_refusal; }
    // Makes this push leave alone what `refusal` says the user still has to correct.
    void KeepTyped(std::optional<Refusal> refusal) { m_keep = std::move(refusal); }
    // Whether this push leaves the control as the user left it.
    bool Keeps(const QWidget* control) const;

    BOOL m_bSaveAndValidate;  // TRUE: pull controls into members; FALSE: push
    CPropertyPage* m_pDlgWnd;
    // TRUE for the pull before the page is left: a list's typed text that names no item
    // is taken as no item rather than refused, so that a half-typed name never keeps
    // the person on the page. A number is refused either way.
    BOOL m_bLeavingPage = FALSE;

private:
    QWidget* m_lastControl = nullptr;
    std::vector<QWidget*> m_taken;  // by a pull, in exchange order
    std::optional<Refusal> m_refusal;
    std::optional<Refusal> m_keep;
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct DataExchangeRefused {};

void DDX_Text(CDataExchange* pDX, int id, double& value);
// A number box that may show no number: empty text is no value, and no value empties it.
void DDX_Text(CDataExchange* pDX, int id, std::optional<double>& value);
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
