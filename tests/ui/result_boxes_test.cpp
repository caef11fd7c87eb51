// The boxes results are shown in, and the boxes messages come in: a double-click on a
// result selects the whole number, and a message box has a close button only.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include "framework/message_box.h"
#include "framework/message_map.h"
#include "framework/number_selection.h"
#include "numbers/number_text.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;
using framework::ControlKind;

struct SpanCase {
    const char* line;
    int at;
    const char* selected;  // empty: no number there, a word is selected as usual
};

TEST(NumberSelection, TakesSignPointAndExponent)
{
    const SpanCase cases[]{
        {"91.44000", 4, "91.44000"},
        {"91.44000", 0, "91.44000"},
        {"91.44000", 8, "91.44000"},  // after the last character
        {"-1.2345e+05", 9, "-1.2345e+05"},
        {"-1.2345e+05", 0, "-1.2345e+05"},
        {"6.02E-23", 5, "6.02E-23"},
        {"H2S1O4 = 98.079    grams/moles", 12, "98.079"},
        {"C= 40.000%,  H= 6.710%", 5, "40.000"},
        {"C6.00 ,  H12.00", 2, "6.00"},
        {"Kelvin(K)", 2, ""},
        {"Meter (m)", 1, ""},
        {"[Farenheit - 32]", 11, ""},  // a lone minus between words
        {"[Farenheit - 32]", 14, "32"},
        {"", 0, ""},
    };
    for (const SpanCase& c : cases) {
        const QString line = QString::fromUtf8(c.line);
        const framework::NumberSpan span = framework::NumberAt(line, c.at);
        EXPECT_EQ(line.mid(span.begin, span.length), QString::fromUtf8(c.selected))
            << c.line << " at " << c.at;
    }
}

// Where a box shows character `at` of line `line`.
QPoint PointOf(QPlainTextEdit* box, int line, int at)
{
    QTextCursor cursor(box->document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + at);
    const QRect before = box->cursorRect(cursor);
    cursor.movePosition(QTextCursor::NextCharacter);
    return QPoint((before.left() + box->cursorRect(cursor).left()) / 2, before.center().y());
}

// On every converter tab, a double-click anywhere in a result selects all of it: plain
// values with decimals, and negative values in scientific notation.
TEST(NumberSelection, ADoubleClickSelectsAWholeResult)
{
    MessageRecorder recorder;
    RunStartUp([&](CTessaralDlg& sheet) {
        for (int tab = 0; tab < kConverterTabs; ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            const int unit = FirstControl(page, ControlKind::ComboBox);
            ChooseItem(page, unit, qobject_cast<QComboBox*>(page.GetDlgItem(unit))->itemText(0));
            const int check = FirstControl(page, ControlKind::CheckBox);
            for (const bool scientific : {false, true}) {
                if (scientific && check < 0) {
                    continue;
                }
                if (scientific) {
                    ClickButton(page, check);
                }
                // A negative whole amount: every page takes it, Temperature's Celsius included.
                TypeInto(page, FirstControl(page, ControlKind::Edit), "-123");
                ClickButton(page, FirstControl(page, ControlKind::PushButton));
                int numbers = 0;
                for (auto* box : page.findChildren<QPlainTextEdit*>()) {
                    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
                    for (int line = 0; line < lines.size(); ++line) {
                        const QString number = lines[line].trimmed();
                        const auto lead = static_cast<int>(lines[line].indexOf(number));
                        if (!convert::ReadReal(number.toStdString()).value) {
                            continue;  // a unit's name, a formula
                        }
                        ++numbers;
                        for (const int at : {0, static_cast<int>(number.size()) / 2,
                                             static_cast<int>(number.size()) - 1}) {
                            box->moveCursor(QTextCursor::Start);
                            QTest::mouseDClick(box->viewport(), Qt::LeftButton, {},
                                               PointOf(box, line, lead + at));
                            EXPECT_EQ(box->textCursor().selectedText(), number)
                                << page.Title().toStdString() << " line " << line << " at " << at;
                        }
                    }
                }
                EXPECT_GE(numbers, 2) << page.Title().toStdString();
                if (scientific) {
                    ClickButton(page, check);
                }
            }
        }
    });
    EXPECT_TRUE(recorder.messages.empty());
}

// The chemistry pages' one-line result boxes: the number in a line of words too.
TEST(NumberSelection, ADoubleClickSelectsAChemistryResult)
{
    PageInSheet host("chem");
    CPropertyPage& page = host.page();
    ChooseItem(page, IDC_MW_ELEMENT1, "H");
    TypeInto(page, IDC_MW_COUNT1, "2");
    ClickButton(page, IDC_MW_EQUALS);
    ChooseItem(page, IDC_MW_MODE, "Grams to Moles");
    TypeInto(page, IDC_MW_GIVEN, "-2");
    TypeInto(page, IDC_MW_MOLECULAR_WEIGHT, "18.015");
    ClickButton(page, IDC_MW_CONVERT);

    const struct {
        int box;
        const char* number;
    } cases[]{{IDC_MW_RESULT, "-0.111018595614765"}, {IDC_MW_FORMULA_RESULT, "2.016"}};
    for (const auto& c : cases) {
        auto* box = qobject_cast<QLineEdit*>(page.GetDlgItem(c.box));
        const QString text = box->text();
        const int at = static_cast<int>(text.indexOf(QString::fromUtf8(c.number))) + 2;
        // The middle of character `at`: where the nearest place between characters
        // turns from before it to after it.
        QPoint point(0, box->height() / 2);
        while (point.x() < box->width() && box->cursorPositionAt(point) <= at) {
            point.rx() += 1;
        }
        box->deselect();
        QTest::mouseDClick(box, Qt::LeftButton, {}, point);
        EXPECT_EQ(box->selectedText(), QString::fromUtf8(c.number)) << text.toStdString();
    }
}

// A message box is a dialog with a title and a close button, without minimise or
// maximise buttons, and with its text as plain text.
TEST(MessageBoxes, HaveOnlyACloseButton)
{
    const auto box =
        framework::MakeMessageBox(nullptr, QStringLiteral("<b>3 ft</b>"),
                                  QStringLiteral("Incomplete"), MB_ICONEXCLAMATION | MB_OK);
    const Qt::WindowFlags flags = box->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(box->windowTitle(), "Incomplete");
    EXPECT_EQ(box->text(), "<b>3 ft</b>");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->buttons().size(), 1);
}

}  // namespace
