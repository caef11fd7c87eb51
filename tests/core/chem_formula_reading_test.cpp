#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "chem/formula.h"

namespace chemistry {
namespace {

// The weight text names every element with its total count in order of first
// appearance, so one string checks the reading and the weight together.
struct ReadCase {
    const char* text;
    const char* weightText;
};

constexpr ReadCase kRead[]{
    {"H2SO4", "H2S1O4 = 98.079    grams/moles"},
    {"Ca(OH)2", "Ca1O2H2 = 74.093    grams/moles"},
    {"K4[Fe(CN)6]", "K4Fe1C6N6 = 368.343    grams/moles"},
    {"CuSO4·5H2O", "Cu1S1O9H10 = 249.686    grams/moles"},
    {"CuSO4*5H2O", "Cu1S1O9H10 = 249.686    grams/moles"},
    {"CuSO4.5H2O", "Cu1S1O9H10 = 249.686    grams/moles"},
    {" \tH2O ", "H2O1 = 18.015    grams/moles"},
    {"Co", "Co1 = 58.933    grams/moles"},
    {"CO", "C1O1 = 28.010    grams/moles"},
    {"Tl2O3", "Tl2O3 = 456.764    grams/moles"},
    {"Ca3(PO4)2", "Ca3P2O8 = 310.177    grams/moles"},
    {"Fe4[Fe(CN)6]3", "Fe7C18N18 = 859.228    grams/moles"},
    {"[(CH3)3Si]2O", "C6H18Si2O1 = 162.378    grams/moles"},
    {"KMg3(AlSi3O10)(OH)2", "K1Mg3Al1Si3O12H2 = 417.260    grams/moles"},
    {"H02", "H2 = 2.016    grams/moles"},
    {"H9999999", "H9999999 = 10079398.992    grams/moles"},
};

TEST(FormulaReading, GivesEachElementWithItsTotalCount)
{
    for (const ReadCase& c : kRead) {
        const FormulaReading reading = ReadFormula(c.text);
        EXPECT_EQ(reading.refusal, "") << c.text;
        EXPECT_EQ(FormulaWeightText(reading.elements), c.weightText) << c.text;
        // Written back and read again, the formula gives the same elements.
        EXPECT_EQ(ReadFormula(CanonicalFormula(reading.elements)).elements, reading.elements);
    }
    EXPECT_EQ(CanonicalFormula(ReadFormula("CuSO4·5H2O").elements), "CuSO9H10");
}

// The composition lines of every formula above add up to 100 %, within the rounding of
// each line to three decimals.
TEST(FormulaReading, PercentagesAddUpToAHundred)
{
    EXPECT_EQ(PercentCompositionText(ReadFormula("H2O").elements),
              "H\t11.190\t2.016\nO\t88.810\t15.999\nTotal\t100.000\t18.015\n");
    for (const ReadCase& c : kRead) {
        std::istringstream lines(PercentCompositionText(ReadFormula(c.text).elements));
        std::string symbol;
        double percent = 0.0;
        double grams = 0.0;
        double sum = 0.0;
        int count = 0;
        while (lines >> symbol >> percent >> grams && symbol != "Total") {
            sum += percent;
            ++count;
        }
        EXPECT_NEAR(sum, 100.0, 0.0005 * count) << c.text;
        EXPECT_EQ(percent, 100.0) << c.text;
    }
}

struct RefusalCase {
    const char* text;
    const char* refusal;
};

constexpr RefusalCase kRefused[]{
    {"", "character 1: the formula is empty"},
    {"   ", "character 1: the formula is empty"},
    {"Xx", "character 1: unknown element symbol \"Xx\""},
    {"H2Xx", "character 3: unknown element symbol \"Xx\""},
    {"h2o", "character 1: an element symbol starts with a capital letter"},
    {"2H2O", "character 1: a formula starts with an element symbol, not a count"},
    {"Ca(OH", "character 3: unbalanced brackets: \"(\" is never closed"},
    {"CaOH)2", "character 5: unbalanced brackets: \")\" closes no bracket"},
    {"K4[Fe(CN)6)", "character 11: unbalanced brackets: \")\" where \"]\" is expected"},
    {"H2()O", "character 3: empty brackets"},
    {"H0", "character 2: a count of 0"},
    {"CuSO4·0H2O", "character 7: a count of 0"},
    {"H10000000", "character 2: the count \"10000000\" is too large (at most 9999999)"},
    {"H9999999H", "character 9: the count of \"H\" is too large (at most 9999999)"},
    {"(H5000000)2", "character 10: a count inside the brackets is too large (at most 9999999)"},
    {"H2O·5000000H2O", "character 5: a count of the hydrate is too large (at most 9999999)"},
    {"H2 O", "character 3: a blank inside the formula"},
    {"H(2O)", "character 3: a count must follow an element symbol or a bracket"},
    {"CuSO4·", "character 6: nothing after \"·\""},
    {"·H2O", "character 1: no element before \"·\""},
    {"CuSO4·5", "character 7: no element before the end"},
    {"CuSO4·5H2O·Xx", "character 12: unknown element symbol \"Xx\""},
    {"H2O+", "character 4: unexpected \"+\""},
    {"H2O\xC3\xA9", "character 4: unexpected character"},
};

TEST(FormulaReading, RefusesWithThePositionAndTheReason)
{
    for (const RefusalCase& c : kRefused) {
        const FormulaReading reading = ReadFormula(c.text);
        EXPECT_EQ(reading.refusal, c.refusal) << c.text;
        EXPECT_TRUE(reading.elements.empty()) << c.text;
    }
}

}  // namespace
}  // namespace chemistry
