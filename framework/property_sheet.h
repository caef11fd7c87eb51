// A property sheet: a modal window of tabs, one property page each, over a row of
// OK, Cancel, Apply and Help buttons. A page's controls are created the first time
// its tab is shown; leaving a tab pulls its page and is refused when the pull fails.
// Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp move to the next and previous
// tab, wrapping around; Esc closes the sheet like Cancel.
#pragma once

#include <QDialog>
#include <vector>

#include "framework/afx_types.h"
#include "framework/message_map.h"

class CPropertyPage;
class QStackedWidget;
class QTabBar;

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

    QTabBar* GetTabControl() const { return m_tabs; }
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

private:
    void OnTabChosen(int index);
    void FocusFirstControl(CPropertyPage* page);
    // Moves by step tabs from the current one, wrapping around at either end.
    void StepActivePage(int step);
    void AddTabShortcuts();
    void ApplyStyle();

    std::vector<CPropertyPage*> m_pages;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_stack = nullptr;
    int m_active = -1;
    UINT m_firstPage;
    DWORD m_style = 0;
    bool m_created = false;
};
