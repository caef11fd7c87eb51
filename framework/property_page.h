// A property page: one tab of a property sheet, built from its dialog template the
// first time its tab is shown, with members bound to its controls by data exchange.
#pragma once

#include <QWidget>
#include <optional>

#include "framework/afx_types.h"
#include "framework/data_exchange.h"
#include "framework/message_map.h"

namespace framework {
struct DialogTemplate;
}

class CPropertyPage : public QWidget, public CCmdTarget {
    DECLARE_DYNAMIC(CPropertyPage)

public:
    // The tab caption is the template's title.
    explicit CPropertyPage(UINT nIDTemplate);
    ~CPropertyPage() override;

    // TRUE pulls the controls into the members, FALSE pushes the members into the
    // controls. A pull returns FALSE when a field refused its text; then the pushes of
    // the same command leave that field, and the fields the user fills in that the
    // pull did not reach, as the user left them.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Runs when the page's window has been created: pushes the members.
    virtual BOOL OnInitDialog();
    // Runs before the sheet leaves this page: pulls the members; FALSE keeps the page.
    virtual BOOL OnKillActive();
    // Runs when the page becomes the sheet's current page.
    virtual BOOL OnSetActive();

    int MessageBox(const CString& text, const CString& caption, UINT type);
    QWidget* GetDlgItem(int id) const;

    // One control read or written alone, as a handler that answers each keystroke does
    // without a pull (which would stop at the first field that is not yet a number): its
    // text, a list's selection (as a pull reads it; -1 for none), a check box's state.
    CString GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const CString& text);
    int GetCurSel(int id) const;
    void SetCurSel(int id, int index);
    BOOL IsDlgButtonChecked(int id) const;
    // Selects one line of a multi-line box and scrolls it into sight; a screen reader is
    // told of the selection as of any other.
    void SelectLine(int id, int line);

    UINT TemplateId() const { return m_nIDTemplate; }
    CString Title() const;

    // Creates the page's controls from its template, once; then OnInitDialog.
    void CreatePageWindow();
    bool IsWindowCreated() const { return m_created; }

    // The caption of the framework's own messages.
    static CString ApplicationName();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    UINT m_nIDTemplate;
    const framework::DialogTemplate* m_template;
    bool m_created = false;
    std::optional<CDataExchange::Refusal> m_refusal;  // of the current command's last pull
    int m_commandDepth = 0;                           // commands running, one inside another
};
