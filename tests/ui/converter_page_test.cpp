// The converter tabs driven through their real widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "convert/Angles.h"
#include "convert/number_text.h"
#include "convert/temperature.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

// Angle page control ids.
constexpr int kValue = 1064;
constexpr int kUnit = 1005;
constexpr int kScientific = 1081;
constexpr int kDecimals = 1088;
constexpr int kEquals = 1001;
constexpr int kValues = 1065;
constexpr int kLabels = 1074;

const QString kAngleLabels = Lines({"Radians", "Gradients", "Degrees", "Minutes", "Seconds"});

class AnglePage : public ::testing::Test {
protected:
    PageInSheet host{"Angles"};
    CPropertyPage& page = host.page();
    Angles& angles = dynamic_cast<Angles&>(host.page());
    MessageRecorder recorder;

    QString values() { return ShownText(page, kValues); }
    QString labels() { return ShownText(page, kLabels); }
};

TEST_F(AnglePage, StartsEmptyWithNothingChosen)
{
    EXPECT_EQ(ShownText(page, kValue), "0");
    EXPECT_EQ(ShownIndex(page, kUnit), -1);
    EXPECT_EQ(ShownIndex(page, kDecimals), -1);
    EXPECT_EQ(values(), "");
    EXPECT_EQ(labels(), "");
}

TEST_F(AnglePage, NinetyDegreesToTwoDecimals)
{
    TypeInto(page, kValue, "90");
    ChooseItem(page, kUnit, "Degrees");
    ChooseItem(page, kDecimals, "2");
    ClickButton(page, kEquals);

    EXPECT_EQ(angles.m_strValues, Lines({"1.57", "100.00", "90.00", "5400.00", "324000.00"}));
    EXPECT_EQ(angles.m_strNames, kAngleLabels);
    EXPECT_EQ(values(), "1.57\n100.00\n90.00\n5400.00\n324000.00\n");
    EXPECT_EQ(labels(), "Radians\nGradients\nDegrees\nMinutes\nSeconds\n");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(AnglePage, ScientificNotationOverridesTheDecimals)
{
    TypeInto(page, kValue, "1");
    ChooseItem(page, kUnit, "Radians");
    ChooseItem(page, kDecimals, "0");
    ToggleCheck(page, kScientific);
    ClickButton(page, kEquals);
    EXPECT_EQ(angles.m_strValues, Lines({"1.000000e+00", "6.366198e+01", "5.729578e+01",
                                         "3.437747e+03", "2.062648e+05"}));
}

TEST_F(AnglePage, EnterInTheValueBoxPressesEquals)
{
    ChooseItem(page, kUnit, "Degrees");
    TypeInto(page, kValue, "60");
    QTest::keyClick(page.GetDlgItem(kValue), Qt::Key_Return);
    EXPECT_EQ(angles.m_strValues,
              Lines({"1.04718", "66.66666", "60.00000", "3600.00000", "216000.00000"}));
}

TEST_F(AnglePage, NoUnitShowsIncompleteAndWipesTheLastResult)
{
    TypeInto(page, kValue, "90");
    ChooseItem(page, kUnit, "Degrees");
    ClickButton(page, kEquals);
    ASSERT_FALSE(values().isEmpty());

    TypeIntoList(page, kUnit, "");
    ClickButton(page, kEquals);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, "Please fill out the required fields");
    EXPECT_EQ(recorder.messages[0].caption, "Incomplete");
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
    EXPECT_EQ(values(), "");
    EXPECT_EQ(labels(), "");
}

// Typed text selects the item it spells, whatever its case and end blanks; after "="
// each list shows what was used, so text that spells no item is gone.
TEST_F(AnglePage, TypedTextSelectsTheItemItSpellsAndNothingElse)
{
    auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(kUnit));
    const int items = list->count();
    TypeInto(page, kValue, "2");

    TypeIntoList(page, kUnit, " minutes ");
    TypeIntoList(page, kDecimals, " 2");
    ClickButton(page, kEquals);
    EXPECT_EQ(angles.m_nUnit, 3);
    EXPECT_EQ(ShownText(page, kUnit), "Minutes");
    EXPECT_EQ(ShownText(page, kDecimals), "2");

    for (const char* typed : {"9", "abc", "2.5"}) {
        TypeIntoList(page, kDecimals, typed);
        ClickButton(page, kEquals);
        EXPECT_EQ(ShownText(page, kDecimals), "") << typed;
        EXPECT_EQ(values(), "0.00058\n0.03704\n0.03333\n2.00000\n120.00000\n") << typed;
    }
    TypeIntoList(page, kUnit, "Hours");
    ClickButton(page, kEquals);
    EXPECT_EQ(angles.m_nUnit, -1);
    EXPECT_EQ(ShownText(page, kUnit), "");
    EXPECT_EQ(list->count(), items);  // typing never adds an item
}

// The value box is written back as text that reads as the very same number, so a
// second "=" with nothing touched shows exactly what the first did.
TEST_F(AnglePage, EqualsTwiceGivesTheSameTexts)
{
    ChooseItem(page, kUnit, "Degrees");
    for (const char* typed :
         {"10000000.000000002", "0.30000000000000004", "1.0000000000000002", "9999999.999999998"}) {
        TypeInto(page, kValue, typed);
        ClickButton(page, kEquals);
        const QString first = values();
        EXPECT_EQ(convert::ReadReal(ShownText(page, kValue).toStdString()).value,
                  convert::ReadReal(typed).value);
        ClickButton(page, kEquals);
        EXPECT_EQ(values(), first) << typed;
    }
    EXPECT_TRUE(recorder.messages.empty());
}

// A refused value stops the pull at the value box: the members exchanged after it keep
// what they held, the previous value is converted and written back into the box.
TEST_F(AnglePage, ARefusedValueConvertsThePreviousOne)
{
    TypeInto(page, kValue, "90");
    ChooseItem(page, kUnit, "Degrees");
    ChooseItem(page, kDecimals, "2");
    ClickButton(page, kEquals);

    TypeInto(page, kValue, "ninety");
    ChooseItem(page, kDecimals, "0");  // exchanged after the value: not read this time
    ClickButton(page, kEquals);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].caption, "Velkari Unit Converter");
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
    EXPECT_EQ(ShownText(page, kValue), "90");
    EXPECT_EQ(values(), "1.57\n100.00\n90.00\n5400.00\n324000.00\n");
}

TEST_F(AnglePage, ARefusedValueOnAFreshPageAlsoReportsTheMissingUnit)
{
    ChooseItem(page, kUnit, "Degrees");  // exchanged after the value: never pulled
    TypeInto(page, kValue, "");
    ClickButton(page, kEquals);

    ASSERT_EQ(recorder.messages.size(), 2U);
    EXPECT_EQ(recorder.messages[0].text, "Please enter a number.");
    EXPECT_EQ(recorder.messages[1].caption, "Incomplete");
    EXPECT_EQ(ShownText(page, kValue), "0");
}

TEST(TemperaturePage, HundredCelsiusFillsTheThreeBoxes)
{
    PageInSheet host("temperature");
    MessageRecorder recorder;
    CPropertyPage& page = host.page();
    TypeInto(page, 1053, "100");
    ChooseItem(page, 1003, "Celsius (°C)");
    ClickButton(page, 1001);

    EXPECT_EQ(ShownText(page, 1007), "212.000\n373.150");
    EXPECT_EQ(ShownText(page, 1065), "Farenheit(°F)\nKelvin(K)");
    EXPECT_EQ(ShownText(page, 1002),
              "Farenheit = [ (9/5) * Celsius ] + 32\nKelvin      = Celsius +273.15");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(TemperaturePage, NoUnitEmptiesAllThreeBoxes)
{
    PageInSheet host("temperature");
    MessageRecorder recorder;
    CPropertyPage& page = host.page();
    ChooseItem(page, 1003, "Kelvin (K)");
    ClickButton(page, 1001);
    ASSERT_FALSE(ShownText(page, 1002).isEmpty());

    TypeIntoList(page, 1003, "Rankine");
    ClickButton(page, 1001);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].caption, "Incomplete");
    EXPECT_EQ(ShownText(page, 1007), "");
    EXPECT_EQ(ShownText(page, 1065), "");
    EXPECT_EQ(ShownText(page, 1002), "");
}

}  // namespace
