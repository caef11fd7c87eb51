// The output boxes stay read-only, but their text can be selected with the keyboard
// or the mouse and copied to the clipboard with plain "\n" line ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>

#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;

QPlainTextEdit* Box(CPropertyPage& page, int id)
{
    return qobject_cast<QPlainTextEdit*>(page.GetDlgItem(id));
}

// Angle: 90 Degrees to two decimals. Temperature: 100 Celsius.
void ConvertOnTab(CTessaralDlg& sheet, int tab)
{
    CPropertyPage& page = ShowTab(sheet, tab);
    if (tab == kTemperatureTab) {
        TypeInto(page, IDC_TEMPERATURE_VALUE, "100");
        ChooseItem(page, IDC_TEMPERATURE_UNIT, "Celsius (°C)");
        ClickButton(page, IDC_TEMPERATURE_EQUALS);
    } else {
        TypeInto(page, IDC_ANGLE_VALUE, "90");
        ChooseItem(page, IDC_ANGLE_UNIT, "Degrees");
        ChooseItem(page, IDC_ANGLE_DECIMALS, "2");
        ClickButton(page, IDC_ANGLE_EQUALS);
    }
}

struct CopyCase {
    int tab;
    int box;
    const char* clipboard;
};

TEST(Copy, CtrlACtrlCCopiesAWholeOutputBox)
{
    // clang-format off
    const CopyCase cases[]{
        {0,               IDC_ANGLE_VALUES, "1.57\n100.00\n90.00\n5400.00\n324000.00\n"},
        {0,               IDC_ANGLE_NAMES, "Radians\nGradients\nDegrees\nMinutes\nSeconds\n"},
        {kTemperatureTab, IDC_TEMPERATURE_VALUES, "212.000\n373.150"},
        {kTemperatureTab, IDC_TEMPERATURE_NAMES, "Farenheit(°F)\nKelvin(K)"},
        {kTemperatureTab, IDC_TEMPERATURE_FORMULA,
         "Farenheit = [ (9/5) * Celsius ] + 32\nKelvin      = Celsius +273.15"},
    };
    // clang-format on
    RunStartUp([&](CTessaralDlg& sheet) {
        for (const CopyCase& c : cases) {
            ConvertOnTab(sheet, c.tab);
            QApplication::clipboard()->clear();
            QPlainTextEdit* box = Box(*sheet.GetActivePage(), c.box);
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(c.clipboard))
                << "tab " << c.tab << ", box " << c.box;
        }
    });
}

TEST(Copy, ShiftEndSelectsOneLineAndTypingChangesNothing)
{
    RunStartUp([](CTessaralDlg& sheet) {
        ConvertOnTab(sheet, 0);
        QPlainTextEdit* values = Box(*sheet.GetActivePage(), IDC_ANGLE_VALUES);
        values->setFocus(Qt::TabFocusReason);
        QTest::keyClick(values, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(values, Qt::Key_Down);
        QTest::keyClick(values, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(values, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "100.00");

        QTest::keyClicks(values, "7");
        QTest::keyClick(values, Qt::Key_Delete);
        EXPECT_EQ(values->toPlainText(), "1.57\n100.00\n90.00\n5400.00\n324000.00\n");
        EXPECT_TRUE(values->isReadOnly());
    });
}

}  // namespace
