#include "framework/property_sheet.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <algorithm>

#include "framework/property_page.h"
#include "framework/startup_trace.h"
#include "framework/tab_ctrl.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CCmdTarget)

namespace {

constexpr int kMargin = 7;
constexpr int kButtonGap = 6;
const QSize kButtonSize(75, 23);

struct SheetButton {
    int id;
    const char* caption;
};

// The platform's button row, left to right.
constexpr SheetButton kButtons[]{
    {IDOK, "OK"}, {IDCANCEL, "Cancel"}, {ID_APPLY_NOW, "&Apply"}, {IDHELP, "Help"}};

// The page's first control that Tab would reach, in tab order; null when it has none.
QWidget* FirstTabStop(QWidget* page)
{
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->focusProxy() == nullptr && w->isEnabled() &&
            w->isVisibleTo(page) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            return w;
        }
    }
    return nullptr;
}

}  // namespace

CPropertySheet::CPropertySheet(const CString& caption, QWidget* pParentWnd, UINT iSelectPage)
    : QDialog(pParentWnd), m_firstPage(iSelectPage)
{
    setWindowTitle(caption);
}

CPropertySheet::~CPropertySheet()
{
    // The pages belong to whoever made them. A page destroyed before the sheet has
    // already left the stack; let the others go before Qt would delete them.
    while (m_stack != nullptr && m_stack->count() > 0) {
        QWidget* page = m_stack->widget(0);
        m_stack->removeWidget(page);
        page->setParent(nullptr);
    }
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
    if (m_created) {
        m_stack->addWidget(page);
        m_tabs->addTab(page->Title());
        LayOutSheet();
    }
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<std::size_t>(index)]
                                                : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(m_active);
}

bool CPropertySheet::SetActivePage(int index)
{
    CPropertyPage* next = GetPage(index);
    if (next == nullptr) {
        return false;
    }
    if (index == m_active) {
        return true;
    }
    if (CPropertyPage* current = GetActivePage(); current != nullptr && !current->OnKillActive()) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_active);
        return false;
    }
    m_active = index;
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(index);
    }
    m_stack->setCurrentWidget(next);
    next->CreatePageWindow();
    next->OnSetActive();
    FocusAfterSwitch(next);
    return true;
}

int CPropertySheet::DoModal()
{
    CreateSheetWindow();
    framework::TraceStartup("sheet created");
    OnInitDialog();
    framework::TraceStartup("first page built");
    framework::TraceFirstPaint(this);
    return exec();
}

void CPropertySheet::Create()
{
    CreateSheetWindow();
    OnInitDialog();
    show();
}

QWidget* CPropertySheet::GetDlgItem(int id) const
{
    return framework::GetDlgItem(this, id);
}

void CPropertySheet::ModifyStyle(DWORD remove, DWORD add)
{
    m_style = (m_style & ~remove) | add;
    if (m_created) {
        ApplyStyle();
    }
}

BOOL CPropertySheet::OnInitDialog()
{
    SetActivePage(static_cast<int>(m_firstPage));
    return TRUE;
}

void CPropertySheet::CreateSheetWindow()
{
    if (m_created) {
        return;
    }
    m_created = true;

    m_tabs = new CTabCtrl(this);
    m_stack = new QStackedWidget(this);
    m_stack->setFrameShape(QFrame::StyledPanel);

    QSize pageSize(0, 0);
    for (CPropertyPage* page : m_pages) {
        pageSize = pageSize.expandedTo(page->size());
        m_stack->addWidget(page);
        m_tabs->addTab(page->Title());
    }
    const int frame = m_stack->frameWidth();
    m_stackSize = pageSize + QSize(2 * frame, 2 * frame);
    for (const SheetButton& b : kButtons) {
        auto* button = new QPushButton(tr(b.caption), this);
        framework::SetControlId(button, b.id);
        button->setAutoDefault(false);
        button->resize(kButtonSize);
    }
    connect(static_cast<QPushButton*>(GetDlgItem(IDOK)), &QPushButton::clicked, this,
            &CPropertySheet::accept);
    connect(static_cast<QPushButton*>(GetDlgItem(IDCANCEL)), &QPushButton::clicked, this,
            &CPropertySheet::reject);
    GetDlgItem(ID_APPLY_NOW)->setEnabled(false);
    connect(m_tabs, &CTabCtrl::currentChanged, this, &CPropertySheet::OnTabChosen);
    AddTabShortcuts();

    m_buttonRowHeight = std::max(m_buttonRowHeight, kButtonSize.height());
    resize(SheetSize());
    LayOutSheet();
    ApplyStyle();
}

void CPropertySheet::accept()
{
    if (CPropertyPage* current = GetActivePage(); current != nullptr && !current->OnKillActive()) {
        return;
    }
    QDialog::accept();
}

void CPropertySheet::resizeEvent(QResizeEvent* event)
{
    if (m_created) {
        LayOutSheet();
    }
    QDialog::resizeEvent(event);
}

void CPropertySheet::SetButtonRowHeight(int height)
{
    m_buttonRowHeight = std::max(height, kButtonSize.height());
    if (m_created) {
        ApplyStyle();
        LayOutSheet();
    }
}

QRect CPropertySheet::ButtonRow() const
{
    const QRect last = GetDlgItem(kButtons[std::size(kButtons) - 1].id)->geometry();
    const int top = m_stack->geometry().bottom() + 1 + kMargin;
    return {QPoint(m_tabs->geometry().left(), top),
            QPoint(last.right(), top + m_buttonRowHeight - 1)};
}

QSize CPropertySheet::SheetSize() const
{
    const int tabsWidth = std::max(m_stackSize.width(), m_tabs->minimumSizeHint().width());
    return {kMargin + tabsWidth + kMargin, kMargin + m_tabs->heightForWidth(tabsWidth) +
                                               m_stackSize.height() + kMargin + m_buttonRowHeight +
                                               kMargin};
}

// The pages keep their size and the buttons their place under the pages, so nothing
// on a page is ever out of sight; the window cannot be made smaller than that.
void CPropertySheet::LayOutSheet()
{
    const QSize sheet = SheetSize();
    const QPoint origin(std::max(0, (width() - sheet.width()) / 2),
                        std::max(0, (height() - sheet.height()) / 2));
    const int tabsWidth = sheet.width() - 2 * kMargin;
    m_tabs->setGeometry(origin.x() + kMargin, origin.y() + kMargin, tabsWidth,
                        m_tabs->heightForWidth(tabsWidth));
    m_stack->setGeometry(
        QRect(QPoint(origin.x() + kMargin, m_tabs->geometry().bottom() + 1), m_stackSize));

    // The buttons stand right-aligned under the pages, in the platform's order.
    const int buttonTop =
        m_stack->geometry().bottom() + 1 + kMargin + (m_buttonRowHeight - kButtonSize.height()) / 2;
    int x = m_stack->geometry().right() + 1 -
            static_cast<int>(std::size(kButtons)) * (kButtonSize.width() + kButtonGap) + kButtonGap;
    for (const SheetButton& b : kButtons) {
        GetDlgItem(b.id)->move(x, buttonTop);
        x += kButtonSize.width() + kButtonGap;
    }
}

// On the tabs when they had it (a click, the arrow keys); else on the new page's first
// control, so that keys typed after Ctrl+PgDn reach it; on the tabs when the page has
// no control to type into or press.
void CPropertySheet::FocusAfterSwitch(CPropertyPage* page)
{
    if (focusWidget() == m_tabs) {
        return;
    }
    QWidget* first = FirstTabStop(page);
    (first != nullptr ? first : m_tabs)->setFocus(Qt::TabFocusReason);
    // As Tab does: what is typed next replaces the text.
    if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        edit->selectAll();
    }
}

void CPropertySheet::OnTabChosen(int index)
{
    // The tab bar moves first; put it back until the current page lets go.
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_active);
    }
    SetActivePage(index);
}

void CPropertySheet::StepActivePage(int step)
{
    const int count = GetPageCount();
    if (count > 0) {
        SetActivePage(((m_active + step) % count + count) % count);
    }
}

// The keys work wherever the focus is on the sheet. A keyboard sends Ctrl+Shift+Tab as
// Backtab with Shift held; both spellings are bound.
void CPropertySheet::AddTabShortcuts()
{
    const struct {
        QList<QKeySequence> keys;
        int step;
    } moves[]{
        {{QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1},
        {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
         -1},
    };
    for (const auto& move : moves) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(move.keys);
        connect(shortcut, &QShortcut::activated, this,
                [this, step = move.step] { StepActivePage(step); });
    }
}

// Without a sizing frame the window keeps the sheet's size; with one it can grow.
void CPropertySheet::ApplyStyle()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((m_style & WS_MINIMIZEBOX) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    const QSize sheet = SheetSize();
    if ((m_style & WS_THICKFRAME) != 0) {
        setMinimumSize(sheet);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size().expandedTo(sheet));
    } else {
        setFixedSize(sheet);
    }
    if (wasVisible) {
        show();
    }
}
