#include "framework/data_exchange.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <limits>

#include "framework/dialog_builder.h"
#include "framework/list_typing.h"
#include "framework/message_box.h"
#include "framework/message_map.h"
#include "framework/property_page.h"
#include "framework/text.h"
#include "numbers/number_text.h"

using framework::ToQString;

namespace framework {

QString ControlText(const QWidget* control)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(control)) {
        return line->text();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
        // Multi-line members hold "\r\n" line ends; the widget shows plain lines.
        return box->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->currentText();
    }
    return control->property("text").toString();
}

int ListIndex(const QComboBox* list)
{
    return list->isEditable() ? TypedItem(list) : list->currentIndex();
}

namespace {

// A line end at the end of a box's text ends its last line; the empty line the widget
// would show after it takes no room, so that a box as tall as its lines has nothing to
// scroll. The text itself keeps the line end.
void HideEmptyLastLine(QPlainTextEdit* box)
{
    QTextDocument* document = box->document();
    QTextBlock last = document->lastBlock();
    if (last.length() == 1 && last != document->firstBlock()) {
        last.setVisible(false);
        document->markContentsDirty(last.position(), last.length());
    }
}

}  // namespace

void SetControlText(QWidget* control, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        box->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        HideEmptyLastLine(box);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(text);
    } else {
        control->setProperty("text", text);
    }
}

}  // namespace framework

using framework::ControlText;
using framework::SetControlText;

namespace {

// A control the user fills in, as against one the page writes its results into.
bool IsInput(const QWidget* control)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(control)) {
        return !line->isReadOnly();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
        return !box->isReadOnly();
    }
    return true;
}

// The control a push writes, or null when the push leaves it as the user left it.
QWidget* PushedCtrl(CDataExchange* pDX, int id)
{
    QWidget* control = pDX->PrepareCtrl(id);
    return pDX->Keeps(control) ? nullptr : control;
}

}  // namespace

CDataExchange::CDataExchange(CPropertyPage* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

QWidget* CDataExchange::PrepareCtrl(int id)
{
    QWidget* control = framework::GetDlgItem(m_pDlgWnd, id);
    if (control == nullptr) {
        qFatal("data exchange with control %d, which the page's template does not have", id);
    }
    if (m_bSaveAndValidate && m_lastControl != nullptr) {
        m_taken.push_back(m_lastControl);
    }
    m_lastControl = control;
    return control;
}

bool CDataExchange::Keeps(const QWidget* control) const
{
    if (m_bSaveAndValidate || !m_keep) {
        return false;
    }
    return control == m_keep->refused ||
           (IsInput(control) && std::ranges::find(m_keep->taken, control) == m_keep->taken.end());
}

void CDataExchange::Fail(const CString& message)
{
    framework::MessageBox(m_pDlgWnd, message, CPropertyPage::ApplicationName(),
                          MB_ICONEXCLAMATION | MB_OK);
    if (m_lastControl != nullptr) {
        m_lastControl->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(m_lastControl)) {
            line->selectAll();
        } else if (auto* combo = qobject_cast<QComboBox*>(m_lastControl);
                   combo != nullptr && combo->lineEdit() != nullptr) {
            combo->lineEdit()->selectAll();
        }
    }
    m_refusal = Refusal{m_lastControl, m_taken};
    throw DataExchangeRefused{};
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    if (!pDX->m_bSaveAndValidate) {
        QWidget* control = PushedCtrl(pDX, id);
        if (control == nullptr) {
            return;
        }
        // A box the user types into gets back exactly the double it gave; a result box
        // shows fifteen significant digits, as every computed result is written.
        const auto* line = qobject_cast<QLineEdit*>(control);
        const bool isResult = line != nullptr && line->isReadOnly();
        SetControlText(control, ToQString(isResult ? convert::FormatGeneral(value)
                                                   : convert::FormatRoundTrip(value)));
        return;
    }
    QWidget* control = pDX->PrepareCtrl(id);
    const convert::RealReading reading = convert::ReadReal(ControlText(control).toStdString());
    if (!reading.value) {
        pDX->Fail(ToQString(convert::RealRefusalMessage(reading.refusal)));
    }
    value = *reading.value;
}

void DDX_Text(CDataExchange* pDX, int id, std::optional<double>& value)
{
    if (!pDX->m_bSaveAndValidate && !value) {
        if (QWidget* control = PushedCtrl(pDX, id)) {
            SetControlText(control, QString());
        }
        return;
    }
    if (pDX->m_bSaveAndValidate && ControlText(pDX->PrepareCtrl(id)).trimmed().isEmpty()) {
        value.reset();
        return;
    }
    double number = value.value_or(0.0);
    DDX_Text(pDX, id, number);
    value = number;
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    DDX_Text(pDX, id, value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

void DDX_Text(CDataExchange* pDX, int id, int& value, int smallest, int largest)
{
    if (!pDX->m_bSaveAndValidate) {
        if (QWidget* control = PushedCtrl(pDX, id)) {
            SetControlText(control, QString::number(value));
        }
        return;
    }
    QWidget* control = pDX->PrepareCtrl(id);
    const convert::WholeReading reading =
        convert::ReadWholeNumber(ControlText(control).toStdString(), smallest, largest);
    if (!reading.value) {
        pDX->Fail(ToQString(convert::WholeRefusalMessage(reading.refusal, smallest, largest)));
    }
    value = *reading.value;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    if (pDX->m_bSaveAndValidate) {
        value = ControlText(pDX->PrepareCtrl(id));
    } else if (QWidget* control = PushedCtrl(pDX, id)) {
        SetControlText(control, value);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    QWidget* control = pDX->PrepareCtrl(id);
    auto* combo = qobject_cast<QComboBox*>(control);
    if (combo == nullptr) {
        qFatal("list data exchange with control %d, which is not a list", id);
    }
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->Keeps(control)) {
            return;
        }
        const int shown = index >= 0 && index < combo->count() ? index : -1;
        if (shown < 0 && framework::IsAnsweringTyping(combo) && framework::TypedItem(combo) < 0) {
            // A page that answers every keystroke must not wipe a symbol the user is
            // half-way through. Anywhere else a list shows what was used, and text
            // that spells no item is cleared.
            const QString typed = combo->currentText();
            const int cursor = combo->lineEdit()->cursorPosition();
            combo->setCurrentIndex(-1);
            combo->setEditText(typed);
            combo->lineEdit()->setCursorPosition(cursor);
            return;
        }
        combo->setCurrentIndex(shown);
        return;
    }
    if (combo->isEditable() && !pDX->m_bLeavingPage) {
        if (const std::string refusal = framework::TypedItemRefusal(combo); !refusal.empty()) {
            pDX->Fail(ToQString(refusal));
        }
    }
    index = framework::ListIndex(combo);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    QWidget* control = pDX->PrepareCtrl(id);
    auto* box = qobject_cast<QAbstractButton*>(control);
    if (box == nullptr) {
        qFatal("check box data exchange with control %d, which is not a button", id);
    }
    if (pDX->m_bSaveAndValidate) {
        value = box->isChecked() ? 1 : 0;
    } else if (!pDX->Keeps(control)) {
        box->setChecked(value != 0);
    }
}
