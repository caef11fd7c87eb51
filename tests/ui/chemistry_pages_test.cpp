// The three chemistry pages, each created by its class name in a sheet of its own and
// driven through its real widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include "framework/tab_ctrl.h"

#include "chem/MISC.h"
#include "chem/chem.h"
#include "chem/periodic.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

QString TabCaption(PageInSheet& host)
{
    return host.sheet().GetTabControl()->tabText(0);
}

// Periodic Table control ids.
constexpr int kElement = 1002;
constexpr int kName = 1007;
constexpr int kGroup = 1008;
constexpr int kBlock = 1009;
constexpr int kAtomicMass = 1003;
constexpr int kAtomicNumber = 1005;
constexpr int kElectronegativity = 1006;
constexpr int kOxidation = 1010;
constexpr int kDistribution = 1018;

class PeriodicPage : public ::testing::Test {
protected:
    PageInSheet host{"periodic"};
    CPropertyPage& page = host.page();
    MessageRecorder recorder;

    // Every field top to bottom, one line each.
    QString Fields()
    {
        QString shown;
        for (const int id : {kName, kGroup, kBlock, kAtomicMass, kAtomicNumber, kElectronegativity,
                             kOxidation, kDistribution}) {
            shown += ShownText(page, id) + QLatin1Char('\n');
        }
        return shown;
    }
};

TEST_F(PeriodicPage, StartsWithNothingChosen)
{
    EXPECT_EQ(TabCaption(host), "Periodic Table");
    EXPECT_EQ(ShownIndex(page, kElement), -1);
    EXPECT_EQ(Fields(), "\n\n\n0\n0\n\n\n\n");
}

TEST_F(PeriodicPage, ListsTheSymbolsInTableOrder)
{
    auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(kElement));
    ASSERT_EQ(list->count(), 109);
    EXPECT_EQ(list->itemText(0), "Ac");
    EXPECT_EQ(list->itemText(32), "Fe");
    EXPECT_EQ(list->itemText(108), "Zr");
}

TEST_F(PeriodicPage, PickingIronShowsEveryField)
{
    ChooseItem(page, kElement, "Fe");
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
    TypeIntoList(page, kElement, "Zn");
    EXPECT_EQ(ShownText(page, kElement), "Zn");
    EXPECT_EQ(ShownText(page, kName), "Zinc");
    EXPECT_EQ(ShownText(page, kAtomicMass), "65.39");
}

TEST_F(PeriodicPage, TextThatSelectsNoElementClearsTheFields)
{
    ChooseItem(page, kElement, "Hs");
    ASSERT_EQ(ShownText(page, kName), "Hassium ");

    TypeIntoList(page, kElement, "Qq");
    EXPECT_EQ(dynamic_cast<periodic&>(page).m_nElement, -1);
    EXPECT_EQ(Fields(), "\n\n\n0\n0\n\n\n\n");
    EXPECT_EQ(ShownText(page, kElement), "Qq");
}

// M.W/Grams Moles control ids.
constexpr int kElements[]{1008, 1004, 1012, 1014, 1020};
constexpr int kCounts[]{1003, 1005, 1013, 1015, 1021};
constexpr int kFormulaEquals = 1007;
constexpr int kFormulaResult = 1006;
constexpr int kReset = 1001;
constexpr int kMode = 1002;
constexpr int kExplanation = 1051;
constexpr int kResultLabel = 1052;
constexpr int kGiven = 1054;
constexpr int kOperator = 1038;
constexpr int kWeight = 1055;
constexpr int kConvertEquals = 1009;
constexpr int kResult = 1018;

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
        ChooseItem(page, kMode, QString::fromUtf8(direction));
        TypeInto(page, kGiven, QString::fromUtf8(given));
        TypeInto(page, kWeight, QString::fromUtf8(weight));
        ClickButton(page, kConvertEquals);
    }
};

TEST_F(MolecularWeightPage, WeighsSulfuricAcid)
{
    EXPECT_EQ(TabCaption(host), "M.W/Grams Moles");
    Slot(0, "H", "2");
    Slot(1, "S", "1");
    Slot(2, "O", "4");
    ClickButton(page, kFormulaEquals);
    EXPECT_EQ(ShownText(page, kFormulaResult), "H2S1O4 = 98.079    grams/moles");
    EXPECT_TRUE(recorder.messages.empty());
    SaveScreenshot(host.sheet(), QStringLiteral("chemistry-chem"));
}

TEST_F(MolecularWeightPage, NoFirstElementIsIncompleteAndEmptiesTheResult)
{
    Slot(0, "H", "2");
    ClickButton(page, kFormulaEquals);
    ASSERT_FALSE(ShownText(page, kFormulaResult).isEmpty());

    ClickButton(page, kReset);
    Slot(1, "O", "1");
    ClickButton(page, kFormulaEquals);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, "Please fill out the required fields");
    EXPECT_EQ(recorder.messages[0].caption, "Incomplete");
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
    EXPECT_EQ(ShownText(page, kFormulaResult), "");
}

TEST_F(MolecularWeightPage, ConvertsBothWays)
{
    Convert("Moles to Grams", "2", "18.015");
    EXPECT_EQ(ShownText(page, kResult), "36.03");
    EXPECT_EQ(ShownText(page, kExplanation),
              "grams =    [ # given moles ]   *    [ molecular weight ]");
    EXPECT_EQ(ShownText(page, kResultLabel), "grams =");
    EXPECT_EQ(ShownText(page, kOperator), "*");

    Convert("Grams to Moles", "36.03", "18.015");
    EXPECT_EQ(ShownText(page, kResult), "2");
    EXPECT_EQ(ShownText(page, kResultLabel), "moles =");
    EXPECT_EQ(ShownText(page, kOperator), "/");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(MolecularWeightPage, ChoosingADirectionZeroesTheThreeNumbersOnly)
{
    Slot(0, "H", "2");
    ClickButton(page, kFormulaEquals);
    Convert("Moles to Grams", "2", "18.015");

    ChooseItem(page, kMode, "Grams to Moles");

    EXPECT_EQ(ShownText(page, kGiven), "0");
    EXPECT_EQ(ShownText(page, kWeight), "0");
    EXPECT_EQ(ShownText(page, kResult), "0");
    EXPECT_EQ(ShownText(page, kExplanation),
              "moles =    [ # given grams ]   /    [ molecular weight ]");
    EXPECT_EQ(ShownText(page, kFormulaResult), "H2 = 2.016    grams/moles");
}

// Reset does not pull: a given amount typed since the last exchange is replaced by the
// one exchanged last, and the conversion row keeps its members.
TEST_F(MolecularWeightPage, ResetShowsTheAmountExchangedLast)
{
    Slot(0, "C", "6");
    Slot(1, "H", "12");
    Convert("Moles to Grams", "2", "18.015");
    TypeInto(page, kGiven, "5");

    ClickButton(page, kReset);

    EXPECT_EQ(ShownText(page, kGiven), "2");
    EXPECT_EQ(ShownText(page, kResult), "36.03");
    EXPECT_EQ(ShownText(page, kMode), "Moles to Grams");
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(ShownIndex(page, kElements[slot]), -1);
        EXPECT_EQ(ShownText(page, kCounts[slot]), "1");
    }
    EXPECT_EQ(ShownText(page, kFormulaResult), "");
}

TEST_F(MolecularWeightPage, GramsToMolesByZeroKeepsThePreviousResult)
{
    Convert("Grams to Moles", "36.03", "18.015");
    TypeInto(page, kWeight, "0");
    ClickButton(page, kConvertEquals);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, "Can not divide by zero");
    EXPECT_EQ(recorder.messages[0].caption, "Divide by zero");
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
    EXPECT_EQ(ShownText(page, kResult), "2");
}

TEST_F(MolecularWeightPage, ConvertingWithNoDirectionIsIncomplete)
{
    TypeInto(page, kGiven, "3");
    ClickButton(page, kConvertEquals);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].caption, "Incomplete");
    EXPECT_EQ(members.m_dGiven, 3.0);
    EXPECT_EQ(ShownText(page, kResult), "0");
}

// Molecular Formula control ids.
constexpr int kCompound = 1091;
constexpr int kUnknown = 1097;
constexpr int kGrams[]{1011, 1047, 1022};
constexpr int kSymbols[]{1010, 1016, 1019};
constexpr int kCompute = 1094;
constexpr int kCompositionReset = 1095;
constexpr int kComposition = 1092;
constexpr int kSimplest = 1093;
constexpr int kMolecular = 1096;

class CompositionPage : public ::testing::Test {
protected:
    PageInSheet host{"MISC"};
    CPropertyPage& page = host.page();
    MessageRecorder recorder;

    void Glucose()
    {
        TypeInto(page, kCompound, "100");
        TypeInto(page, kUnknown, "180.16");
        const char* symbols[]{"C", "H", "O"};
        const char* grams[]{"40", "6.71", "53.29"};
        for (int slot = 0; slot < 3; ++slot) {
            TypeInto(page, kGrams[slot], QString::fromUtf8(grams[slot]));
            ChooseItem(page, kSymbols[slot], QString::fromUtf8(symbols[slot]));
        }
        ClickButton(page, kCompute);
    }

    QString Results()
    {
        return ShownText(page, kComposition) + "|" + ShownText(page, kSimplest) + "|" +
               ShownText(page, kMolecular);
    }
};

TEST_F(CompositionPage, ListsStartOnTheirEmptyItem)
{
    EXPECT_EQ(TabCaption(host), "Molecular Formula");
    auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(kSymbols[0]));
    ASSERT_EQ(list->count(), 110);
    EXPECT_EQ(list->itemText(0), "");
    EXPECT_EQ(list->itemText(1), "Ac");
    for (const int id : kSymbols) {
        EXPECT_EQ(ShownIndex(page, id), 0);
    }
}

TEST_F(CompositionPage, AnalysesGlucose)
{
    Glucose();
    EXPECT_EQ(Results(), "C= 40.000%,  H= 6.710%,  O= 53.290%|C1 H2 O1|C6.00 ,  H12.00 ,  O6.00");
    EXPECT_TRUE(recorder.messages.empty());
    SaveScreenshot(host.sheet(), QStringLiteral("chemistry-MISC"));
}

TEST_F(CompositionPage, MissingCompoundWeightIsIncompleteAndEmptiesTheResults)
{
    Glucose();
    TypeInto(page, kCompound, "0");
    ClickButton(page, kCompute);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text, "Please fill out the required fields");
    EXPECT_EQ(recorder.messages[0].caption, "Incomplete");
    EXPECT_EQ(recorder.messages[0].type, 0x30U);
    EXPECT_EQ(Results(), "||");
}

TEST_F(CompositionPage, ResetEmptiesEveryField)
{
    Glucose();
    ClickButton(page, kCompositionReset);
    EXPECT_EQ(Results(), "||");
    for (const int id : {kCompound, kUnknown, kGrams[0], kGrams[1], kGrams[2]}) {
        EXPECT_EQ(ShownText(page, id), "0");
    }
    for (const int id : kSymbols) {
        EXPECT_EQ(ShownIndex(page, id), 0);
    }
}

}  // namespace
