// The converter tabs driven through their real widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "convert/Angles.h"
#include "convert/temperature.h"
#include "res/resource.h"
#include "tests/support/lines.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

// Angle page control ids.
constexpr int kValue = IDC_ANGLE_VALUE;
constexpr int kUnit = IDC_ANGLE_UNIT;
constexpr int kScientific = IDC_ANGLE_SCIENTIFIC;
constexpr int kDecimals = IDC_ANGLE_DECIMALS;
constexpr int kEquals = IDC_ANGLE_EQUALS;
constexpr int kValues = IDC_ANGLE_VALUES;
constexpr int kLabels = IDC_ANGLE_NAMES;

const std::string kAngleLabels = Lines({"Radians", "Gradients", "Degrees", "Minutes", "Seconds"});

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

    EXPECT_EQ(angles.m_strValues.toStdString(),
              Lines({"1.57", "100.00", "90.00", "5400.00", "324000.00"}));
    EXPECT_EQ(angles.m_strNames.toStdString(), kAngleLabels);
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
    EXPECT_EQ(
        angles.m_strValues.toStdString(),
        Lines({"1.000000e+00", "6.366198e+01", "5.729578e+01", "3.437747e+03", "2.062648e+05"}));
}

TEST_F(AnglePage, EnterInTheValueBoxPressesEquals)
{
    ChooseItem(page, kUnit, "Degrees");
    TypeInto(page, kValue, "60");
    QTest::keyClick(page.GetDlgItem(kValue), Qt::Key_Return);
    EXPECT_EQ(angles.m_strValues.toStdString(),
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

TEST_F(AnglePage, TypedTextSelectsOnlyAnItemItSpellsExactly)
{
    auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(kUnit));
    const int items = list->count();

    TypeIntoList(page, kUnit, "Minutes");
    ClickButton(page, kEquals);
    EXPECT_EQ(angles.m_nUnit, 3);

    TypeIntoList(page, kUnit, "Hours");
    ClickButton(page, kEquals);
    EXPECT_EQ(angles.m_nUnit, -1);
    EXPECT_EQ(list->count(), items);  // typing never adds an item
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
    TypeInto(page, IDC_TEMPERATURE_VALUE, "100");
    ChooseItem(page, IDC_TEMPERATURE_UNIT, "Celsius (°C)");
    ClickButton(page, IDC_TEMPERATURE_EQUALS);

    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_VALUES), "212.000\n373.150");
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_NAMES), "Farenheit(°F)\nKelvin(K)");
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_FORMULA),
              "Farenheit = [ (9/5) * Celsius ] + 32\nKelvin      = Celsius +273.15");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(TemperaturePage, NoUnitEmptiesAllThreeBoxes)
{
    PageInSheet host("temperature");
    MessageRecorder recorder;
    CPropertyPage& page = host.page();
    ChooseItem(page, IDC_TEMPERATURE_UNIT, "Kelvin (K)");
    ClickButton(page, IDC_TEMPERATURE_EQUALS);
    ASSERT_FALSE(ShownText(page, IDC_TEMPERATURE_FORMULA).isEmpty());

    TypeIntoList(page, IDC_TEMPERATURE_UNIT, "Rankine");
    ClickButton(page, IDC_TEMPERATURE_EQUALS);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].caption, "Incomplete");
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_VALUES), "");
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_NAMES), "");
    EXPECT_EQ(ShownText(page, IDC_TEMPERATURE_FORMULA), "");
}

}  // namespace
