// The M.W/Grams Moles page's two results follow their rows as a person types and
// chooses, through real key presses: every state in between shows what the row's "="
// gives for the same fields, or nothing where "=" would say something; "=" and Enter
// still say it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <optional>
#include <vector>

#include "pages/chem/chem.h"
#include "res/resource.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

constexpr int kElements[]{IDC_MW_ELEMENT1, IDC_MW_ELEMENT2, IDC_MW_ELEMENT3, IDC_MW_ELEMENT4,
                          IDC_MW_ELEMENT5};
constexpr int kCounts[]{IDC_MW_COUNT1, IDC_MW_COUNT2, IDC_MW_COUNT3, IDC_MW_COUNT4, IDC_MW_COUNT5};

// Keys pressed on one control. An element list, closed, gets each letter (it jumps to the
// first symbol that starts so); a box, or the direction list's edit field, is emptied
// with Delete and then gets each character.
struct Step {
    int control;
    const char* keys;
};

bool IsElementList(int id)
{
    return std::find(std::begin(kElements), std::end(kElements), id) != std::end(kElements);
}

// Presses the step's keys, calling `check` after each key press that changed a field.
template <typename Check>
void Press(CPropertyPage& page, const Step& step, Check check)
{
    QWidget* control = page.GetDlgItem(step.control);
    control->setFocus();
    if (IsElementList(step.control)) {
        for (const char* key = step.keys; *key != '\0'; ++key) {
            QTest::keyClick(control, *key);
            check();
        }
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(control);
    QLineEdit* box = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(control);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    check();
    for (const char* key = step.keys; *key != '\0'; ++key) {
        QTest::keyClick(box, *key);
        check();
    }
}

QLineEdit* Box(CPropertyPage& page, int id)
{
    return qobject_cast<QLineEdit*>(page.GetDlgItem(id));
}

QComboBox* List(CPropertyPage& page, int id)
{
    return qobject_cast<QComboBox*>(page.GetDlgItem(id));
}

// What the formula row's "=" gives, on a page of its own, for the fields `typed` shows:
// its result, or none where it said something.
std::optional<QString> FormulaEquals(CPropertyPage& typed, CPropertyPage& witness)
{
    for (int slot = 0; slot < 5; ++slot) {
        List(witness, kElements[slot])
            ->setCurrentIndex(List(typed, kElements[slot])->currentIndex());
        Box(witness, kCounts[slot])->setText(Box(typed, kCounts[slot])->text());
    }
    MessageRecorder recorder;
    ClickButton(witness, IDC_MW_EQUALS);
    if (!recorder.messages.empty()) {
        return std::nullopt;
    }
    return ShownText(witness, IDC_MW_FORMULA_RESULT);
}

// The same for the grams/moles row.
std::optional<QString> ConversionEquals(CPropertyPage& typed, CPropertyPage& witness)
{
    List(witness, IDC_MW_MODE)->setEditText(List(typed, IDC_MW_MODE)->currentText());
    for (const int id : {IDC_MW_GIVEN, IDC_MW_MOLECULAR_WEIGHT}) {
        Box(witness, id)->setText(Box(typed, id)->text());
    }
    MessageRecorder recorder;
    ClickButton(witness, IDC_MW_CONVERT);
    if (!recorder.messages.empty()) {
        return std::nullopt;
    }
    return ShownText(witness, IDC_MW_RESULT);
}

struct Typing {
    const char* what;
    std::vector<Step> steps;
    const char* last;  // what the row shows at the end, "" for nothing
};

void PrintTo(const Typing& typing, std::ostream* os)
{
    *os << typing.what;
}

// Types the steps, checking after every key that the row's result box shows what its
// "=" gives for the fields as they stand, or nothing where "=" says something, and that
// nothing is said while typing.
void ExpectEveryStateRight(const Typing& typing, int result,
                           std::optional<QString> (*equals)(CPropertyPage&, CPropertyPage&))
{
    PageInSheet host("chem");
    PageInSheet witnessHost("chem");
    CPropertyPage& page = host.page();
    MessageRecorder recorder;
    int states = 0;
    int results = 0;
    for (const Step& step : typing.steps) {
        Press(page, step, [&] {
            const QString shown = ShownText(page, result);
            const std::optional<QString> expected = equals(page, witnessHost.page());
            EXPECT_EQ(shown, expected.value_or(QString()))
                << "state " << states << " of " << step.keys << " in control " << step.control;
            ++states;
            results += shown.isEmpty() ? 0 : 1;
        });
    }
    EXPECT_EQ(ShownText(page, result), QString::fromUtf8(typing.last));
    EXPECT_TRUE(recorder.messages.empty()) << recorder.messages.front().text.toStdString();
    // The cases pass through states with results and states without.
    EXPECT_GT(results, 0);
    EXPECT_LT(results, states);
}

class FormulaTyping : public ::testing::TestWithParam<Typing> {};

TEST_P(FormulaTyping, EveryStateShowsTheRightFormulaOrNone)
{
    ExpectEveryStateRight(GetParam(), IDC_MW_FORMULA_RESULT, &FormulaEquals);
}

INSTANTIATE_TEST_SUITE_P(
    ChemistryLiveResults, FormulaTyping,
    ::testing::Values(Typing{"H2SO4",
                             {{IDC_MW_ELEMENT1, "H"},
                              {IDC_MW_COUNT1, "2"},
                              {IDC_MW_ELEMENT2, "S"},
                              {IDC_MW_ELEMENT3, "O"},
                              {IDC_MW_COUNT3, "4"}},
                             "H2S1O4 = 98.079    grams/moles"},
                      Typing{"C6H12O6",
                             {{IDC_MW_ELEMENT1, "C"},
                              {IDC_MW_COUNT1, "6"},
                              {IDC_MW_ELEMENT2, "H"},
                              {IDC_MW_COUNT2, "12"},
                              {IDC_MW_ELEMENT3, "O"},
                              {IDC_MW_COUNT3, "6"}},
                             "C6H12O6 = 180.156    grams/moles"},
                      Typing{"counts that are none, then one",
                             {{IDC_MW_ELEMENT1, "O"},
                              {IDC_MW_COUNT1, "2.5"},
                              {IDC_MW_COUNT1, "-3"},
                              {IDC_MW_COUNT1, "12abc"},
                              {IDC_MW_COUNT1, "99999999"},
                              {IDC_MW_COUNT1, " 3 "}},
                             "O3 = 47.998    grams/moles"},
                      Typing{"a count of a slot not used",
                             {{IDC_MW_ELEMENT1, "H"}, {IDC_MW_COUNT1, "2"}, {IDC_MW_COUNT4, "x"}},
                             ""},
                      Typing{"a slot after a gap",
                             {{IDC_MW_ELEMENT1, "H"},
                              {IDC_MW_COUNT1, "2"},
                              {IDC_MW_ELEMENT3, "O"},
                              {IDC_MW_COUNT3, "0"},
                              {IDC_MW_COUNT3, "7"}},
                             "H2 = 2.016    grams/moles"},
                      Typing{"no first element",
                             {{IDC_MW_ELEMENT2, "O"}, {IDC_MW_COUNT2, "2"}, {IDC_MW_ELEMENT1, "N"}},
                             "N1O2 = 46.005    grams/moles"}));

class ConversionTyping : public ::testing::TestWithParam<Typing> {};

TEST_P(ConversionTyping, EveryStateShowsTheRightAmountOrNone)
{
    ExpectEveryStateRight(GetParam(), IDC_MW_RESULT, &ConversionEquals);
}

INSTANTIATE_TEST_SUITE_P(ChemistryLiveResults, ConversionTyping,
                         ::testing::Values(Typing{"grams to moles",
                                                  {{IDC_MW_MODE, "Grams to Moles"},
                                                   {IDC_MW_GIVEN, "36.03"},
                                                   {IDC_MW_MOLECULAR_WEIGHT, "18.015"}},
                                                  "2"},
                                           Typing{"moles to grams, a weight with an exponent",
                                                  {{IDC_MW_MODE, "moles to grams"},
                                                   {IDC_MW_GIVEN, "-2"},
                                                   {IDC_MW_MOLECULAR_WEIGHT, "1.5e1"}},
                                                  "-30"},
                                           Typing{"a weight through 0",
                                                  {{IDC_MW_MODE, "Grams to Moles"},
                                                   {IDC_MW_GIVEN, "5"},
                                                   {IDC_MW_MOLECULAR_WEIGHT, "0.25"}},
                                                  "20"},
                                           Typing{"a result too large",
                                                  {{IDC_MW_MODE, "Moles to Grams"},
                                                   {IDC_MW_GIVEN, "1e308"},
                                                   {IDC_MW_MOLECULAR_WEIGHT, "10"}},
                                                  ""},
                                           Typing{"the numbers first, then the direction",
                                                  {{IDC_MW_GIVEN, "3"},
                                                   {IDC_MW_MOLECULAR_WEIGHT, "2"},
                                                   {IDC_MW_MODE, "Moles to Grams"},
                                                   {IDC_MW_GIVEN, "3"},
                                                   {IDC_MW_MOLECULAR_WEIGHT, "2"}},
                                                  "6"},
                                           Typing{"texts that are no numbers",
                                                  {{IDC_MW_MODE, "Grams to Moles"},
                                                   {IDC_MW_MOLECULAR_WEIGHT, "2"},
                                                   {IDC_MW_GIVEN, "1,5"},
                                                   {IDC_MW_GIVEN, "1.5.5"}},
                                                  ""}));

struct EqualsMessage {
    const char* what;
    std::vector<Step> steps;
    int press;  // a button clicked, or the box Enter is pressed in
    int result;
    const char* text;
    const char* caption;  // nullptr: the application's name
};

void PrintTo(const EqualsMessage& c, std::ostream* os)
{
    *os << c.what;
}

class EqualsMessages : public ::testing::TestWithParam<EqualsMessage> {};

// Typed key by key without a word, the fields get from "=" or Enter the one message they
// always got; the row's result stays empty and what was typed stays.
TEST_P(EqualsMessages, EqualsAndEnterStillSayWhatIsWrong)
{
    const EqualsMessage& c = GetParam();
    PageInSheet host("chem");
    CPropertyPage& page = host.page();
    MessageRecorder recorder;
    for (const Step& step : c.steps) {
        Press(page, step, [] {});
    }
    ASSERT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ShownText(page, c.result), "");
    const Step& last = c.steps.back();
    const QString typed = ShownText(page, last.control);

    if (qobject_cast<QLineEdit*>(page.GetDlgItem(c.press)) != nullptr) {
        page.GetDlgItem(c.press)->setFocus();
        QTest::keyClick(page.GetDlgItem(c.press), Qt::Key_Return);
    } else {
        ClickButton(page, c.press);
    }
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, c.text);
    EXPECT_EQ(recorder.messages[0].caption, c.caption != nullptr
                                                ? QString::fromUtf8(c.caption)
                                                : CPropertyPage::ApplicationName());
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
    EXPECT_EQ(ShownText(page, c.result), "");
    EXPECT_EQ(ShownText(page, last.control), typed);
}

constexpr const char* kWholeNumberInRange =
    "Please enter a whole number between -999999 and 9999999.";
constexpr const char* kNumber =
    "Please enter a number, written with digits, an optional \".\" and an optional exponent "
    "(for example 12.5 or -3e4).";
constexpr const char* kFillOut = "Please fill out the required fields";
constexpr const char* kTooLarge = "The result is too large to show; please enter smaller numbers";

INSTANTIATE_TEST_SUITE_P(
    ChemistryLiveResults, EqualsMessages,
    ::testing::Values(
        EqualsMessage{"no first element",
                      {{IDC_MW_ELEMENT2, "O"}},
                      IDC_MW_EQUALS,
                      IDC_MW_FORMULA_RESULT,
                      kFillOut,
                      "Incomplete"},
        EqualsMessage{"a count with a fraction, Enter",
                      {{IDC_MW_ELEMENT1, "H"}, {IDC_MW_COUNT1, "2.5"}},
                      IDC_MW_COUNT1,
                      IDC_MW_FORMULA_RESULT,
                      "Please enter a whole number, without a decimal point or exponent.",
                      nullptr},
        EqualsMessage{"an empty count",
                      {{IDC_MW_ELEMENT1, "H"}, {IDC_MW_COUNT2, ""}},
                      IDC_MW_EQUALS,
                      IDC_MW_FORMULA_RESULT,
                      "Please enter a whole number.",
                      nullptr},
        EqualsMessage{"a count of 0, Enter",
                      {{IDC_MW_ELEMENT1, "H"}, {IDC_MW_COUNT1, "0"}},
                      IDC_MW_COUNT1,
                      IDC_MW_FORMULA_RESULT,
                      "Every atom count must be at least 1",
                      "Out of range"},
        EqualsMessage{"a count too large",
                      {{IDC_MW_ELEMENT1, "H"}, {IDC_MW_COUNT1, "99999999"}},
                      IDC_MW_EQUALS,
                      IDC_MW_FORMULA_RESULT,
                      kWholeNumberInRange,
                      nullptr},
        EqualsMessage{"no direction",
                      {{IDC_MW_GIVEN, "3"}, {IDC_MW_MOLECULAR_WEIGHT, "2"}},
                      IDC_MW_CONVERT,
                      IDC_MW_RESULT,
                      kFillOut,
                      "Incomplete"},
        EqualsMessage{
            "dividing by 0, Enter",
            {{IDC_MW_MODE, "Grams to Moles"}, {IDC_MW_GIVEN, "3"}, {IDC_MW_MOLECULAR_WEIGHT, "0"}},
            IDC_MW_MOLECULAR_WEIGHT,
            IDC_MW_RESULT,
            "Can not divide by zero",
            "Divide by zero"},
        EqualsMessage{
            "multiplying by 0",
            {{IDC_MW_MODE, "Moles to Grams"}, {IDC_MW_GIVEN, "3"}, {IDC_MW_MOLECULAR_WEIGHT, "0"}},
            IDC_MW_CONVERT,
            IDC_MW_RESULT,
            kFillOut,
            "Incomplete"},
        EqualsMessage{"a given amount that is no number, Enter",
                      {{IDC_MW_MODE, "Moles to Grams"},
                       {IDC_MW_MOLECULAR_WEIGHT, "2"},
                       {IDC_MW_GIVEN, "1,5"}},
                      IDC_MW_GIVEN,
                      IDC_MW_RESULT,
                      kNumber,
                      nullptr},
        EqualsMessage{"a result too large",
                      {{IDC_MW_MODE, "Moles to Grams"},
                       {IDC_MW_GIVEN, "1e308"},
                       {IDC_MW_MOLECULAR_WEIGHT, "10"}},
                      IDC_MW_CONVERT,
                      IDC_MW_RESULT,
                      kTooLarge,
                      "Out of range"}));

// Choosing a direction while a box holds no number yet says nothing; the direction is
// taken and the row zeroed as ever.
TEST(ChemistryLiveResults, ADirectionIsTakenWhateverTheBoxesHold)
{
    PageInSheet host("chem");
    CPropertyPage& page = host.page();
    MessageRecorder recorder;
    Press(page, {IDC_MW_GIVEN, "12abc"}, [] {});
    Press(page, {IDC_MW_COUNT1, "x"}, [] {});
    auto* mode = page.GetDlgItem(IDC_MW_MODE);
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ShownText(page, IDC_MW_MODE), "Moles to Grams");
    EXPECT_EQ(ShownText(page, IDC_MW_EXPLANATION),
              "grams =    [ # given moles ]   *    [ molecular weight ]");
    EXPECT_EQ(ShownText(page, IDC_MW_OPERATOR), "*");
    EXPECT_EQ(ShownText(page, IDC_MW_GIVEN), "0");
    EXPECT_EQ(ShownText(page, IDC_MW_MOLECULAR_WEIGHT), "0");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "");
    // The other row is left as typed.
    EXPECT_EQ(ShownText(page, IDC_MW_COUNT1), "x");

    Press(page, {IDC_MW_GIVEN, "4"}, [] {});
    Press(page, {IDC_MW_MOLECULAR_WEIGHT, "2.5"}, [] {});
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "10");
}

// A press of one row's "=" writes the other row's result as it was last exchanged; the
// other row shows what its fields give now, not an older result.
TEST(ChemistryLiveResults, OneRowsEqualsLeavesTheOtherRowsResultItsOwn)
{
    PageInSheet host("chem");
    CPropertyPage& page = host.page();
    MessageRecorder recorder;
    Press(page, {IDC_MW_ELEMENT1, "H"}, [] {});
    Press(page, {IDC_MW_COUNT1, "2"}, [] {});
    ClickButton(page, IDC_MW_EQUALS);
    Press(page, {IDC_MW_MODE, "Grams to Moles"}, [] {});
    Press(page, {IDC_MW_GIVEN, "4"}, [] {});
    Press(page, {IDC_MW_MOLECULAR_WEIGHT, "2"}, [] {});
    ClickButton(page, IDC_MW_CONVERT);
    ASSERT_TRUE(recorder.messages.empty());

    Press(page, {IDC_MW_COUNT1, "3"}, [] {});
    Press(page, {IDC_MW_MOLECULAR_WEIGHT, "8"}, [] {});
    ClickButton(page, IDC_MW_CONVERT);
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "H3 = 3.024    grams/moles");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "0.5");

    Press(page, {IDC_MW_COUNT1, "4"}, [] {});
    Press(page, {IDC_MW_GIVEN, "1.5.5"}, [] {});
    ClickButton(page, IDC_MW_CONVERT);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "H4 = 4.032    grams/moles");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "");

    recorder.messages.clear();
    Press(page, {IDC_MW_GIVEN, "16"}, [] {});
    Press(page, {IDC_MW_COUNT1, "5"}, [] {});
    ClickButton(page, IDC_MW_EQUALS);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "2");

    // The formula's "=" refused at the given amount does not put back its old result.
    Press(page, {IDC_MW_GIVEN, "abc"}, [] {});
    ClickButton(page, IDC_MW_EQUALS);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(ShownText(page, IDC_MW_GIVEN), "abc");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "");
}

// A fresh page and Reset show no result the fields shown do not give.
TEST(ChemistryLiveResults, AFreshPageAndResetShowNoResultOfOtherFields)
{
    PageInSheet host("chem");
    CPropertyPage& page = host.page();
    EXPECT_EQ(ShownText(page, IDC_MW_GIVEN), "0");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "");
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "");

    // Reset puts back the amounts exchanged last, with their result.
    Press(page, {IDC_MW_MODE, "Moles to Grams"}, [] {});
    Press(page, {IDC_MW_GIVEN, "2"}, [] {});
    Press(page, {IDC_MW_MOLECULAR_WEIGHT, "3"}, [] {});
    ClickButton(page, IDC_MW_CONVERT);
    Press(page, {IDC_MW_GIVEN, "5"}, [] {});
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "15");
    ClickButton(page, IDC_MW_RESET);
    EXPECT_EQ(ShownText(page, IDC_MW_GIVEN), "2");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "6");

    // A pull refused at the weight took the new given amount but not the result: Reset
    // shows that amount with its own result, not the one exchanged with the amount before.
    MessageRecorder recorder;
    Press(page, {IDC_MW_GIVEN, "5"}, [] {});
    Press(page, {IDC_MW_MOLECULAR_WEIGHT, "abc"}, [] {});
    ClickButton(page, IDC_MW_EQUALS);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "");
    ClickButton(page, IDC_MW_RESET);
    EXPECT_EQ(ShownText(page, IDC_MW_GIVEN), "5");
    EXPECT_EQ(ShownText(page, IDC_MW_MOLECULAR_WEIGHT), "3");
    EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "15");
}

}  // namespace
