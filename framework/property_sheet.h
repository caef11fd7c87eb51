// A property sheet: a modal window of tabs, one property page each, over a row of
// OK, Cancel, Apply and Help buttons. A page's controls are created the first time
// its tab is shown; leaving a tab pulls its page and is refused when the pull fails.
// Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp move to the next and previous
// tab, wrapping around; Esc closes the sheet like Cancel. The tabs stand on as many rows
// as the pages' width needs. A resizable sheet cannot be made smaller than its tabs,
// pages and buttons; a larger window keeps them together in its middle.
#pragma once

#include <QDialog>
#include <vector>

#include "framework/afx_types.h"
#include "framework/message_map.h"

class CPropertyPage;
class CTabCtrl;
class QStackedWidget;

class CPropertySheet : public QDialog, public CCmdTarget {
    DECLARE_DYNAMIC(CPropertySheet)

public:
    explicit CPropertySheet(const CString& caption, QWidget* pParentWnd = nullptr,
                            UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // Appends the page as the next tab. The sheet does not own the page.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return m_active; }

    // Makes the page current, after pulling the current one; false when that pull
    // was refused and the current page stays.
    bool SetActivePage(int index);

    // Creates the window and runs it until the user closes it.
    int DoModal();
    // Creates the window and shows it without waiting (a modeless sheet).
    void Create();

    CTabCtrl* GetTabControl() const { return m_tabs; }
    // The row of buttons under the pages, from the left edge of the tabs to the right
    // edge of the last button, in window coordinates.
    QRect ButtonRow() const;
    QWidget* GetDlgItem(int id) const;

    // The window's style bits (WS_MINIMIZEBOX, WS_THICKFRAME).
    DWORD GetStyle() const { return m_style; }
    void ModifyStyle(DWORD remove, DWORD add);

protected:
    // Runs once the window and its buttons exist, before it is shown: shows the first
    // page. A sheet that overrides it calls this one.
    virtual BOOL OnInitDialog();

    // Creates the tabs, the page area and the button row; DoModal calls it once.
    void CreateSheetWindow();

    void accept() override;
    void resizeEvent(QResizeEvent* event) override;

    // Makes the row of buttons at least this high (for something drawn beside them);
    // the buttons stand in its middle.
    void SetButtonRowHeight(int height);

private:
    void OnTabChosen(int index);
    // Moves by step tabs from the current one, wrapping around at either end.
    void StepActivePage(int step);
    void AddTabShortcuts();
    void ApplyStyle();
    // The tabs as wide as the pages, the pages under them, then the row of buttons.
    QSize SheetSize() const;
    // Places that block in the middle of the window, or at its top left when the
    // window is no larger.
    void LayOutSheet();
    // After a switch the keyboard goes on where a person can see it.
    void FocusAfterSwitch(CPropertyPage* page);

    std::vector<CPropertyPage*> m_pages;
    CTabCtrl* m_tabs = nullptr;
    QStackedWidget* m_stack = nullptr;
    QSize m_stackSize;
    int m_buttonRowHeight = 0;
    int m_active = -1;
    UINT m_firstPage;
    DWORD m_style = 0;
    bool m_created = false;
};
