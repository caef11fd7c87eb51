// What users type and paste that is not a number: refused with a message that says
// what the field expects, the pull stops there, and nothing already shown is lost.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <clocale>

#include "pages/chem/chem.h"
#include "pages/convert/Angles.h"
#include "res/resource.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

constexpr const char* kNotReal =
    "Please enter a number, written with digits, an optional \".\" and an optional "
    "exponent (for example 12.5 or -3e4).";
constexpr const char* kFraction =
    "Please enter a whole number, without a decimal point or exponent.";
constexpr const char* kTooLargeReal =
    "Please enter a number between -1.7976931348623157e308 and 1.7976931348623157e308.";
constexpr const char* kTooSmallReal =
    "Please enter 0, or a number from 4.9406564584124654e-324 up or from "
    "-4.9406564584124654e-324 down.";

struct KeptCase {
    const char* page;
    int value, unit, equals, values;  // control ids
    const char* unitItem;
    const char* good;
    const char* refused;
    const char* message;
};

// The whole list of refused texts is the number rule's own (tests/core); here one text
// per kind of field shows that each kind reads by that rule, says why, stops the pull
// there, keeps the refused text to be corrected and converts nothing: no earlier
// conversion stays beside it. Angle and Energy exchange their value first.
TEST(BadInput, ValueBoxKeepsTheRefusedText)
{
    const KeptCase cases[]{
        {"Angles", IDC_ANGLE_VALUE, IDC_ANGLE_UNIT, IDC_ANGLE_EQUALS, IDC_ANGLE_VALUES, "Degrees",
         "90", "inf", kNotReal},
        {"length", IDC_LENGTH_VALUE, IDC_LENGTH_UNIT, IDC_LENGTH_EQUALS, IDC_LENGTH_VALUES,
         "Foot (ft)", "3", "1e-400", kTooSmallReal},
        {"DAT", IDC_ENERGY_VALUE, IDC_ENERGY_UNIT, IDC_ENERGY_EQUALS, IDC_ENERGY_VALUES,
         "Joule (J)", "3", "2.5", kFraction},
    };
    for (const KeptCase& c : cases) {
        PageInSheet host(c.page);
        CPropertyPage& page = host.page();
        TypeInto(page, c.value, c.good);
        ChooseItem(page, c.unit, c.unitItem);
        ClickButton(page, c.equals);
        const QString shown = ShownText(page, c.values);
        ASSERT_FALSE(shown.isEmpty()) << c.page;

        MessageRecorder recorder;
        TypeInto(page, c.value, c.refused);
        ClickButton(page, c.equals);
        ASSERT_EQ(recorder.messages.size(), 1U) << c.page;
        EXPECT_EQ(recorder.messages[0].text, c.message);
        EXPECT_EQ(recorder.messages[0].caption, "Velkari Unit Converter");
        EXPECT_EQ(ShownText(page, c.value), c.refused);
        EXPECT_EQ(ShownText(page, c.values), "") << c.page;
    }
}

TEST(BadInput, ChemistryAmountIsRefusedAlike)
{
    PageInSheet host("chem");
    auto& page = dynamic_cast<chem&>(host.page());
    MessageRecorder recorder;
    TypeInto(page, IDC_MW_GIVEN, "-1e999");
    ClickButton(page, IDC_MW_CONVERT);
    ASSERT_GE(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, kTooLargeReal);
    EXPECT_EQ(page.m_dGiven, 0.0);
}

TEST(LongPaste, AMegabyteIsRefusedAndTheBoxStaysUsable)
{
    PageInSheet host("Angles");
    CPropertyPage& page = host.page();
    auto* box = qobject_cast<QLineEdit*>(page.GetDlgItem(IDC_ANGLE_VALUE));
    QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('9')));
    box->selectAll();
    box->paste();
    MessageRecorder recorder;
    ChooseItem(page, IDC_ANGLE_UNIT, "Degrees");
    ClickButton(page, IDC_ANGLE_EQUALS);
    ASSERT_GE(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, kTooLargeReal);

    TypeInto(page, IDC_ANGLE_VALUE, "1");
    EXPECT_EQ(ShownText(page, IDC_ANGLE_UNIT), "Degrees");
    ClickButton(page, IDC_ANGLE_EQUALS);
    EXPECT_EQ(ShownText(page, IDC_ANGLE_VALUES),
              "0.01745\n1.11111\n1.00000\n60.00000\n3600.00000\n");
}

// A user whose locale writes "1,5" still reads and types "." in the window.
class CommaLocaleWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            GTEST_SKIP() << "de_DE.UTF-8 is not installed (Debian package locales-all)";
        }
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
};

TEST_F(CommaLocaleWindow, ShowsAndReadsAPoint)
{
    PageInSheet host("Angles");
    auto& page = dynamic_cast<Angles&>(host.page());
    MessageRecorder recorder;
    TypeInto(page, IDC_ANGLE_VALUE, "1.5");
    ChooseItem(page, IDC_ANGLE_UNIT, "Radians");
    ChooseItem(page, IDC_ANGLE_DECIMALS, "2");
    ClickButton(page, IDC_ANGLE_EQUALS);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(page.m_dValue, 1.5);
    EXPECT_EQ(ShownText(page, IDC_ANGLE_VALUE), "1.5");
    EXPECT_EQ(ShownText(page, IDC_ANGLE_VALUES), "1.50\n95.49\n85.94\n5156.62\n309397.21\n");

    TypeInto(page, IDC_ANGLE_VALUE, "1,5");
    ClickButton(page, IDC_ANGLE_EQUALS);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, kNotReal);
}

// A value the box accepts but whose result in some unit is too large to be a number is
// refused by "=" with the product's name as caption, and no line of "inf" is shown.
TEST(BadInput, ResultTooLargeForAUnitIsRefused)
{
    PageInSheet host("length");
    CPropertyPage& page = host.page();
    TypeInto(page, IDC_LENGTH_VALUE, "3");
    ChooseItem(page, IDC_LENGTH_UNIT, "Kilometer (km)");
    ClickButton(page, IDC_LENGTH_EQUALS);
    ASSERT_FALSE(ShownText(page, IDC_LENGTH_VALUES).isEmpty());

    MessageRecorder recorder;
    TypeInto(page, IDC_LENGTH_VALUE, "1e300");
    ClickButton(page, IDC_LENGTH_EQUALS);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, "The result is too large to be a number");
    EXPECT_EQ(recorder.messages[0].caption, "Velkari Unit Converter");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_VALUES), "");
    EXPECT_EQ(ShownText(page, IDC_LENGTH_NAMES), "");
}

}  // namespace
