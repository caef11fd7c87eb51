#include "framework/property_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "framework/app_resources.h"
#include "framework/dialog_builder.h"
#include "framework/message_box.h"
#include "framework/text.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CCmdTarget)

namespace {

// A page without its template is a fault in the program, not in what the user did.
const framework::DialogTemplate& LoadTemplate(UINT id)
{
    const framework::DialogTemplate* dialog = framework::FindDialogTemplate(static_cast<int>(id));
    if (dialog == nullptr) {
        qFatal("no dialog template %u", id);
    }
    return *dialog;
}

}  // namespace

CPropertyPage::CPropertyPage(UINT nIDTemplate)
    : m_nIDTemplate(nIDTemplate), m_template(&LoadTemplate(nIDTemplate))
{
    const QSize size = framework::DialogUnits(framework::DialogFont(*m_template))
                           .ToPixels(m_template->width, m_template->height);
    resize(size);
    setAccessibleName(Title());
}

CPropertyPage::~CPropertyPage() = default;

BOOL CPropertyPage::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    if (!bSaveAndValidate) {
        dx.KeepTyped(m_refusal);
    }
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeRefused&) {
        m_refusal = dx.refusal();
        return FALSE;
    }
    if (bSaveAndValidate) {
        m_refusal.reset();
    }
    return TRUE;
}

BOOL CPropertyPage::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    CDataExchange dx(this, TRUE);
    dx.m_bLeavingPage = TRUE;
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeRefused&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

int CPropertyPage::MessageBox(const CString& text, const CString& caption, UINT type)
{
    return framework::MessageBox(this, text, caption, type);
}

QWidget* CPropertyPage::GetDlgItem(int id) const
{
    return framework::GetDlgItem(this, id);
}

namespace {

template <typename Control>
Control* ControlOf(const CPropertyPage& page, int id)
{
    auto* control = qobject_cast<Control*>(page.GetDlgItem(id));
    if (control == nullptr) {
        qFatal("control %d of the page is missing or of another kind", id);
    }
    return control;
}

}  // namespace

CString CPropertyPage::GetDlgItemText(int id) const
{
    return framework::ControlText(ControlOf<QWidget>(*this, id));
}

void CPropertyPage::SetDlgItemText(int id, const CString& text)
{
    framework::SetControlText(ControlOf<QWidget>(*this, id), text);
}

int CPropertyPage::GetCurSel(int id) const
{
    return framework::ListIndex(ControlOf<QComboBox>(*this, id));
}

void CPropertyPage::SetCurSel(int id, int index)
{
    ControlOf<QComboBox>(*this, id)->setCurrentIndex(index);
}

BOOL CPropertyPage::IsDlgButtonChecked(int id) const
{
    return ControlOf<QAbstractButton>(*this, id)->isChecked() ? TRUE : FALSE;
}

void CPropertyPage::SelectLine(int id, int line)
{
    auto* box = ControlOf<QPlainTextEdit>(*this, id);
    const QTextBlock block = box->document()->findBlockByNumber(line);
    if (!block.isValid()) {
        return;
    }
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

CString CPropertyPage::Title() const
{
    return framework::ToQString(m_template->title);
}

void CPropertyPage::CreatePageWindow()
{
    if (m_created) {
        return;
    }
    m_created = true;
    framework::BuildControls(this, *m_template);
    OnInitDialog();
}

// Each program names itself at start-up, so its messages carry its own name.
CString CPropertyPage::ApplicationName()
{
    return framework::ToQString(framework::GetAppResources().title);
}

void CPropertyPage::DoDataExchange(CDataExchange* /*pDX*/) {}

bool CPropertyPage::event(QEvent* event)
{
    if (event->type() == CommandEvent::EventType()) {
        const auto* command = static_cast<CommandEvent*>(event);
        ++m_commandDepth;
        OnCmdMsg(command->id(), command->code());
        // A refusal keeps the typed text for the rest of its own command only.
        if (--m_commandDepth == 0) {
            m_refusal.reset();
        }
        return true;
    }
    return QWidget::event(event);
}

// Enter anywhere on the page presses its default button, as on a dialog. A page with
// one "=" to each row of fields has a default button to each row: Enter presses the
// one level with the control that has the focus, and the first one elsewhere.
void CPropertyPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QWidget* focus = focusWidget();
    const int focusRow = focus != nullptr && isAncestorOf(focus)
                             ? focus->mapTo(this, focus->rect().center()).y()
                             : -1;
    QAbstractButton* chosen = nullptr;
    for (auto* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        if (!framework::IsDefaultButton(button) || !button->isEnabled()) {
            continue;
        }
        const QRect place = button->geometry();
        if (focusRow >= place.top() && focusRow <= place.bottom()) {
            chosen = button;
            break;
        }
        if (chosen == nullptr) {
            chosen = button;
        }
    }
    if (chosen == nullptr) {
        QWidget::keyPressEvent(event);
        return;
    }
    chosen->click();
    event->accept();
}
