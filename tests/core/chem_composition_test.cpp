#include "chem/composition.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace chemistry {
namespace {

// List items: the empty item, then element-table row + 1.
constexpr int kC = 16;
constexpr int kFe = 33;
constexpr int kH = 39;
constexpr int kN = 59;
constexpr int kO = 67;
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
                      // A ratio of 1.5 rounds to 2; two slots leave a blank after the last count.
                      CompositionCase{"iron oxide",
                                      {10, 0, {{{kFe, 6.994}, {kO, 3.006}, kEmpty}}},
                                      "Fe= 69.940%,  O= 30.060%",
                                      "Fe1 O2 ",
                                      ""},
                      CompositionCase{"dinitrogen tetroxide",
                                      {100, 92.02, {{{kN, 30.45}, {kO, 69.55}, kEmpty}}},
                                      "N= 30.450%,  O= 69.550%",
                                      "N1 O2 ",
                                      "N2.00 ,  O4.00 "},
                      CompositionCase{"not a whole multiple",
                                      {100, 100, {{{kN, 30.45}, {kO, 69.55}, kEmpty}}},
                                      "N= 30.450%,  O= 69.550%",
                                      "N1 O2 ",
                                      "N2.17 ,  O4.35 "},
                      CompositionCase{"thallium",
                                      {10, 0, {{{kTl, 5}, {kO, 5}, kEmpty}}},
                                      "Tl= 50.000%,  O= 50.000%",
                                      "Tl1 O13 ",
                                      ""},
                      // Negative weights take part as typed; a count of 0 is still written.
                      CompositionCase{"count 0",
                                      {100, 0, {{{kC, 1}, {kH, -1}, kEmpty}}},
                                      "C= 1.000%,  H= -1.000%",
                                      "C0 H1 ",
                                      ""}));

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
        // Percentages, ratios and counts that are no finite whole number.
        RefusedCase{"infinite percentage",
                    {1e-300, 0, {{{kC, 1e10}, {kH, 1e10}, kEmpty}}},
                    kOutOfRangeText},
        RefusedCase{"percentage underflows to 0",
                    {1e300, 0, {{{kC, 1e-300}, {kH, 1}, kEmpty}}},
                    kOutOfRangeText},
        RefusedCase{
            "count beyond int", {100, 0, {{{kC, 1}, {kH, 1e-12}, kEmpty}}}, kOutOfRangeText}));

TEST(ComputeCompositionTest, KeepsTheFirstTwoResultsWhenTheMolecularFormulaIsInfinite)
{
    // The counts -1 and 1 give a formula weight of exactly 0.
    const CompositionOutcome outcome = ComputeComposition({100, 50, {{{kH, 2}, {kH, -1}, kEmpty}}});
    EXPECT_EQ(outcome.composition, "H= 2.000%,  H= -1.000%");
    EXPECT_EQ(outcome.simplestFormula, "H-1 H1 ");
    EXPECT_EQ(outcome.molecularFormula, "");
    ASSERT_TRUE(outcome.message.has_value());
    EXPECT_EQ(outcome.message->text, kOutOfRangeText);
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
