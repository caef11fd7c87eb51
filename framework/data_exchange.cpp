#include "framework/data_exchange.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
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
    m_lastControl = control;
    return control;
}

void CDataExchange::Fail(const CString& message)
{
    framework::MessageBox(m_pDlgWnd, message, CPropertyPage::ApplicationName(),
                          MB_ICONEXCLAMATION | MB_OK);
    if (m_lastControl != nullptr) {
        m_lastControl->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(m_lastControl)) {
            line->selectAll();
        }
    }
    throw DataExchangeRefused{};
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    QWidget* control = pDX->PrepareCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        // A box the user types into gets back exactly the double it gave; a result box
        // shows fifteen significant digits, as every computed result is written.
        const auto* line = qobject_cast<QLineEdit*>(control);
        const bool isResult = line != nullptr && line->isReadOnly();
        SetControlText(control, ToQString(isResult ? convert::FormatGeneral(value)
                                                   : convert::FormatRoundTrip(value)));
        return;
    }
    const convert::RealReading reading = convert::ReadReal(ControlText(control).toStdString());
    if (!reading.value) {
        pDX->Fail(ToQString(convert::RealRefusalMessage(reading.refusal)));
    }
    value = *reading.value;
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    DDX_Text(pDX, id, value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

void DDX_Text(CDataExchange* pDX, int id, int& value, int smallest, int largest)
{
    QWidget* control = pDX->PrepareCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        SetControlText(control, QString::number(value));
        return;
    }
    const convert::WholeReading reading =
        convert::ReadWholeNumber(ControlText(control).toStdString(), smallest, largest);
    if (!reading.value) {
        pDX->Fail(ToQString(convert::WholeRefusalMessage(reading.refusal, smallest, largest)));
    }
    value = *reading.value;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    QWidget* control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = ControlText(control);
    } else {
        SetControlText(control, value);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    auto* combo = qobject_cast<QComboBox*>(pDX->PrepareCtrl(id));
    if (combo == nullptr) {
        qFatal("list data exchange with control %d, which is not a list", id);
    }
    if (!pDX->m_bSaveAndValidate) {
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
    index = framework::ListIndex(combo);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    auto* box = qobject_cast<QAbstractButton*>(pDX->PrepareCtrl(id));
    if (box == nullptr) {
        qFatal("check box data exchange with control %d, which is not a button", id);
    }
    if (pDX->m_bSaveAndValidate) {
        value = box->isChecked() ? 1 : 0;
    } else {
        box->setChecked(value != 0);
    }
}
