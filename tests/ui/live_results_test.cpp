// The results follow the inputs as a person types and chooses, through real key presses:
// every state in between shows the right table or none, "=" still says what is wrong,
// the value box takes an amount with a unit of its tab, and the units a query asks for
// stand out.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "convert/categories.h"
#include "convert/query.h"
#include "convert/temperature_formula.h"
#include "convert/unit_names.h"
#include "res/resource.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

// A core text as a box shows it: lines without the "\r\n" the members hold.
QString AsShown(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int TabNamed(std::string_view caption)
{
    const auto tabs = convert::ConverterTabs();
    for (std::size_t t = 0; t < tabs.size(); ++t) {
        if (tabs[t].caption == caption) {
            return static_cast<int>(t);
        }
    }
    return -1;
}

// What the core gives for what the Length page's controls show now, or "" where they
// give nothing (a value box that is no amount, no unit chosen).
QString CoreLinesForLength(CPropertyPage& page)
{
    const auto reading =
        convert::ReadValueBox(ShownText(page, IDC_LENGTH_VALUE).toStdString(), TabNamed("Length"));
    const int unit = qobject_cast<QComboBox*>(page.GetDlgItem(IDC_LENGTH_UNIT))->currentIndex();
    if (!reading || unit < 0) {
        return {};
    }
    const int decimals =
        qobject_cast<QComboBox*>(page.GetDlgItem(IDC_LENGTH_DECIMALS))->currentIndex();
    const bool scientific =
        qobject_cast<QCheckBox*>(page.GetDlgItem(IDC_LENGTH_SCIENTIFIC))->isChecked();
    const auto text =
        convert::ConvertAll(convert::kLength, reading->value, unit, scientific ? 1 : 0, decimals);
    return text ? AsShown(text->values) : QString();
}

// Each keystroke into the value box shows the core's table for what the box and lists
// show, or no table at all; a unit typed with the amount is picked as it is typed.
TEST(LiveResults, EveryKeystrokeShowsTheRightTableOrNone)
{
    PageInSheet host("length");
    CPropertyPage& page = host.page();
    MessageRecorder recorder;
    ChooseItem(page, IDC_LENGTH_UNIT, "Foot (ft)");
    ChooseItem(page, IDC_LENGTH_DECIMALS, "2");
    auto* value = qobject_cast<QLineEdit*>(page.GetDlgItem(IDC_LENGTH_VALUE));
    value->setFocus();
    int shownTables = 0;
    for (const QString& typed : {QStringLiteral("-3.5e1 m"), QStringLiteral("1,5"),
                                 QStringLiteral("6 ft 2 in"), QStringLiteral("12abc")}) {
        value->selectAll();
        QTest::keyClick(value, Qt::Key_Delete);
        EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), "") << "emptied box";
        for (const QChar c : typed) {
            QTest::keyClick(value, c.toLatin1());
            const QString shown = ShownText(page, IDC_LENGTH_VALUES);
            EXPECT_EQ(shown, CoreLinesForLength(page))
                << "after typing " << value->text().toStdString();
            shownTables += shown.isEmpty() ? 0 : 1;
        }
    }
    // The last unit typed with an amount ("6 ft 2 in", read as 74 inches) stays picked.
    EXPECT_EQ(ShownText(page, IDC_LENGTH_UNIT), "Inch (in)");
    EXPECT_GT(shownTables, 10);
    EXPECT_TRUE(recorder.messages.empty()) << "no message while typing";
}

// A pick from the unit list with the arrow keys, a pick of decimals and Scientific
// Notation by the space bar each show the table for what the controls now show.
TEST(LiveResults, EveryChoiceShowsItsTable)
{
    PageInSheet host("length");
    CPropertyPage& page = host.page();
    ChooseItem(page, IDC_LENGTH_UNIT, "Meter (m)");
    TypeInto(page, IDC_LENGTH_VALUE, "3");
    const QString meters = ShownText(page, IDC_LENGTH_VALUES);
    ASSERT_FALSE(meters.isEmpty());

    auto* unit = page.GetDlgItem(IDC_LENGTH_UNIT);
    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_Down);
    EXPECT_EQ(ShownText(page, IDC_LENGTH_UNIT), "Decimeter (dm)");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), CoreLinesForLength(page));
    EXPECT_NE(ShownText(page, IDC_LENGTH_VALUES), meters);

    auto* decimals = page.GetDlgItem(IDC_LENGTH_DECIMALS);
    decimals->setFocus();
    QTest::keyClick(decimals, Qt::Key_Down);
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), CoreLinesForLength(page));

    auto* scientific = page.GetDlgItem(IDC_LENGTH_SCIENTIFIC);
    scientific->setFocus();
    QTest::keyClick(scientific, Qt::Key_Space);
    EXPECT_TRUE(ShownText(page, IDC_LENGTH_VALUES).contains("e+"));
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), CoreLinesForLength(page));

    // A name typed into the list that is no unit yet leaves no table.
    TypeIntoList(page, IDC_LENGTH_UNIT, "Mete");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), "");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_NAMES), "");
}

struct EqualsCase {
    const char* typed;
    const char* unitItem;  // nullptr: no unit chosen
    const char* text;
    const char* caption;
};

// "=" says what it always said, and an amount with a unit of another tab is refused with
// the core's sentence, which names that tab.
TEST(LiveResults, EqualsStillSaysWhatIsWrong)
{
    const EqualsCase cases[]{
        {"1,5", "Foot (ft)",
         "Please enter a number, written with digits, an optional \".\" and an optional "
         "exponent (for example 12.5 or -3e4).",
         "Velkari Unit Converter"},
        {"3", nullptr, "Please fill out the required fields", "Incomplete"},
        {"3 kg", "Foot (ft)", "\"kg\" is a Weight unit, not a Length one",
         "Velkari Unit Converter"},
    };
    for (const EqualsCase& c : cases) {
        PageInSheet host("length");
        CPropertyPage& page = host.page();
        if (c.unitItem != nullptr) {
            ChooseItem(page, IDC_LENGTH_UNIT, c.unitItem);
        }
        TypeInto(page, IDC_LENGTH_VALUE, c.typed);
        EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), "") << c.typed;
        MessageRecorder recorder;
        ClickButton(page, IDC_LENGTH_EQUALS);
        // The first message is the one that says what is wrong.
        ASSERT_GE(recorder.messages.size(), 1U) << c.typed;
        EXPECT_EQ(recorder.messages[0].text, c.text);
        EXPECT_EQ(recorder.messages[0].caption, c.caption);
    }
}

// "=" takes an amount with its unit as a person wrote it: the box keeps the amount, the
// list shows the unit, and the table is the one the plain amount gives.
TEST(LiveResults, EqualsTakesAnAmountWithItsUnit)
{
    PageInSheet host("length");
    CPropertyPage& page = host.page();
    ChooseItem(page, IDC_LENGTH_UNIT, "Foot (ft)");
    MessageRecorder recorder;
    TypeInto(page, IDC_LENGTH_VALUE, "1 1/2 mi");
    const QString live = ShownText(page, IDC_LENGTH_VALUES);
    ClickButton(page, IDC_LENGTH_EQUALS);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUE), "1.5");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_UNIT), "Mile (mi)");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), live);
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), CoreLinesForLength(page));

    // Choosing another unit then keeps the amount and drops the unit it was typed with.
    TypeInto(page, IDC_LENGTH_VALUE, "2 km");
    ChooseItem(page, IDC_LENGTH_UNIT, "Meter (m)");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUE), "2");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), CoreLinesForLength(page));
}

QString Selected(CPropertyPage& page, int id)
{
    return qobject_cast<QPlainTextEdit*>(page.GetDlgItem(id))->textCursor().selectedText();
}

// What a screen reader is told is selected in a box.
QString SpokenSelection(CPropertyPage& page, int id)
{
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(page.GetDlgItem(id));
    QAccessibleTextInterface* text = box != nullptr ? box->textInterface() : nullptr;
    if (text == nullptr || text->selectionCount() != 1) {
        return {};
    }
    int start = 0;
    int end = 0;
    text->selection(0, &start, &end);
    return text->text(start, end);
}

// A query typed with a target marks the target's line in both boxes, for the eye and for
// a screen reader; any other change of the inputs takes the mark away.
TEST(LiveResults, ATargetTypedWithTheAmountStandsOut)
{
    PageInSheet host("length");
    CPropertyPage& page = host.page();
    ChooseItem(page, IDC_LENGTH_DECIMALS, "2");
    TypeInto(page, IDC_LENGTH_VALUE, "5 km to miles");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_UNIT), "Kilometer (km)");
    EXPECT_EQ(Selected(page, IDC_LENGTH_VALUES), "3.11");
    EXPECT_EQ(Selected(page, IDC_LENGTH_NAMES), "Mile (mi)");
    EXPECT_EQ(SpokenSelection(page, IDC_LENGTH_NAMES), "Mile (mi)");

    ChooseItem(page, IDC_LENGTH_DECIMALS, "3");
    EXPECT_EQ(Selected(page, IDC_LENGTH_VALUES), "");
    EXPECT_EQ(Selected(page, IDC_LENGTH_NAMES), "");
}

// Temperature follows the typing too, its formulas with its results; its box takes
// "350F" and picks Farenheit.
TEST(LiveResults, TemperatureShowsItsFormulasAsYouType)
{
    PageInSheet host("temperature");
    CPropertyPage& page = host.page();
    MessageRecorder recorder;
    TypeInto(page, IDC_TEMPERATURE_VALUE, "350F");
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_UNIT), "Farenheit (°F)");
    const auto expected = convert::ConvertTemperature(350, 1);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_VALUES), AsShown(expected->values));
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_FORMULA), AsShown(expected->formula));
    TypeInto(page, IDC_TEMPERATURE_VALUE, "350 F to K");
    EXPECT_EQ(Selected(page, IDC_TEMPERATURE_NAMES), "Kelvin(K)");
    TypeInto(page, IDC_TEMPERATURE_VALUE, "350 kg");
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_VALUES), "");
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_FORMULA), "");
    EXPECT_TRUE(recorder.messages.empty());
}

// Energy's box takes whole numbers, with a unit or without.
TEST(LiveResults, EnergyTakesWholeAmountsOnly)
{
    PageInSheet host("DAT");
    CPropertyPage& page = host.page();
    ChooseItem(page, IDC_ENERGY_UNIT, "Joule (J)");
    TypeInto(page, IDC_ENERGY_VALUE, "2.5");
    EXPECT_EQ(ShownText(page, IDC_ENERGY_VALUES), "");
    TypeInto(page, IDC_ENERGY_VALUE, "2 kJ");
    EXPECT_EQ(ShownText(page, IDC_ENERGY_UNIT), "Kilojoule (kJ)");
    const auto expected = convert::ConvertAll(convert::kEnergy, 2, 1, 0, -1);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(ShownText(page, IDC_ENERGY_VALUES), AsShown(expected->values));
}

}  // namespace
