// What a person typed is not lost to a refusal or to Enter: a refused text stays in its
// box, with the focus, to be corrected; nothing is computed from the fields around it;
// a failed calculation leaves no earlier answer behind; Enter takes the completion the
// person sees.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <variant>

#include "convert/query.h"
#include "framework/message_map.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;
using framework::ControlKind;

const char* const kRefusedValues[]{"1.5.5", "1,5", "12abc", ""};

std::string Title(const CPropertyPage& page)
{
    return page.Title().toStdString();
}

// Every multi-line output box of a converter page, one text.
QString Outputs(CPropertyPage& page)
{
    QString shown;
    for (auto* box : page.findChildren<QPlainTextEdit*>(Qt::FindDirectChildrenOnly)) {
        shown += box->toPlainText();
    }
    return shown;
}

// Presses "=" as a person would: Enter in the box typed into, or a click where Enter
// does not press it (Torque).
void PressEquals(CPropertyPage& page, int tab, int box)
{
    if (tab == kTorqueTab) {
        ClickButton(page, FirstControl(page, ControlKind::PushButton));
    } else {
        QTest::keyClick(page.GetDlgItem(box), Qt::Key_Return);
    }
}

// On every converter tab, each refused value stays in the box with the focus on it;
// the unit chosen after the value box is not put back, and no result of an earlier
// value is left beside the refused text. Corrected, it converts at once.
TEST(LostInput, ARefusedValueStaysInItsBoxWithTheFocus)
{
    MessageRecorder recorder;
    RunStartUp([&](CTessaralDlg& sheet) {
        for (int tab = 0; tab < kConverterTabs; ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            const int value = FirstControl(page, ControlKind::Edit);
            const int unit = FirstControl(page, ControlKind::ComboBox);
            auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(unit));
            for (const char* refused : kRefusedValues) {
                ChooseItem(page, unit, list->itemText(0));
                TypeInto(page, value, "1");
                PressEquals(page, tab, value);
                ASSERT_FALSE(Outputs(page).isEmpty()) << Title(page);

                recorder.messages.clear();
                ChooseItem(page, unit, list->itemText(1));
                TypeInto(page, value, refused);
                PressEquals(page, tab, value);
                EXPECT_EQ(recorder.messages.size(), 1U) << Title(page) << " " << refused;
                EXPECT_EQ(ShownText(page, value), refused) << Title(page);
                EXPECT_EQ(page.window()->focusWidget(), page.GetDlgItem(value)) << Title(page);
                EXPECT_EQ(ShownIndex(page, unit), 1) << Title(page);
                EXPECT_EQ(Outputs(page), "") << Title(page) << " " << refused;

                recorder.messages.clear();
                TypeInto(page, value, "2");
                PressEquals(page, tab, value);
                EXPECT_TRUE(recorder.messages.empty()) << Title(page);
                EXPECT_FALSE(Outputs(page).isEmpty()) << Title(page);
            }
        }
    });
}

struct ChemistryRefusal {
    const char* page;
    int box;  // the box given the refused text
    const char* text;
    int press;                 // the button that computes
    std::vector<int> results;  // every box that button fills, emptied by the refusal
};

class ChemistryRefusals : public ::testing::TestWithParam<ChemistryRefusal> {};

// Fills the page's fields with what computes, so that each refusal below has an answer
// to take away.
void FillGoodFields(CPropertyPage& page)
{
    if (page.TemplateId() == IDD_MOLECULAR_WEIGHT) {
        ChooseItem(page, IDC_MW_ELEMENT1, "H");
        TypeInto(page, IDC_MW_COUNT1, "2");
        ChooseItem(page, IDC_MW_ELEMENT2, "O");
        TypeInto(page, IDC_MW_COUNT2, "1");
        ChooseItem(page, IDC_MW_MODE, "Grams to Moles");
        TypeInto(page, IDC_MW_GIVEN, "36");
        TypeInto(page, IDC_MW_MOLECULAR_WEIGHT, "18.015");
        ClickButton(page, IDC_MW_EQUALS);
        ClickButton(page, IDC_MW_CONVERT);
        return;
    }
    TypeInto(page, IDC_FORMULA_COMPOUND_WEIGHT, "100");
    TypeInto(page, IDC_FORMULA_UNKNOWN_WEIGHT, "180.16");
    const char* symbols[]{"C", "H", "O"};
    const char* grams[]{"40", "6.71", "53.29"};
    const int gramBoxes[]{IDC_FORMULA_GRAMS1, IDC_FORMULA_GRAMS2, IDC_FORMULA_GRAMS3};
    const int symbolLists[]{IDC_FORMULA_ELEMENT1, IDC_FORMULA_ELEMENT2, IDC_FORMULA_ELEMENT3};
    for (int slot = 0; slot < 3; ++slot) {
        TypeInto(page, gramBoxes[slot], QString::fromUtf8(grams[slot]));
        ChooseItem(page, symbolLists[slot], QString::fromUtf8(symbols[slot]));
    }
    ClickButton(page, IDC_FORMULA_COMPUTE);
}

TEST_P(ChemistryRefusals, KeepTheTypedTextAndComputeNothing)
{
    const ChemistryRefusal& c = GetParam();
    PageInSheet host(c.page);
    CPropertyPage& page = host.page();
    MessageRecorder recorder;
    FillGoodFields(page);
    for (const int result : c.results) {
        ASSERT_FALSE(ShownText(page, result).isEmpty()) << result;
    }
    ASSERT_TRUE(recorder.messages.empty());

    TypeInto(page, c.box, c.text);
    ClickButton(page, c.press);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
    EXPECT_EQ(ShownText(page, c.box), c.text);
    EXPECT_EQ(page.window()->focusWidget(), page.GetDlgItem(c.box));
    for (const int result : c.results) {
        EXPECT_EQ(ShownText(page, result), "") << result;
    }
}

INSTANTIATE_TEST_SUITE_P(
    LostInput, ChemistryRefusals,
    ::testing::Values(
        ChemistryRefusal{"chem", IDC_MW_COUNT1, "2.5", IDC_MW_EQUALS, {IDC_MW_FORMULA_RESULT}},
        ChemistryRefusal{"chem", IDC_MW_COUNT2, "12abc", IDC_MW_EQUALS, {IDC_MW_FORMULA_RESULT}},
        ChemistryRefusal{"chem", IDC_MW_COUNT1, "", IDC_MW_EQUALS, {IDC_MW_FORMULA_RESULT}},
        ChemistryRefusal{"chem", IDC_MW_MOLECULAR_WEIGHT, "1,5", IDC_MW_CONVERT, {IDC_MW_RESULT}},
        ChemistryRefusal{"chem", IDC_MW_GIVEN, "1.5.5", IDC_MW_CONVERT, {IDC_MW_RESULT}},
        ChemistryRefusal{"MISC",
                         IDC_FORMULA_GRAMS2,
                         "12abc",
                         IDC_FORMULA_COMPUTE,
                         {IDC_FORMULA_COMPOSITION, IDC_FORMULA_SIMPLEST, IDC_FORMULA_MOLECULAR}},
        ChemistryRefusal{"MISC",
                         IDC_FORMULA_COMPOUND_WEIGHT,
                         "",
                         IDC_FORMULA_COMPUTE,
                         {IDC_FORMULA_COMPOSITION, IDC_FORMULA_SIMPLEST, IDC_FORMULA_MOLECULAR}}));

// A refused count weighs nothing: the formula nobody entered (H1 for "H 2.5") is not
// shown, and the count is not set to anything.
TEST(LostInput, ARefusedCountWeighsNoFormula)
{
    PageInSheet host("chem");
    CPropertyPage& page = host.page();
    MessageRecorder recorder;
    ChooseItem(page, IDC_MW_ELEMENT1, "H");
    TypeInto(page, IDC_MW_COUNT1, "2.5");
    ClickButton(page, IDC_MW_EQUALS);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "");
    EXPECT_EQ(ShownText(page, IDC_MW_COUNT1), "2.5");

    recorder.messages.clear();
    TypeInto(page, IDC_MW_COUNT1, "2");
    ClickButton(page, IDC_MW_EQUALS);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ShownText(page, IDC_MW_FORMULA_RESULT), "H2 = 2.016    grams/moles");
}

struct FailedConversion {
    const char* direction;
    const char* weight;
    const char* text;
    const char* caption;
};

// Either direction with a weight of 0, or with a result beyond the largest number, says
// why and leaves the result box empty, not showing the answer of the numbers before.
TEST(LostInput, AConversionByAWeightOfZeroLeavesNoResult)
{
    const FailedConversion cases[]{
        {"Grams to Moles", "0", "Can not divide by zero", "Divide by zero"},
        {"Moles to Grams", "0", "Please fill out the required fields", "Incomplete"},
        {"Moles to Grams", "-0", "Please fill out the required fields", "Incomplete"},
        {"Moles to Grams", "1e308", "The result is too large to show; please enter smaller numbers",
         "Out of range"},
        {"Grams to Moles", "1e-308",
         "The result is too large to show; please enter smaller numbers", "Out of range"},
    };
    for (const FailedConversion& c : cases) {
        PageInSheet host("chem");
        CPropertyPage& page = host.page();
        MessageRecorder recorder;
        ChooseItem(page, IDC_MW_MODE, c.direction);
        TypeInto(page, IDC_MW_GIVEN, "36");
        TypeInto(page, IDC_MW_MOLECULAR_WEIGHT, "18.015");
        ClickButton(page, IDC_MW_CONVERT);
        ASSERT_FALSE(ShownText(page, IDC_MW_RESULT).isEmpty());
        ASSERT_TRUE(recorder.messages.empty());

        TypeInto(page, IDC_MW_MOLECULAR_WEIGHT, c.weight);
        ClickButton(page, IDC_MW_CONVERT);
        ASSERT_EQ(recorder.messages.size(), 1U) << c.direction;
        EXPECT_EQ(recorder.messages[0].text, c.text);
        EXPECT_EQ(recorder.messages[0].caption, c.caption);
        EXPECT_EQ(recorder.messages[0].type, 0x30U);
        EXPECT_EQ(ShownText(page, IDC_MW_RESULT), "") << c.direction;

        // The empty result box is no refused field for the next press.
        recorder.messages.clear();
        TypeInto(page, IDC_MW_MOLECULAR_WEIGHT, "2");
        ClickButton(page, IDC_MW_CONVERT);
        EXPECT_TRUE(recorder.messages.empty()) << c.direction;
        EXPECT_FALSE(ShownText(page, IDC_MW_RESULT).isEmpty()) << c.direction;
    }
}

// Enter on the Molecular Formula page presses Compute, from a grams box and a list.
TEST(LostInput, EnterOnTheMolecularFormulaPagePressesCompute)
{
    for (const int focus : {IDC_FORMULA_GRAMS3, IDC_FORMULA_COMPOUND_WEIGHT}) {
        PageInSheet host("MISC");
        CPropertyPage& page = host.page();
        MessageRecorder recorder;
        TypeInto(page, IDC_FORMULA_COMPOUND_WEIGHT, "100");
        TypeInto(page, IDC_FORMULA_UNKNOWN_WEIGHT, "180.16");
        TypeInto(page, IDC_FORMULA_GRAMS1, "40");
        ChooseItem(page, IDC_FORMULA_ELEMENT1, "C");
        TypeInto(page, IDC_FORMULA_GRAMS2, "6.71");
        ChooseItem(page, IDC_FORMULA_ELEMENT2, "H");
        ChooseItem(page, IDC_FORMULA_ELEMENT3, "O");
        TypeInto(page, IDC_FORMULA_GRAMS3, "53.29");
        page.GetDlgItem(focus)->setFocus();
        QTest::keyClick(page.GetDlgItem(focus), Qt::Key_Return);
        EXPECT_TRUE(recorder.messages.empty());
        EXPECT_EQ(ShownText(page, IDC_FORMULA_SIMPLEST), "C1 H2 O1") << focus;
    }
}

struct UnknownName {
    int tab;
    const char* typed;
};

// A name that is no unit of the tab is refused in the words a query gets for it, not
// as a missing field; the name stays to be corrected and nothing is converted.
TEST(LostInput, AnUnknownUnitNameIsRefusedInTheQuerysWords)
{
    const UnknownName cases[]{
        {kWeightTab, "stone"},
        {kSpeedTab, "knots"},
        {kLengthTab, "zzz"},
        {kLengthTab, "fot"},
    };
    MessageRecorder recorder;
    RunStartUp([&](CTessaralDlg& sheet) {
        for (const UnknownName& c : cases) {
            CPropertyPage& page = ShowTab(sheet, c.tab);
            const int value = FirstControl(page, ControlKind::Edit);
            const int unit = FirstControl(page, ControlKind::ComboBox);
            auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(unit));
            ChooseItem(page, unit, list->itemText(0));
            TypeInto(page, value, "3");
            ClickButton(page, FirstControl(page, ControlKind::PushButton));
            ASSERT_FALSE(Outputs(page).isEmpty()) << c.typed;

            recorder.messages.clear();
            TypeIntoList(page, unit, QString::fromUtf8(c.typed));
            list->completer()->popup()->hide();
            ClickButton(page, FirstControl(page, ControlKind::PushButton));

            const auto query = convert::ParseQuery(std::string("3 ") + c.typed);
            ASSERT_TRUE(std::holds_alternative<convert::QueryRefusal>(query)) << c.typed;
            ASSERT_EQ(recorder.messages.size(), 1U) << c.typed;
            EXPECT_EQ(recorder.messages[0].text.toStdString(),
                      std::get<convert::QueryRefusal>(query).message);
            EXPECT_EQ(recorder.messages[0].type, 0x30U);
            EXPECT_EQ(list->currentText(), QString::fromUtf8(c.typed));
            const QWidget* focus = page.window()->focusWidget();
            EXPECT_TRUE(focus == list || focus == list->lineEdit())
                << c.typed << " " << (focus ? focus->metaObject()->className() : "none");
            EXPECT_EQ(Outputs(page), "") << c.typed;
        }
        // A half-typed name does not keep the person on its tab; the name is kept.
        CPropertyPage& weight = ShowTab(sheet, kWeightTab);
        TypeIntoList(weight, FirstControl(weight, ControlKind::ComboBox), "sto");
        recorder.messages.clear();
        ShowTab(sheet, kLengthTab);
        EXPECT_TRUE(recorder.messages.empty());
        EXPECT_EQ(ShownText(weight, FirstControl(weight, ControlKind::ComboBox)), "sto");
        // A unit of another tab is said to be one.
        CPropertyPage& page = ShowTab(sheet, kLengthTab);
        recorder.messages.clear();
        TypeIntoList(page, IDC_LENGTH_UNIT, "kg");
        ClickButton(page, IDC_LENGTH_EQUALS);
        ASSERT_EQ(recorder.messages.size(), 1U);
        EXPECT_EQ(recorder.messages[0].text, "\"kg\" is a unit of Weight, not of Length");
    });
}

// An empty unit list is still the missing field it always was.
TEST(LostInput, AnEmptyUnitListIsIncomplete)
{
    MessageRecorder recorder;
    RunStartUp([&](CTessaralDlg& sheet) {
        CPropertyPage& page = ShowTab(sheet, kLengthTab);
        TypeIntoList(page, IDC_LENGTH_UNIT, "");
        ClickButton(page, IDC_LENGTH_EQUALS);
        ASSERT_EQ(recorder.messages.size(), 1U);
        EXPECT_EQ(recorder.messages[0].caption, "Incomplete");
    });
}

}  // namespace
