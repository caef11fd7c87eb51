#include "chem/composition.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace chemistry {
namespace {

// List items: the empty item, then element-table row + 1.
constexpr int kAl = 3;
constexpr int kC = 16;
constexpr int kCa = 17;
constexpr int kCl = 21;
constexpr int kCr = 24;
constexpr int kFe = 33;
constexpr int kH = 39;
constexpr int kK = 48;
constexpr int kN = 59;
constexpr int kNa = 60;
constexpr int kO = 67;
constexpr int kP = 69;
constexpr int kS = 85;
constexpr int kTl = 100;

constexpr ElementWeight kEmpty{};

struct CompositionCase {
    const char* what;
    CompositionInput input;
    const char* composition;
    const char* simplest;
    const char* molecular;
};

void PrintTo(const CompositionCase& c, std::ostream* os)
{
    *os << c.what;
}

class ComputeCompositionTest : public ::testing::TestWithParam<CompositionCase> {};

TEST_P(ComputeCompositionTest, WritesTheThreeResults)
{
    const CompositionCase& c = GetParam();
    const CompositionOutcome outcome = ComputeComposition(c.input);
    EXPECT_EQ(outcome.composition, c.composition);
    EXPECT_EQ(outcome.simplestFormula, c.simplest);
    EXPECT_EQ(outcome.molecularFormula, c.molecular);
    EXPECT_FALSE(outcome.message.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeCompositionTest,
    ::testing::Values(CompositionCase{"glucose",
                                      {100, 180.16, {{{kC, 40}, {kH, 6.71}, {kO, 53.29}}}},
                                      "C= 40.000%,  H= 6.710%,  O= 53.290%",
                                      "C1 H2 O1",
                                      "C6.00 ,  H12.00 ,  O6.00"},
                      // The smallest ratio (carbon's) in the second and in the third slot.
                      CompositionCase{"carbon second",
                                      {100, 180.16, {{{kH, 6.71}, {kC, 40}, {kO, 53.29}}}},
                                      "H= 6.710%,  C= 40.000%,  O= 53.290%",
                                      "H2 C1 O1",
                                      "H12.00 ,  C6.00 ,  O6.00"},
                      CompositionCase{"carbon third",
                                      {100, 180.16, {{{kO, 53.29}, {kH, 6.71}, {kC, 40}}}},
                                      "O= 53.290%,  H= 6.710%,  C= 40.000%",
                                      "O1 H2 C1",
                                      "O6.00 ,  H12.00 ,  C6.00"},
                      // A ratio of 1.5 is cleared to Fe2 O3; two slots leave a blank after
                      // the last count, and the molecular formula after its last number.
                      CompositionCase{"iron(III) oxide",
                                      {10, 159.69, {{{kFe, 6.994}, {kO, 3.006}, kEmpty}}},
                                      "Fe= 69.940%,  O= 30.060%",
                                      "Fe2 O3 ",
                                      "Fe2.00 ,  O3.00 "},
                      CompositionCase{"dinitrogen tetroxide",
                                      {100, 92.02, {{{kN, 30.45}, {kO, 69.55}, kEmpty}}},
                                      "N= 30.450%,  O= 69.550%",
                                      "N1 O2 ",
                                      "N2.00 ,  O4.00 "},
                      // Molecular counts are not rounded: they show how badly 100 fits.
                      CompositionCase{"not a whole multiple",
                                      {100, 100, {{{kN, 30.45}, {kO, 69.55}, kEmpty}}},
                                      "N= 30.450%,  O= 69.550%",
                                      "N1 O2 ",
                                      "N2.17 ,  O4.35 "},
                      CompositionCase{"thallium",
                                      {10, 0, {{{kTl, 5}, {kO, 5}, kEmpty}}},
                                      "Tl= 50.000%,  O= 50.000%",
                                      "Tl4 O51 ",
                                      ""}));

// The simplest formulas of common compounds from their published mass percentages (grams
// in 100 g), and the molecular formula from the published molar mass where the two
// differ or the multiplier is worth seeing.
struct KnownCompound {
    const char* name;
    CompositionInput input;
    const char* simplest;
    const char* molecular;
};

void PrintTo(const KnownCompound& c, std::ostream* os)
{
    *os << c.name;
}

class SimplestFormulaTest : public ::testing::TestWithParam<KnownCompound> {};

TEST_P(SimplestFormulaTest, ClearsTheMoleRatiosToWholeNumbers)
{
    const KnownCompound& c = GetParam();
    const CompositionOutcome outcome = ComputeComposition(c.input);
    EXPECT_EQ(outcome.simplestFormula, c.simplest);
    EXPECT_EQ(outcome.molecularFormula, c.molecular);
    EXPECT_FALSE(outcome.message.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Compounds, SimplestFormulaTest,
    ::testing::Values(
        // Oxides: ratios of 1.5, 4/3 and 2.5 are multiplied, not rounded.
        KnownCompound{"Al2O3",
                      {100, 101.96, {{{kAl, 52.93}, {kO, 47.07}, kEmpty}}},
                      "Al2 O3 ",
                      "Al2.00 ,  O3.00 "},
        KnownCompound{"Fe3O4",
                      {100, 231.53, {{{kFe, 72.36}, {kO, 27.64}, kEmpty}}},
                      "Fe3 O4 ",
                      "Fe3.00 ,  O4.00 "},
        KnownCompound{"P4O10",
                      {100, 283.89, {{{kP, 43.64}, {kO, 56.36}, kEmpty}}},
                      "P2 O5 ",
                      "P4.00 ,  O10.00 "},
        KnownCompound{"CO2", {100, 0, {{{kC, 27.29}, {kO, 72.71}, kEmpty}}}, "C1 O2 ", ""},
        KnownCompound{"N2O5", {100, 0, {{{kN, 25.94}, {kO, 74.06}, kEmpty}}}, "N2 O5 ", ""},
        // Hydrocarbons: 8/3 hydrogen per carbon needs three; nonane needs nine.
        KnownCompound{"C3H8",
                      {100, 44.10, {{{kC, 81.71}, {kH, 18.29}, kEmpty}}},
                      "C3 H8 ",
                      "C3.00 ,  H8.00 "},
        KnownCompound{"C2H6",
                      {100, 30.07, {{{kC, 79.89}, {kH, 20.11}, kEmpty}}},
                      "C1 H3 ",
                      "C2.00 ,  H6.00 "},
        KnownCompound{
            "C6H6", {100, 78.11, {{{kC, 92.26}, {kH, 7.74}, kEmpty}}}, "C1 H1 ", "C6.00 ,  H6.00 "},
        KnownCompound{"C9H20",
                      {100, 128.26, {{{kC, 84.28}, {kH, 15.72}, kEmpty}}},
                      "C9 H20 ",
                      "C9.00 ,  H20.00 "},
        // Propane from percentages typed with one decimal: still within the tolerance.
        KnownCompound{
            "C3H8, one decimal", {100, 0, {{{kC, 81.7}, {kH, 18.3}, kEmpty}}}, "C3 H8 ", ""},
        // Salts of three elements; dichromate needs two of each metal for its 3.5 oxygen.
        KnownCompound{
            "Na2SO4", {100, 0, {{{kNa, 32.37}, {kS, 22.57}, {kO, 45.06}}}}, "Na2 S1 O4", ""},
        KnownCompound{
            "KClO3", {100, 0, {{{kK, 31.91}, {kCl, 28.93}, {kO, 39.17}}}}, "K1 Cl1 O3", ""},
        KnownCompound{
            "CaCO3", {100, 0, {{{kCa, 40.04}, {kC, 12.00}, {kO, 47.96}}}}, "Ca1 C1 O3", ""},
        KnownCompound{
            "K2Cr2O7", {100, 0, {{{kK, 26.58}, {kCr, 35.35}, {kO, 38.07}}}}, "K2 Cr2 O7", ""},
        // Hydrates: oxalic acid dihydrate (C2H2O4·2H2O) and gibbsite (Al2O3·3H2O).
        KnownCompound{"C2H2O4*2H2O",
                      {100, 126.07, {{{kC, 19.05}, {kH, 4.80}, {kO, 76.15}}}},
                      "C1 H3 O3",
                      "C2.00 ,  H6.00 ,  O6.00"},
        KnownCompound{
            "Al2O3*3H2O", {100, 0, {{{kAl, 34.59}, {kO, 61.53}, {kH, 3.88}}}}, "Al1 O3 H3", ""},
        // Grams of a sample rather than percentages: the same formula.
        KnownCompound{
            "Fe2O3 in 2.5 g", {2.5, 0, {{{kFe, 1.7485}, {kO, 0.7515}, kEmpty}}}, "Fe2 O3 ", ""}));

struct RefusedCase {
    const char* what;
    CompositionInput input;
    const char* text;
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.what;
}

class CompositionRefusalTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(CompositionRefusalTest, ShowsAMessageAndNoResult)
{
    const CompositionOutcome outcome = ComputeComposition(GetParam().input);
    EXPECT_EQ(outcome.composition + outcome.simplestFormula + outcome.molecularFormula, "");
    ASSERT_TRUE(outcome.message.has_value());
    EXPECT_EQ(outcome.message->text, GetParam().text);
}

constexpr const char* kIncompleteText = "Please fill out the required fields";
constexpr const char* kOutOfRangeText =
    "The weights are too large or too small to compute a formula";
constexpr const char* kNegativeText = "A weight can not be negative";
constexpr const char* kOutweighText = "The elements weigh more than the compound";
constexpr const char* kNoFitText = "These weights fit no simplest formula in whole numbers";

INSTANTIATE_TEST_SUITE_P(
    Cases, CompositionRefusalTest,
    ::testing::Values(
        RefusedCase{"compound 0", {0, 0, {{{kC, 40}, {kH, 6.71}, kEmpty}}}, kIncompleteText},
        RefusedCase{
            "slot 1 empty", {100, 0, {{{kEmpty.item, 40}, {kH, 6.71}, kEmpty}}}, kIncompleteText},
        RefusedCase{"slot 2 empty", {100, 0, {{{kC, 40}, kEmpty, kEmpty}}}, kIncompleteText},
        // A half-filled third slot.
        RefusedCase{
            "slot 3 without grams", {100, 0, {{{kC, 40}, {kH, 6.71}, {kO, 0}}}}, kIncompleteText},
        RefusedCase{"slot 3 without element",
                    {100, 0, {{{kC, 40}, {kH, 6.71}, {kEmpty.item, 53.29}}}},
                    kIncompleteText},
        // Weights no sample has.
        RefusedCase{"negative grams", {100, 0, {{{kC, 1}, {kH, -1}, kEmpty}}}, kNegativeText},
        RefusedCase{"negative third grams",
                    {100, 0, {{{kC, 40}, {kH, 6.71}, {kO, -53.29}}}},
                    kNegativeText},
        RefusedCase{
            "negative compound", {-100, 0, {{{kC, 40}, {kH, 6.71}, kEmpty}}}, kNegativeText},
        RefusedCase{"negative unknown",
                    {100, -180.16, {{{kC, 40}, {kH, 6.71}, {kO, 53.29}}}},
                    kNegativeText},
        // 110 % of the compound; 101 % is past the rounding of typed numbers.
        RefusedCase{"elements 110 %", {100, 0, {{{kC, 80}, {kH, 30}, kEmpty}}}, kOutweighText},
        RefusedCase{
            "elements 101.01 %", {100, 0, {{{kC, 40.01}, {kH, 7}, {kO, 54}}}}, kOutweighText},
        RefusedCase{
            "elements far heavier", {1e-300, 0, {{{kC, 1e10}, {kH, 1e10}, kEmpty}}}, kOutweighText},
        // No multiple up to 10 brings 5.96 H and 6.38 O per C near whole numbers.
        RefusedCase{"no whole ratio", {100, 0, {{{kC, 10}, {kH, 5}, {kO, 85}}}}, kNoFitText},
        // Percentages, ratios and counts that are no finite whole number.
        RefusedCase{"percentage underflows to 0",
                    {1e300, 0, {{{kC, 1e-300}, {kH, 1}, kEmpty}}},
                    kOutOfRangeText},
        RefusedCase{
            "count beyond int", {100, 0, {{{kC, 1}, {kH, 1e-12}, kEmpty}}}, kOutOfRangeText}));

TEST(ComputeCompositionTest, AcceptsElementsHeavierByTheRoundingOfTypedNumbers)
{
    // Percentages rounded to whole numbers can add up to a little over 100.
    const CompositionOutcome outcome =
        ComputeComposition({100, 0, {{{kC, 41}, {kH, 7}, {kO, 53}}}});
    EXPECT_EQ(outcome.simplestFormula, "C1 H2 O1");
    EXPECT_FALSE(outcome.message.has_value());
}

TEST(CompositionListItemsTest, StartWithTheEmptyItem)
{
    const std::vector<std::string_view> items = CompositionListItems();
    ASSERT_EQ(items.size(), 110U);
    EXPECT_EQ(items[0], "");
    EXPECT_EQ(items[kTl], "Tl");
}

}  // namespace
}  // namespace chemistry
