#include "tests/support/page_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <ostream>
#include <stdexcept>

namespace testing_support {
namespace {

template <typename Widget>
Widget* Control(CPropertyPage& page, int id)
{
    auto* widget = qobject_cast<Widget*>(page.GetDlgItem(id));
    if (widget == nullptr) {
        throw std::logic_error("page has no such control: " + std::to_string(id));
    }
    return widget;
}

// Replaces the edit's text with keystrokes. Qt Test types only ASCII keys; other
// characters arrive as a key event carrying their text, as an input method delivers them.
void Retype(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(edit, QString(c));
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
}

}  // namespace

MessageRecorder::MessageRecorder()
{
    m_previous = framework::SetMessagePresenter(
        [this](QWidget*, const QString& text, const QString& caption, UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        });
}

MessageRecorder::~MessageRecorder()
{
    framework::SetMessagePresenter(std::move(m_previous));
}

PageInSheet::PageInSheet(const char* className) : m_sheet(QStringLiteral("Test"))
{
    const CRuntimeClass* record = CRuntimeClass::FromName(className);
    if (record == nullptr) {
        throw std::logic_error(std::string("no run-time class ") + className);
    }
    m_page.reset(dynamic_cast<CPropertyPage*>(record->CreateObject()));
    if (!m_page) {
        throw std::logic_error(std::string(className) + " is not a creatable page");
    }
    m_sheet.AddPage(m_page.get());
    m_sheet.Create();
}

void TypeInto(CPropertyPage& page, int id, const QString& text)
{
    Retype(Control<QLineEdit>(page, id), text);
}

void ChooseItem(CPropertyPage& page, int id, const QString& item)
{
    auto* combo = Control<QComboBox>(page, id);
    const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        throw std::logic_error("list " + std::to_string(id) + " has no item " + item.toStdString());
    }
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

void TypeIntoList(CPropertyPage& page, int id, const QString& text)
{
    auto* combo = Control<QComboBox>(page, id);
    if (combo->lineEdit() == nullptr) {
        throw std::logic_error("list " + std::to_string(id) + " has no edit field");
    }
    Retype(combo->lineEdit(), text);
}

void ClickButton(CPropertyPage& page, int id)
{
    QTest::mouseClick(Control<QAbstractButton>(page, id), Qt::LeftButton);
}

QString ShownText(CPropertyPage& page, int id)
{
    QWidget* widget = page.GetDlgItem(id);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        return box->toPlainText();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    throw std::logic_error("control " + std::to_string(id) + " shows no text");
}

int ShownIndex(CPropertyPage& page, int id)
{
    return Control<QComboBox>(page, id)->currentIndex();
}

void SaveScreenshot(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("VELKARI_SCREENSHOTS");
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace testing_support

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
