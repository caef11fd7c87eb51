// The converter tabs driven through their real widgets.
#include <gtest/gtest.h>

#include <utility>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "numbers/number_text.h"
#include "pages/convert/Angles.h"
#include "res/resource.h"
#include "tests/support/lines.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

class AnglePage : public ::testing::Test {
protected:
    PageInSheet host{"Angles"};
    CPropertyPage& page = host.page();
    Angles& angles = dynamic_cast<Angles&>(host.page());
    MessageRecorder recorder;

    QString values() { return ShownText(page, IDC_ANGLE_VALUES); }
    QString labels() { return ShownText(page, IDC_ANGLE_NAMES); }
};

TEST_F(AnglePage, ScientificNotationOverridesTheDecimals)
{
    TypeInto(page, IDC_ANGLE_VALUE, "1");
    ChooseItem(page, IDC_ANGLE_UNIT, "Radians");
    ChooseItem(page, IDC_ANGLE_DECIMALS, "0");
    ClickButton(page, IDC_ANGLE_SCIENTIFIC);
    ClickButton(page, IDC_ANGLE_EQUALS);
    EXPECT_EQ(
        angles.m_strValues.toStdString(),
        Lines({"1.000000e+00", "6.366198e+01", "5.729578e+01", "3.437747e+03", "2.062648e+05"}));
}

TEST_F(AnglePage, NoUnitShowsIncompleteAndWipesTheLastResult)
{
    TypeInto(page, IDC_ANGLE_VALUE, "90");
    ChooseItem(page, IDC_ANGLE_UNIT, "Degrees");
    ClickButton(page, IDC_ANGLE_EQUALS);
    ASSERT_FALSE(values().isEmpty());

    TypeIntoList(page, IDC_ANGLE_UNIT, "");
    ClickButton(page, IDC_ANGLE_EQUALS);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, "Please fill out the required fields");
    EXPECT_EQ(recorder.messages[0].caption, "Incomplete");
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
    EXPECT_EQ(values(), "");
    EXPECT_EQ(labels(), "");
}

// Typed text selects the item it spells, whatever its case and end blanks; after "="
// the decimals list shows what was used, so text that spells no item is gone, and a
// unit name that is none of the tab's is refused and kept to be corrected.
TEST_F(AnglePage, TypedTextSelectsTheItemItSpellsAndNothingElse)
{
    auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(IDC_ANGLE_UNIT));
    const int items = list->count();
    TypeInto(page, IDC_ANGLE_VALUE, "2");

    TypeIntoList(page, IDC_ANGLE_UNIT, " minutes ");
    TypeIntoList(page, IDC_ANGLE_DECIMALS, " 2");
    ClickButton(page, IDC_ANGLE_EQUALS);
    EXPECT_EQ(angles.m_nUnit, 3);
    EXPECT_EQ(ShownText(page, IDC_ANGLE_UNIT), "Minutes");
    EXPECT_EQ(ShownText(page, IDC_ANGLE_DECIMALS), "2");

    for (const char* typed : {"9", "abc", "2.5"}) {
        TypeIntoList(page, IDC_ANGLE_DECIMALS, typed);
        ClickButton(page, IDC_ANGLE_EQUALS);
        EXPECT_EQ(ShownText(page, IDC_ANGLE_DECIMALS), "") << typed;
        EXPECT_EQ(values(), "0.00058\n0.03704\n0.03333\n2.00000\n120.00000\n") << typed;
    }
    recorder.messages.clear();
    TypeIntoList(page, IDC_ANGLE_UNIT, "Hours");
    ClickButton(page, IDC_ANGLE_EQUALS);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, "\"Hours\" is a unit of Time, not of Angle");
    EXPECT_EQ(ShownText(page, IDC_ANGLE_UNIT), "Hours");
    EXPECT_EQ(values(), "");
    EXPECT_EQ(list->count(), items);  // typing never adds an item
}

// The value box is written back as text that reads as the very same number, so a
// second "=" with nothing touched shows exactly what the first did.
TEST_F(AnglePage, EqualsTwiceGivesTheSameTexts)
{
    ChooseItem(page, IDC_ANGLE_UNIT, "Degrees");
    for (const char* typed :
         {"10000000.000000002", "0.30000000000000004", "1.0000000000000002", "9999999.999999998"}) {
        TypeInto(page, IDC_ANGLE_VALUE, typed);
        ClickButton(page, IDC_ANGLE_EQUALS);
        const QString first = values();
        EXPECT_EQ(convert::ReadReal(ShownText(page, IDC_ANGLE_VALUE).toStdString()).value,
                  convert::ReadReal(typed).value);
        ClickButton(page, IDC_ANGLE_EQUALS);
        EXPECT_EQ(values(), first) << typed;
    }
    // Written back in the fewest digits that read as the same double.
    for (const auto& [typed, shown] : {std::pair{"1e-320", "1e-320"},
                                       {"1000000.0", "1000000"},
                                       {"5e-324", "5e-324"},
                                       {"0.1e1", "1"}}) {
        TypeInto(page, IDC_ANGLE_VALUE, typed);
        ClickButton(page, IDC_ANGLE_EQUALS);
        EXPECT_EQ(ShownText(page, IDC_ANGLE_VALUE), shown) << typed;
    }
}

// The refusal is all that is said: the unit chosen, exchanged after the value and so
// never pulled, is neither reported missing nor put back to none.
TEST_F(AnglePage, ARefusedValueOnAFreshPageIsAllThatIsSaid)
{
    ChooseItem(page, IDC_ANGLE_UNIT, "Degrees");
    TypeInto(page, IDC_ANGLE_VALUE, "");
    ClickButton(page, IDC_ANGLE_EQUALS);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, "Please enter a number.");
    EXPECT_EQ(ShownText(page, IDC_ANGLE_VALUE), "");
    EXPECT_EQ(ShownText(page, IDC_ANGLE_UNIT), "Degrees");
}

// No unit, or a name that is none of its units: one message, and all three boxes empty.
TEST(TemperaturePage, NoUnitEmptiesAllThreeBoxes)
{
    for (const auto& [typed, caption] :
         {std::pair{"", "Incomplete"}, {"Rankine", "Velkari Unit Converter"}}) {
        PageInSheet host("temperature");
        MessageRecorder recorder;
        CPropertyPage& page = host.page();
        ChooseItem(page, IDC_TEMPERATURE_UNIT, "Kelvin (K)");
        ClickButton(page, IDC_TEMPERATURE_EQUALS);
        ASSERT_FALSE(ShownText(page, IDC_TEMPERATURE_FORMULA).isEmpty());

        TypeIntoList(page, IDC_TEMPERATURE_UNIT, typed);
        ClickButton(page, IDC_TEMPERATURE_EQUALS);
        ASSERT_EQ(recorder.messages.size(), 1U) << typed;
        EXPECT_EQ(recorder.messages[0].caption, caption);
        EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_UNIT), typed);
        EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_VALUES), "");
        EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_NAMES), "");
        EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_FORMULA), "");
    }
}

// Typed as a person would, after a conversion that filled the boxes: absolute zero
// itself converts in each scale, anything below it (or a result too large for a
// number) is refused in an exclamation box and leaves the three boxes empty.
TEST(TemperaturePage, RefusesTemperaturesBelowAbsoluteZero)
{
    struct Row {
        const char* typed;
        const char* unit;
        const char* message;  // empty when converted
        const char* values;
    };
    const Row rows[]{
        {"0", "Kelvin (K)", "", "-273.150\n-459.670"},
        {"-273.15", "Celsius (°C)", "", "-459.670\n0.000"},
        {"-459.67", "Farenheit (°F)", "", "-273.150\n0.000"},
        {"-5", "Kelvin (K)", "The temperature is below absolute zero (0 K)", ""},
        {"-273.16", "Celsius (°C)", "The temperature is below absolute zero (-273.15 °C)", ""},
        {"-460", "Farenheit (°F)", "The temperature is below absolute zero (-459.67 °F)", ""},
        {"1e+308", "Celsius (°C)",
         "The result is too large to show; please enter a smaller temperature", ""},
    };
    PageInSheet host("temperature");
    CPropertyPage& page = host.page();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        MessageRecorder recorder;
        TypeInto(page, IDC_TEMPERATURE_VALUE, "100");
        ChooseItem(page, IDC_TEMPERATURE_UNIT, "Celsius (°C)");
        ClickButton(page, IDC_TEMPERATURE_EQUALS);
        ASSERT_FALSE(ShownText(page, IDC_TEMPERATURE_VALUES).isEmpty());

        TypeInto(page, IDC_TEMPERATURE_VALUE, row.typed);
        ChooseItem(page, IDC_TEMPERATURE_UNIT, row.unit);
        ClickButton(page, IDC_TEMPERATURE_EQUALS);
        EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_VALUES), row.values);
        if (*row.message == '\0') {
            EXPECT_TRUE(recorder.messages.empty());
            EXPECT_FALSE(ShownText(page, IDC_TEMPERATURE_FORMULA).isEmpty());
            continue;
        }
        ASSERT_EQ(recorder.messages.size(), 1U);
        EXPECT_EQ(recorder.messages[0].text, row.message);
        EXPECT_EQ(recorder.messages[0].caption, "Out of range");
        EXPECT_EQ(recorder.messages[0].type, 0x30U);
        EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_NAMES), "");
        EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_FORMULA), "");
        // The refused value stays in its box as typed, to be corrected.
        EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_VALUE), row.typed);
    }
}

// A value is read beside its unit: scrolling either result box scrolls the other to
// the same line, whichever of the two the wheel or the keys moved.
TEST(ResultBoxes, ScrollAsOne)
{
    struct Tab {
        const char* className;
        int values;
        int labels;
    };
    const Tab tabs[]{
        {"Volume", IDC_VOLUME_VALUES, IDC_VOLUME_NAMES},
        {"frequency", IDC_FREQUENCY_VALUES, IDC_FREQUENCY_NAMES},
        {"temperature", IDC_TEMPERATURE_VALUES, IDC_TEMPERATURE_NAMES},
    };
    for (const Tab& tab : tabs) {
        SCOPED_TRACE(tab.className);
        PageInSheet host(tab.className);
        auto* values = qobject_cast<QPlainTextEdit*>(host.page().GetDlgItem(tab.values));
        auto* labels = qobject_cast<QPlainTextEdit*>(host.page().GetDlgItem(tab.labels));
        ASSERT_NE(values, nullptr);
        ASSERT_NE(labels, nullptr);
        // More lines than the boxes hold, so that there is somewhere to scroll to.
        values->setPlainText(QString("1\n").repeated(40));
        labels->setPlainText(QString("unit\n").repeated(40));
        ASSERT_GT(values->verticalScrollBar()->maximum(), 1);
        values->verticalScrollBar()->setValue(2);
        EXPECT_EQ(labels->verticalScrollBar()->value(), 2);
        labels->verticalScrollBar()->setValue(1);
        EXPECT_EQ(values->verticalScrollBar()->value(), 1);
    }
}

}  // namespace
