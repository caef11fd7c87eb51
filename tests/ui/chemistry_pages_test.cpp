// The three chemistry pages, each created by its class name in a sheet of its own and
// driven through its real widgets.
#include <gtest/gtest.h>

#include <QTest>
#include <tuple>

#include "pages/chem/MISC.h"
#include "pages/chem/chem.h"
#include "pages/chem/periodic.h"
#include "res/resource.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

// The page said exactly one thing, as a warning.
void ExpectOneWarning(const MessageRecorder& recorder, const char* text, const char* caption)
{
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, text);
    EXPECT_EQ(recorder.messages[0].caption, caption);
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
}

class PeriodicPage : public ::testing::Test {
protected:
    PageInSheet host{"periodic"};
    CPropertyPage& page = host.page();
    MessageRecorder recorder;

    // Every field top to bottom, one line each.
    QString Fields()
    {
        QString shown;
        for (const int id :
             {IDC_PERIODIC_NAME, IDC_PERIODIC_GROUP, IDC_PERIODIC_BLOCK, IDC_PERIODIC_ATOMIC_MASS,
              IDC_PERIODIC_ATOMIC_NUMBER, IDC_PERIODIC_ELECTRONEGATIVITY, IDC_PERIODIC_OXIDATION,
              IDC_PERIODIC_DISTRIBUTION}) {
            shown += ShownText(page, id) + QLatin1Char('\n');
        }
        return shown;
    }
};

TEST_F(PeriodicPage, StartsWithNothingChosen)
{
    EXPECT_EQ(ShownIndex(page, IDC_PERIODIC_ELEMENT), -1);
    EXPECT_EQ(Fields(), "\n\n\n0\n0\n\n\n\n");
}

TEST_F(PeriodicPage, PickingIronShowsEveryField)
{
    ChooseItem(page, IDC_PERIODIC_ELEMENT, "Fe");
    EXPECT_EQ(Fields(),
              "Iron\nTransition Metal\nd\n55.845\n26\n1.8\n6,3,2,0,-2\n"
              "1s // 2s // 2p // 3s // 3p // 4s // 3d // \n");
    EXPECT_EQ(dynamic_cast<periodic&>(page).m_nElement, 32);
    EXPECT_TRUE(recorder.messages.empty());
    SaveScreenshot(host.sheet(), QStringLiteral("chemistry-periodic"));
}

// "Z" alone spells no symbol: the fields clear, but the letter stays for the "n".
TEST_F(PeriodicPage, TypingASymbolLetterByLetterShowsItsElement)
{
    TypeIntoList(page, IDC_PERIODIC_ELEMENT, "Zn");
    EXPECT_EQ(ShownText(page, IDC_PERIODIC_ELEMENT), "Zn");
    EXPECT_EQ(ShownText(page, IDC_PERIODIC_NAME), "Zinc");
    EXPECT_EQ(ShownText(page, IDC_PERIODIC_ATOMIC_MASS), "65.39");
}

TEST_F(PeriodicPage, TextThatSelectsNoElementClearsTheFields)
{
    ChooseItem(page, IDC_PERIODIC_ELEMENT, "Hs");
    ASSERT_EQ(ShownText(page, IDC_PERIODIC_NAME), "Hassium ");

    TypeIntoList(page, IDC_PERIODIC_ELEMENT, "Qq");
    EXPECT_EQ(dynamic_cast<periodic&>(page).m_nElement, -1);
    EXPECT_EQ(Fields(), "\n\n\n0\n0\n\n\n\n");
    EXPECT_EQ(ShownText(page, IDC_PERIODIC_ELEMENT), "Qq");
}

// M.W/Grams Moles control ids.
constexpr int kElements[]{IDC_MW_ELEMENT1, IDC_MW_ELEMENT2, IDC_MW_ELEMENT3, IDC_MW_ELEMENT4,
                          IDC_MW_ELEMENT5};
constexpr int kCounts[]{IDC_MW_COUNT1, IDC_MW_COUNT2, IDC_MW_COUNT3, IDC_MW_COUNT4, IDC_MW_COUNT5};

class MolecularWeightPage : public ::testing::Test {
protected:
    PageInSheet host{"chem"};
    CPropertyPage& page = host.page();
    chem& members = dynamic_cast<chem&>(host.page());
    MessageRecorder recorder;

    void Slot(int slot, const char* symbol, const char* count)
    {
        ChooseItem(page, kElements[slot], QString::fromUtf8(symbol));
        TypeInto(page, kCounts[slot], QString::fromUtf8(count));
    }

    void Convert(const char* direction, const char* given, const char* weight)
    {
        ChooseItem(page, IDC_MW_MODE, QString::fromUtf8(direction));
        TypeInto(page, IDC_MW_GIVEN, QString::fromUtf8(given));
        TypeInto(page, IDC_MW_MOLECULAR_WEIGHT, QString::fromUtf8(weight));
        ClickButton(page, IDC_MW_CONVERT);
    }
};

TEST_F(MolecularWeightPage, WeighsSulfuricAcid)
{
    Slot(0, "H", "2");
    Slot(1, "S", "1");
    Slot(2, "O", "4");
    ClickButton(page, IDC_MW_EQUALS);
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "H2S1O4 = 98.079    grams/moles");
    EXPECT_TRUE(recorder.messages.empty());
    SaveScreenshot(host.sheet(), QStringLiteral("chemistry-chem"));
}

TEST_F(MolecularWeightPage, NoFirstElementIsIncompleteAndEmptiesTheResult)
{
    Slot(0, "H", "2");
    ClickButton(page, IDC_MW_EQUALS);
    ASSERT_FALSE(ShownText(page, IDC_MW_FORMULA_RESULT).isEmpty());

    ClickButton(page, IDC_MW_RESET);
    Slot(1, "O", "1");
    ClickButton(page, IDC_MW_EQUALS);

    ExpectOneWarning(recorder, "Please fill out the required fields", "Incomplete");
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "");
}

// The zeroed numbers give no result (a weight of 0 divides by zero), so none is shown.
TEST_F(MolecularWeightPage, ChoosingADirectionZeroesTheThreeNumbersOnly)
{
    Slot(0, "H", "2");
    ClickButton(page, IDC_MW_EQUALS);
    Convert("Moles to Grams", "2", "18.015");

    ChooseItem(page, IDC_MW_MODE, "Grams to Moles");

    EXPECT_EQ(ShownText(page, IDC_MW_GIVEN), "0");
    EXPECT_EQ(ShownText(page, IDC_MW_MOLECULAR_WEIGHT), "0");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "");
    EXPECT_EQ(ShownText(page, IDC_MW_EXPLANATION),
              "moles =    [ # given grams ]   /    [ molecular weight ]");
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "H2 = 2.016    grams/moles");
}

// Reset does not pull: a given amount typed since the last exchange is replaced by the
// one exchanged last, and the conversion row keeps its members.
TEST_F(MolecularWeightPage, ResetShowsTheAmountExchangedLast)
{
    Slot(0, "C", "6");
    Slot(1, "H", "12");
    Convert("Moles to Grams", "2", "18.015");
    TypeInto(page, IDC_MW_GIVEN, "5");

    ClickButton(page, IDC_MW_RESET);

    EXPECT_EQ(ShownText(page, IDC_MW_GIVEN), "2");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "36.03");
    EXPECT_EQ(ShownText(page, IDC_MW_MODE), "Moles to Grams");
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(ShownIndex(page, kElements[slot]), -1);
        EXPECT_EQ(ShownText(page, kCounts[slot]), "1");
    }
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "");
}

// Computed results are written with fifteen significant digits, as the command line
// writes them; the boxes typed into get back the shortest text of their double.
TEST_F(MolecularWeightPage, ResultsShowFifteenSignificantDigits)
{
    const struct {
        const char* direction;
        const char* given;
        const char* weight;
        const char* result;
    } cases[]{
        {"Moles to Grams", "0.1", "3", "0.3"},
        {"Grams to Moles", "2", "18.015", "0.111018595614765"},
        {"Grams to Moles", "1", "3", "0.333333333333333"},
    };
    for (const auto& c : cases) {
        Convert(c.direction, c.given, c.weight);
        EXPECT_EQ(ShownText(page, IDC_MW_RESULT), c.result) << c.given;
        EXPECT_EQ(ShownText(page, IDC_MW_GIVEN), c.given);
    }
    EXPECT_TRUE(recorder.messages.empty());
}

// Enter presses the "=" of the row the focus is in: each row has its own.
TEST_F(MolecularWeightPage, EnterPressesTheEqualsOfItsRow)
{
    ChooseItem(page, IDC_MW_MODE, "Moles to Grams");
    TypeInto(page, IDC_MW_GIVEN, "3");
    TypeInto(page, IDC_MW_MOLECULAR_WEIGHT, "2");
    QTest::keyClick(page.GetDlgItem(IDC_MW_MOLECULAR_WEIGHT), Qt::Key_Return);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "6");
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "");

    Slot(0, "H", "2");
    QTest::keyClick(page.GetDlgItem(IDC_MW_COUNT1), Qt::Key_Enter);
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "H2 = 2.016    grams/moles");
    EXPECT_TRUE(recorder.messages.empty());
}

// Beyond the field's eight characters or beyond any int, a count is refused alike; the
// count stays to be corrected and no formula is weighed.
TEST_F(MolecularWeightPage, CountsHaveOneRangeAndOneMessage)
{
    for (const char* count : {"2147483648", "99999999", "-1000000"}) {
        MessageRecorder refusals;
        Slot(0, "H", count);
        ClickButton(page, IDC_MW_EQUALS);
        ExpectOneWarning(refusals, "Please enter a whole number between -999999 and 9999999.",
                         CPropertyPage::ApplicationName().toUtf8().constData());
        EXPECT_EQ(ShownText(page, IDC_MW_COUNT1), count);
        EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "");
    }
    Slot(0, "H", "9999999");
    ClickButton(page, IDC_MW_EQUALS);
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "H9999999 = 10079398.992    grams/moles");
}

// A count below 1 fits the count field but no formula: refused in a box of its own,
// with the result emptied, in whichever slot it stands.
TEST_F(MolecularWeightPage, CountsBelowOneAreRefused)
{
    const struct {
        int slot;
        const char* count;
    } rows[]{{1, "0"}, {1, "-2"}, {0, "-999999"}, {2, "0"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.count);
        MessageRecorder refusals;
        Slot(0, "H", "2");
        Slot(1, "O", "1");
        Slot(2, "S", "1");
        ClickButton(page, IDC_MW_EQUALS);
        ASSERT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "H2O1S1 = 50.081    grams/moles");

        TypeInto(page, kCounts[row.slot], QString::fromUtf8(row.count));
        ClickButton(page, IDC_MW_EQUALS);
        ExpectOneWarning(refusals, "Every atom count must be at least 1", "Out of range");
        EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "");
        EXPECT_EQ(ShownText(page, kCounts[row.slot]), row.count);
    }
}

constexpr int kGrams[]{IDC_FORMULA_GRAMS1, IDC_FORMULA_GRAMS2, IDC_FORMULA_GRAMS3};
constexpr int kSymbols[]{IDC_FORMULA_ELEMENT1, IDC_FORMULA_ELEMENT2, IDC_FORMULA_ELEMENT3};

class CompositionPage : public ::testing::Test {
protected:
    PageInSheet host{"MISC"};
    CPropertyPage& page = host.page();
    MessageRecorder recorder;

    void Glucose()
    {
        TypeInto(page, IDC_FORMULA_COMPOUND_WEIGHT, "100");
        TypeInto(page, IDC_FORMULA_UNKNOWN_WEIGHT, "180.16");
        const char* symbols[]{"C", "H", "O"};
        const char* grams[]{"40", "6.71", "53.29"};
        for (int slot = 0; slot < 3; ++slot) {
            TypeInto(page, kGrams[slot], QString::fromUtf8(grams[slot]));
            ChooseItem(page, kSymbols[slot], QString::fromUtf8(symbols[slot]));
        }
        ClickButton(page, IDC_FORMULA_COMPUTE);
    }

    QString Results()
    {
        return ShownText(page, IDC_FORMULA_COMPOSITION) + "|" +
               ShownText(page, IDC_FORMULA_SIMPLEST) + "|" + ShownText(page, IDC_FORMULA_MOLECULAR);
    }
};

TEST_F(CompositionPage, AnalysesGlucose)
{
    Glucose();
    EXPECT_EQ(Results(), "C= 40.000%,  H= 6.710%,  O= 53.290%|C1 H2 O1|C6.00 ,  H12.00 ,  O6.00");
    EXPECT_TRUE(recorder.messages.empty());
    SaveScreenshot(host.sheet(), QStringLiteral("chemistry-MISC"));
}

// What a person types for a compound: the sample's weight, the unknown's (0 for none)
// and up to three elements with their grams.
struct Sample {
    const char* compound;
    const char* unknown;
    const char* symbols[3];
    const char* grams[3];
};

void TypeSample(CPropertyPage& page, const Sample& sample)
{
    TypeInto(page, IDC_FORMULA_COMPOUND_WEIGHT, QString::fromUtf8(sample.compound));
    TypeInto(page, IDC_FORMULA_UNKNOWN_WEIGHT, QString::fromUtf8(sample.unknown));
    for (int slot = 0; slot < 3; ++slot) {
        TypeInto(page, kGrams[slot], QString::fromUtf8(sample.grams[slot]));
        ChooseItem(page, kSymbols[slot], QString::fromUtf8(sample.symbols[slot]));
    }
    ClickButton(page, IDC_FORMULA_COMPUTE);
}

// The simplest formula in whole numbers, not rounded ratios.
TEST_F(CompositionPage, ClearsRatiosToWholeNumbers)
{
    const struct {
        Sample sample;
        const char* results;
    } rows[]{
        {{"10", "159.69", {"Fe", "O", ""}, {"6.994", "3.006", "0"}},
         "Fe= 69.940%,  O= 30.060%|Fe2 O3 |Fe2.00 ,  O3.00 "},
        {{"100", "0", {"Fe", "O", ""}, {"72.36", "27.64", "0"}},
         "Fe= 72.360%,  O= 27.640%|Fe3 O4 |"},
        {{"100", "44.1", {"C", "H", ""}, {"81.71", "18.29", "0"}},
         "C= 81.710%,  H= 18.290%|C3 H8 |C3.00 ,  H8.00 "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.results);
        TypeSample(page, row.sample);
        EXPECT_EQ(Results(), row.results);
    }
    EXPECT_TRUE(recorder.messages.empty());
}

// Weights no compound has, each refused with its own sentence after a computation that
// filled the results, which are emptied.
TEST_F(CompositionPage, RefusesImpossibleWeights)
{
    const struct {
        Sample sample;
        const char* message;
    } rows[]{
        {{"100", "0", {"C", "H", ""}, {"80", "30", "0"}},
         "The elements weigh more than the compound"},
        {{"100", "0", {"C", "H", "O"}, {"40", "-6.71", "53.29"}}, "A weight can not be negative"},
        {{"100", "-180.16", {"C", "H", "O"}, {"40", "6.71", "53.29"}},
         "A weight can not be negative"},
        {{"100", "0", {"C", "H", "O"}, {"10", "5", "85"}},
         "These weights fit no simplest formula in whole numbers"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        MessageRecorder refusals;
        Glucose();
        ASSERT_EQ(Results(),
                  "C= 40.000%,  H= 6.710%,  O= 53.290%|C1 H2 O1|C6.00 ,  H12.00 ,  O6.00");
        TypeSample(page, row.sample);
        ExpectOneWarning(refusals, row.message, "Out of range");
        EXPECT_EQ(Results(), "||");
    }
}

TEST_F(CompositionPage, MissingCompoundWeightIsIncompleteAndEmptiesTheResults)
{
    Glucose();
    TypeInto(page, IDC_FORMULA_COMPOUND_WEIGHT, "0");
    ClickButton(page, IDC_FORMULA_COMPUTE);

    ExpectOneWarning(recorder, "Please fill out the required fields", "Incomplete");
    EXPECT_EQ(Results(), "||");
}

TEST_F(CompositionPage, ResetEmptiesEveryField)
{
    Glucose();
    ClickButton(page, IDC_FORMULA_RESET);
    EXPECT_EQ(Results(), "||");
    for (const int id : {IDC_FORMULA_COMPOUND_WEIGHT, IDC_FORMULA_UNKNOWN_WEIGHT, kGrams[0],
                         kGrams[1], kGrams[2]}) {
        EXPECT_EQ(ShownText(page, id), "0");
    }
    for (const int id : kSymbols) {
        EXPECT_EQ(ShownIndex(page, id), 0);
    }
}

}  // namespace
