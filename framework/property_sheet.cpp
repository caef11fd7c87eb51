#include "framework/property_sheet.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>

#include "framework/dialog_builder.h"
#include "framework/property_page.h"

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
    const bool hadPage = m_active >= 0;
    QWidget* focus = focusWidget();
    const bool focusOnPages = focus == nullptr || m_stack->isAncestorOf(focus);
    m_active = index;
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(index);
    }
    m_stack->setCurrentWidget(next);
    next->CreatePageWindow();
    next->OnSetActive();
    if (hadPage && focusOnPages) {
        FocusFirstControl(next);
    }
    return true;
}

// The focus was on the page that has just been hidden: the keys would reach nothing
// the user can see. They go to the new page's first control in tab order, or to the
// tabs when the page has none.
void CPropertySheet::FocusFirstControl(CPropertyPage* page)
{
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            w->setFocus(Qt::TabFocusReason);
            // As Tab does: what is typed next replaces the text.
            if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                edit->selectAll();
            }
            return;
        }
    }
    m_tabs->setFocus(Qt::TabFocusReason);
}

int CPropertySheet::DoModal()
{
    CreateSheetWindow();
    OnInitDialog();
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

    m_tabs = new QTabBar(this);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setDrawBase(false);
    m_stack = new QStackedWidget(this);
    m_stack->setFrameShape(QFrame::StyledPanel);

    QSize pageSize(0, 0);
    for (CPropertyPage* page : m_pages) {
        pageSize = pageSize.expandedTo(page->size());
        m_stack->addWidget(page);
        m_tabs->addTab(page->Title());
    }
    const int frame = m_stack->frameWidth();
    const QSize stackSize = pageSize + QSize(2 * frame, 2 * frame);
    const int tabHeight = m_tabs->sizeHint().height();
    m_tabs->setGeometry(kMargin, kMargin, stackSize.width(), tabHeight);
    m_stack->setGeometry(kMargin, kMargin + tabHeight, stackSize.width(), stackSize.height());

    // The buttons stand right-aligned under the pages, in the platform's order.
    const int buttonTop = m_stack->geometry().bottom() + 1 + kMargin;
    int x = m_stack->geometry().right() + 1 -
            static_cast<int>(std::size(kButtons)) * (kButtonSize.width() + kButtonGap) + kButtonGap;
    for (const SheetButton& b : kButtons) {
        auto* button = new QPushButton(tr(b.caption), this);
        framework::SetControlId(button, b.id);
        button->setAutoDefault(false);
        button->setGeometry(QRect(QPoint(x, buttonTop), kButtonSize));
        x += kButtonSize.width() + kButtonGap;
    }
    connect(static_cast<QPushButton*>(GetDlgItem(IDOK)), &QPushButton::clicked, this,
            &CPropertySheet::accept);
    connect(static_cast<QPushButton*>(GetDlgItem(IDCANCEL)), &QPushButton::clicked, this,
            &CPropertySheet::reject);
    GetDlgItem(ID_APPLY_NOW)->setEnabled(false);
    connect(m_tabs, &QTabBar::currentChanged, this, &CPropertySheet::OnTabChosen);
    AddTabShortcuts();

    resize(m_stack->geometry().right() + 1 + kMargin, buttonTop + kButtonSize.height() + kMargin);
    ApplyStyle();
}

void CPropertySheet::accept()
{
    if (CPropertyPage* current = GetActivePage(); current != nullptr && !current->OnKillActive()) {
        return;
    }
    QDialog::accept();
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

// Without a sizing frame the window keeps its size; nothing inside it ever re-lays out.
void CPropertySheet::ApplyStyle()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((m_style & WS_MINIMIZEBOX) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if ((m_style & WS_THICKFRAME) != 0) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(size());
    }
    if (wasVisible) {
        show();
    }
}
