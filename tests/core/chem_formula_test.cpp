#include "chem/molecular_weight.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "chem/elements.h"
#include "chem/messages.h"
#include "numbers/number_text.h"

namespace chemistry {
namespace {

constexpr int kH = 38;
constexpr int kC = 15;
constexpr int kO = 66;
constexpr int kS = 84;
constexpr int kTi = 98;
constexpr int kTl = 99;

using Slots = std::array<FormulaSlot, kFormulaSlotCount>;

struct FormulaCase {
    const char* what;
    Slots slots;
    const char* result;
};

void PrintTo(const FormulaCase& c, std::ostream* os)
{
    *os << c.what;
}

class MolecularWeightTextTest : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(MolecularWeightTextTest, WritesTheFormulaAndItsWeight)
{
    const FormulaOutcome outcome = MolecularWeightText(GetParam().slots);
    EXPECT_EQ(outcome.result, GetParam().result);
    EXPECT_FALSE(outcome.message.has_value());
}

constexpr FormulaSlot kNone{};

INSTANTIATE_TEST_SUITE_P(
    Cases, MolecularWeightTextTest,
    ::testing::Values(
        FormulaCase{
            "H2SO4", {{{kH, 2}, {kS, 1}, {kO, 4}, kNone, kNone}}, "H2S1O4 = 98.079    grams/moles"},
        FormulaCase{"glucose",
                    {{{kC, 6}, {kH, 12}, {kO, 6}, kNone, kNone}},
                    "C6H12O6 = 180.156    grams/moles"},
        // The first slot with nothing chosen ends the formula, whatever follows it.
        FormulaCase{"gap after slot 1",
                    {{{kH, 2}, kNone, {kO, 1}, kNone, kNone}},
                    "H2 = 2.016    grams/moles"},
        FormulaCase{"gap before slot 5",
                    {{{kH, 1}, {kH, 1}, {kH, 1}, kNone, {kO, 1}}},
                    "H1H1H1 = 3.024    grams/moles"},

        FormulaCase{
            "thallium", {{{kTl, 1}, kNone, kNone, kNone, kNone}}, "Tl1 = 204.383    grams/moles"},
        FormulaCase{
            "titanium", {{{kTi, 1}, kNone, kNone, kNone, kNone}}, "Ti1 = 47.867    grams/moles"},
        // The smallest and largest counts a formula takes.
        FormulaCase{"count limits",
                    {{{kH, 9999999}, {kH, 1}, kNone, kNone, kNone}},
                    "H9999999H1 = 10079400.000    grams/moles"}));

TEST(MolecularWeightTextTest, AsksForTheFirstElement)
{
    const Slots slots{{kNone, {kH, 2}, {kO, 1}, kNone, kNone}};
    const FormulaOutcome outcome = MolecularWeightText(slots);
    EXPECT_EQ(outcome.result, "");
    ASSERT_TRUE(outcome.message.has_value());
    EXPECT_EQ(outcome.message->text, "Please fill out the required fields");
    EXPECT_EQ(outcome.message->caption, "Incomplete");
}

TEST(MolecularWeightTextTest, RefusesCountsBelowOne)
{
    // In any used slot, the first included; the count field takes all of these.
    for (const Slots& slots :
         {Slots{{{kH, 0}, kNone, kNone, kNone, kNone}},
          Slots{{{kH, -2}, {kO, 1}, kNone, kNone, kNone}},
          Slots{{{kH, 2}, {kS, 1}, {kO, 4}, {kC, 1}, {kO, kSmallestCount}}},
          Slots{{{kH, 2}, {kO, std::numeric_limits<int>::min()}, kNone, kNone, kNone}}}) {
        const FormulaOutcome outcome = MolecularWeightText(slots);
        EXPECT_EQ(outcome.result, "");
        ASSERT_TRUE(outcome.message.has_value());
        EXPECT_EQ(outcome.message->text, "Every atom count must be at least 1");
        EXPECT_EQ(outcome.message->caption, "Out of range");
    }
    // A count of 0 beyond the formula's end is never written, so it is not refused.
    const Slots ignored{{{kH, 2}, kNone, {kO, 0}, kNone, kNone}};
    EXPECT_EQ(MolecularWeightText(ignored).result, "H2 = 2.016    grams/moles");
}

TEST(MolecularWeightTextTest, RefusesCountsTheCountFieldCannotHold)
{
    for (const int count : {10000000, std::numeric_limits<int>::max()}) {
        const Slots slots{{{kH, 2}, {kO, count}, kNone, kNone, kNone}};
        const FormulaOutcome outcome = MolecularWeightText(slots);
        EXPECT_EQ(outcome.result, "") << count;
        ASSERT_TRUE(outcome.message.has_value());
        EXPECT_EQ(outcome.message->text, kCountOutOfRange.text);
    }
    // The count field refuses with the same words.
    EXPECT_EQ(convert::WholeRefusalMessage(convert::NumberRefusal::OutOfRange, kSmallestCount,
                                           kLargestCount),
              kCountOutOfRange.text);
    // A count beyond the formula's end is never written, so it is not refused.
    const Slots ignored{{{kH, 2}, kNone, {kO, 10000000}, kNone, kNone}};
    EXPECT_EQ(MolecularWeightText(ignored).result, "H2 = 2.016    grams/moles");
}

TEST(ChooseDirectionTest, SetsTheTextsOfTheDirectionAndZeroesTheNumbers)
{
    const ConversionRow typed{2, 18.015, 36.03, "old", "old", "old"};

    const ConversionRow toGrams = ChooseDirection(kMolesToGrams, typed);
    EXPECT_EQ(toGrams.explanation, "grams =    [ # given moles ]   *    [ molecular weight ]");
    EXPECT_EQ(toGrams.resultLabel, "grams =");
    EXPECT_EQ(toGrams.operatorSign, "*");
    EXPECT_EQ(toGrams.given + toGrams.molecularWeight + toGrams.result, 0.0);

    const ConversionRow toMoles = ChooseDirection(kGramsToMoles, typed);
    EXPECT_EQ(toMoles.explanation, "moles =    [ # given grams ]   /    [ molecular weight ]");
    EXPECT_EQ(toMoles.resultLabel, "moles =");
    EXPECT_EQ(toMoles.operatorSign, "/");

    const ConversionRow none = ChooseDirection(-1, typed);
    EXPECT_EQ(none.explanation + none.resultLabel + none.operatorSign, "oldoldold");
    EXPECT_EQ(none.given + none.molecularWeight + none.result, 0.0);
}

TEST(ConvertAmountTest, ConvertsBothWays)
{
    const ConversionOutcome grams = ConvertAmount(kMolesToGrams, 2, 18.015, 0);
    EXPECT_EQ(grams.result, 36.03);
    EXPECT_FALSE(grams.message.has_value());
    const ConversionOutcome moles = ConvertAmount(kGramsToMoles, 36.03, 18.015, 0);
    EXPECT_EQ(moles.result, 2.0);
    EXPECT_FALSE(moles.message.has_value());
    // Multiplying by a weight of 0 is no fault.
    EXPECT_EQ(ConvertAmount(kMolesToGrams, 2, 0, 7).result, 0.0);
}

struct RefusedConversion {
    const char* what;
    int mode;
    double given;
    double weight;
    const char* text;
    const char* caption;
};

void PrintTo(const RefusedConversion& c, std::ostream* os)
{
    *os << c.what;
}

class ConvertAmountRefusalTest : public ::testing::TestWithParam<RefusedConversion> {};

TEST_P(ConvertAmountRefusalTest, TellsTheUserAndKeepsThePreviousResult)
{
    const RefusedConversion& c = GetParam();
    const ConversionOutcome outcome = ConvertAmount(c.mode, c.given, c.weight, 42.5);
    EXPECT_EQ(outcome.result, 42.5);
    ASSERT_TRUE(outcome.message.has_value());
    EXPECT_EQ(outcome.message->text, c.text);
    EXPECT_EQ(outcome.message->caption, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertAmountRefusalTest,
    ::testing::Values(
        RefusedConversion{"no direction", -1, 2, 18.015, "Please fill out the required fields",
                          "Incomplete"},
        RefusedConversion{"divide by zero", kGramsToMoles, 36.03, 0, "Can not divide by zero",
                          "Divide by zero"},
        RefusedConversion{"divide by minus zero", kGramsToMoles, 36.03, -0.0,
                          "Can not divide by zero", "Divide by zero"},
        RefusedConversion{"product overflows", kMolesToGrams, 1e300, 1e10,
                          "The result is too large to show; please enter smaller numbers",
                          "Out of range"},
        RefusedConversion{"quotient overflows", kGramsToMoles, 1e300, 1e-300,
                          "The result is too large to show; please enter smaller numbers",
                          "Out of range"}));

// The page's "=" takes a weight of 0 as one nobody entered, whichever the direction.
TEST(ConvertRowTest, AWeightOfZeroIsNeverAResult)
{
    EXPECT_EQ(ConvertRow(kMolesToGrams, 2, 0).message->caption, "Incomplete");
    EXPECT_EQ(ConvertRow(kMolesToGrams, 2, -0.0).message->caption, "Incomplete");
    EXPECT_EQ(ConvertRow(kGramsToMoles, 2, 0).message->caption, "Divide by zero");
    EXPECT_EQ(ConvertRow(-1, 2, 3).message->caption, "Incomplete");
    EXPECT_EQ(ConvertRow(kMolesToGrams, 2, 18.015).result, 36.03);
    EXPECT_FALSE(ConvertRow(kMolesToGrams, 0, 18.015).message.has_value());
}

struct TypedFormulaCase {
    const char* what;
    std::array<TypedSlot, kFormulaSlotCount> slots;
    const char* shown;
};

void PrintTo(const TypedFormulaCase& c, std::ostream* os)
{
    *os << c.what;
}

class TypedFormulaResultTest : public ::testing::TestWithParam<TypedFormulaCase> {};

// The formula row as typed shows its formula only where "=" would show it without a word.
TEST_P(TypedFormulaResultTest, ShowsTheFormulaOrNothing)
{
    EXPECT_EQ(TypedFormulaResult(GetParam().slots), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedFormulaResultTest,
    ::testing::Values(
        TypedFormulaCase{"H2SO4",
                         {{{kH, "2"}, {kS, "1"}, {kO, "4"}, {kNoElement, "1"}, {kNoElement, "1"}}},
                         "H2S1O4 = 98.079    grams/moles"},
        TypedFormulaCase{"blanks around a count",
                         {{{kH, " 2 "},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"}}},
                         "H2 = 2.016    grams/moles"},
        TypedFormulaCase{
            "a slot after a gap",
            {{{kH, "2"}, {kNoElement, "1"}, {kO, "1"}, {kNoElement, "1"}, {kNoElement, "1"}}},
            "H2 = 2.016    grams/moles"},
        TypedFormulaCase{"a count being typed",
                         {{{kH, ""},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"}}},
                         ""},
        TypedFormulaCase{"a sign alone",
                         {{{kH, "-"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"}}},
                         ""},
        TypedFormulaCase{"a fraction",
                         {{{kH, "2.5"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"}}},
                         ""},
        TypedFormulaCase{"a count of an unused slot that is none",
                         {{{kH, "2"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "x"},
                           {kNoElement, "1"}}},
                         ""},
        TypedFormulaCase{"a count of 0",
                         {{{kH, "0"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"}}},
                         ""},
        TypedFormulaCase{"a count the field cannot hold",
                         {{{kH, "99999999"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"}}},
                         ""},
        TypedFormulaCase{"no first element",
                         {{{kNoElement, "1"},
                           {kO, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"},
                           {kNoElement, "1"}}},
                         ""}));

struct TypedConversionCase {
    const char* what;
    int mode;
    const char* given;
    const char* weight;
    const char* shown;
};

void PrintTo(const TypedConversionCase& c, std::ostream* os)
{
    *os << c.what;
}

class TypedConversionResultTest : public ::testing::TestWithParam<TypedConversionCase> {};

// The grams/moles row as typed shows the amount "=" writes, or nothing where "=" would
// refuse a field or give a message.
TEST_P(TypedConversionResultTest, ShowsTheAmountOrNothing)
{
    const TypedConversionCase& c = GetParam();
    EXPECT_EQ(TypedConversionResult(c.mode, c.given, c.weight), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedConversionResultTest,
    ::testing::Values(TypedConversionCase{"moles to grams", kMolesToGrams, "2", "18.015", "36.03"},
                      TypedConversionCase{"grams to moles", kGramsToMoles, "36.03", "18.015", "2"},
                      TypedConversionCase{"fifteen digits", kGramsToMoles, "2", "18.015",
                                          "0.111018595614765"},
                      TypedConversionCase{"an exponent", kMolesToGrams, " -2 ", "1e1", "-20"},
                      TypedConversionCase{"no direction", -1, "2", "3", ""},
                      TypedConversionCase{"multiplying by 0", kMolesToGrams, "2", "0", ""},
                      TypedConversionCase{"dividing by 0", kGramsToMoles, "2", "-0", ""},
                      TypedConversionCase{"an empty amount", kMolesToGrams, "", "3", ""},
                      TypedConversionCase{"an exponent being typed", kMolesToGrams, "2", "1e", ""},
                      TypedConversionCase{"a comma", kMolesToGrams, "1,5", "3", ""},
                      TypedConversionCase{"too large", kMolesToGrams, "1e308", "10", ""},
                      TypedConversionCase{"too large to read", kMolesToGrams, "1e999", "1", ""}));

}  // namespace
}  // namespace chemistry
