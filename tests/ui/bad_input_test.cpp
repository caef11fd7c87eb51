// What users type and paste that is not a number: refused with a message that says
// what the field expects, the pull stops there, and nothing already shown is lost.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <clocale>

#include "chem/chem.h"
#include "convert/Angles.h"
#include "convert/DAT.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

struct BadText {
    const char* text;
    const char* realMessage;   // what a real value box says
    const char* wholeMessage;  // what a whole-number box says
};

void PrintTo(const BadText& bad, std::ostream* os)
{
    *os << '"' << bad.text << '"';
}

constexpr const char* kNotReal =
    "Please enter a number, written with digits, an optional \".\" and an optional "
    "exponent (for example 12.5 or -3e4).";
constexpr const char* kNotWhole =
    "Please enter a whole number, written with digits only (for example 250 or -3).";
constexpr const char* kFraction =
    "Please enter a whole number, without a decimal point or exponent.";
constexpr const char* kEmptyReal = "Please enter a number.";
constexpr const char* kEmptyWhole = "Please enter a whole number.";
constexpr const char* kTooLargeReal =
    "Please enter a number between -1.7976931348623157e308 and 1.7976931348623157e308.";
constexpr const char* kTooLargeWhole =
    "Please enter a whole number between -2147483648 and 2147483647.";

const BadText kBadTexts[]{
    {"", kEmptyReal, kEmptyWhole},
    {"   ", kEmptyReal, kEmptyWhole},
    {"ninety", kNotReal, kNotWhole},
    {"1.5.2", kNotReal, kNotWhole},
    {"1,5", kNotReal, kNotWhole},
    {"0x1p3", kNotReal, kNotWhole},
    {"inf", kNotReal, kNotWhole},
    {"infinity", kNotReal, kNotWhole},
    {"nan", kNotReal, kNotWhole},
    {"\xd9\xa3", kNotReal, kNotWhole},  // an Arabic-Indic three
    {"1e999", kTooLargeReal, kFraction},
    {"-1e999", kTooLargeReal, kFraction},
};

class BadInput : public ::testing::TestWithParam<BadText> {};

// Angle exchanges its value first, so a refusal leaves every other member as the last
// press left it: the same conversion is shown again and the box gets its value back.
TEST_P(BadInput, RealValueBoxKeepsTheLastConversion)
{
    PageInSheet host("Angles");
    auto& page = dynamic_cast<Angles&>(host.page());
    TypeInto(page, 1064, "90");
    ChooseItem(page, 1005, "Degrees");
    ChooseItem(page, 1088, "2");
    ClickButton(page, 1001);
    const QString shown = ShownText(page, 1065);

    MessageRecorder recorder;
    TypeInto(page, 1064, QString::fromUtf8(GetParam().text));
    ClickButton(page, 1001);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, QString::fromUtf8(GetParam().realMessage));
    EXPECT_EQ(recorder.messages[0].caption, "Velkari Unit Converter");
    EXPECT_EQ(page.m_dValue, 90.0);
    EXPECT_EQ(ShownText(page, 1064), "90");
    EXPECT_EQ(ShownText(page, 1065), shown);
}

// Energy's value box takes whole numbers; it too is exchanged first.
TEST_P(BadInput, WholeNumberBoxKeepsTheLastConversion)
{
    PageInSheet host("DAT");
    auto& page = dynamic_cast<DAT&>(host.page());
    TypeInto(page, 1062, "3");
    ChooseItem(page, 1004, "Joule (J)");
    ClickButton(page, 1000);
    const QString shown = ShownText(page, 1063);
    ASSERT_FALSE(shown.isEmpty());

    MessageRecorder recorder;
    TypeInto(page, 1062, QString::fromUtf8(GetParam().text));
    ClickButton(page, 1000);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, QString::fromUtf8(GetParam().wholeMessage));
    EXPECT_EQ(page.m_nValue, 3);
    EXPECT_EQ(ShownText(page, 1062), "3");
    EXPECT_EQ(ShownText(page, 1063), shown);
}

// The molecular-weight page reads its given amount as a number: the same rule.
TEST_P(BadInput, ChemistryAmountIsRefusedAlike)
{
    PageInSheet host("chem");
    auto& page = dynamic_cast<chem&>(host.page());
    MessageRecorder recorder;
    TypeInto(page, 1054, QString::fromUtf8(GetParam().text));
    ClickButton(page, 1009);  // "=" of the conversion row
    ASSERT_GE(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, QString::fromUtf8(GetParam().realMessage));
    EXPECT_EQ(page.m_dGiven, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadInput, ::testing::ValuesIn(kBadTexts));

TEST(WholeNumberBox, RefusesFractionsAndNumbersBeyond32Bits)
{
    PageInSheet host("DAT");
    MessageRecorder recorder;
    for (const char* text : {"2.5", "2147483648", "-2147483649", "3e2"}) {
        TypeInto(host.page(), 1062, QString::fromUtf8(text));
        ClickButton(host.page(), 1000);
    }
    ASSERT_EQ(recorder.messages.size(), 8U);  // each refusal, then "Incomplete"
    EXPECT_EQ(recorder.messages[0].text, kFraction);
    EXPECT_EQ(recorder.messages[2].text, kTooLargeWhole);
    EXPECT_EQ(recorder.messages[4].text, kTooLargeWhole);
    EXPECT_EQ(recorder.messages[6].text, kFraction);
}

TEST(LongPaste, AMegabyteIsRefusedAndTheBoxStaysUsable)
{
    PageInSheet host("Angles");
    CPropertyPage& page = host.page();
    auto* box = qobject_cast<QLineEdit*>(page.GetDlgItem(1064));
    QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('9')));
    box->selectAll();
    box->paste();
    MessageRecorder recorder;
    ChooseItem(page, 1005, "Degrees");
    ClickButton(page, 1001);
    ASSERT_GE(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, kTooLargeReal);

    // The refused press pushed back the unit it never read; choose it again.
    TypeInto(page, 1064, "1");
    ChooseItem(page, 1005, "Degrees");
    ClickButton(page, 1001);
    EXPECT_EQ(ShownText(page, 1065), "0.01745\n1.11111\n1.00000\n60.00000\n3600.00000\n");
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
    TypeInto(page, 1064, "1.5");
    ChooseItem(page, 1005, "Radians");
    ChooseItem(page, 1088, "2");
    ClickButton(page, 1001);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(page.m_dValue, 1.5);
    EXPECT_EQ(ShownText(page, 1064), "1.5");
    EXPECT_EQ(ShownText(page, 1065), "1.50\n95.49\n85.94\n5156.62\n309397.21\n");

    TypeInto(page, 1064, "1,5");
    ClickButton(page, 1001);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, kNotReal);
}

TEST_F(CommaLocaleWindow, TemperatureKeepsItsPoint)
{
    PageInSheet host("temperature");
    TypeInto(host.page(), 1053, "36.6");
    ChooseItem(host.page(), 1003, "Celsius (°C)");
    ClickButton(host.page(), 1001);
    EXPECT_EQ(ShownText(host.page(), 1007), "97.880\n309.750");
}

}  // namespace
