// The chemistry program's window as its start-up builds it, driven as a person would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "framework/app_resources.h"
#include "framework/tab_ctrl.h"
#include "framework/win_app.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;

TEST(ChemistryWindow, OpensTheThreePagesCreatedByName)
{
    QStringList tabs;
    QStringList classes;
    QStringList buttons;
    const BOOL result = RunStartUp([&](CTessaralDlg& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Velkari Chemistry");
        EXPECT_EQ(sheet.LogoText(), "Velkari Chemistry");
        EXPECT_FALSE(sheet.windowIcon().pixmap(16, 16).isNull());
        EXPECT_EQ(sheet.GetStyle() & (WS_MINIMIZEBOX | WS_THICKFRAME),
                  WS_MINIMIZEBOX | WS_THICKFRAME);
        for (int i = 0; i < sheet.GetTabControl()->count(); ++i) {
            tabs.append(sheet.GetTabControl()->tabText(i));
            classes.append(QString::fromUtf8(sheet.GetPage(i)->GetRuntimeClass()->m_lpszClassName));
        }
        // The converter window's keys: Ctrl+Tab goes to the next tab.
        QTest::keyClick(&sheet, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        for (auto* button : sheet.findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
            if (button->isVisible()) {
                buttons.append(button->text());
            }
        }
    });
    EXPECT_EQ(result, FALSE);
    EXPECT_EQ(tabs, (QStringList{"Periodic Table", "M.W/Grams Moles", "Molecular Formula"}));
    EXPECT_EQ(classes, (QStringList{"periodic", "chem", "MISC"}));
    EXPECT_EQ(buttons, QStringList{"Exit"});
    // The program names its own desktop entry, which start-up hands to the desktop.
    EXPECT_EQ(framework::GetAppResources().desktopId, "example.velkari.Chemistry");
}

constexpr int kWeightElements[]{IDC_MW_ELEMENT1, IDC_MW_ELEMENT2, IDC_MW_ELEMENT3};
constexpr int kWeightCounts[]{IDC_MW_COUNT1, IDC_MW_COUNT2, IDC_MW_COUNT3};
constexpr int kGrams[]{IDC_FORMULA_GRAMS1, IDC_FORMULA_GRAMS2, IDC_FORMULA_GRAMS3};
constexpr int kCompositionElements[]{IDC_FORMULA_ELEMENT1, IDC_FORMULA_ELEMENT2,
                                     IDC_FORMULA_ELEMENT3};

TEST(ChemistryWindow, EachTabWorks)
{
    MessageRecorder recorder;
    QStringList shown;
    RunStartUp([&](CTessaralDlg& sheet) {
        CPropertyPage& periodic = ShowTab(sheet, 0);
        ChooseItem(periodic, IDC_PERIODIC_ELEMENT, "Fe");
        shown.append(ShownText(periodic, IDC_PERIODIC_NAME));

        CPropertyPage& weight = ShowTab(sheet, 1);
        const char* symbols[]{"H", "S", "O"};
        const char* counts[]{"2", "1", "4"};
        for (int slot = 0; slot < 3; ++slot) {
            ChooseItem(weight, kWeightElements[slot], QString::fromUtf8(symbols[slot]));
            TypeInto(weight, kWeightCounts[slot], QString::fromUtf8(counts[slot]));
        }
        ClickButton(weight, IDC_MW_EQUALS);
        shown.append(ShownText(weight, IDC_MW_FORMULA_RESULT));

        CPropertyPage& composition = ShowTab(sheet, 2);
        TypeInto(composition, IDC_FORMULA_COMPOUND_WEIGHT, "100");
        TypeInto(composition, IDC_FORMULA_UNKNOWN_WEIGHT, "180.16");
        const char* elements[]{"C", "H", "O"};
        const char* grams[]{"40", "6.71", "53.29"};
        for (int slot = 0; slot < 3; ++slot) {
            ChooseItem(composition, kCompositionElements[slot], QString::fromUtf8(elements[slot]));
            TypeInto(composition, kGrams[slot], QString::fromUtf8(grams[slot]));
        }
        ClickButton(composition, IDC_FORMULA_COMPUTE);
        for (const int id :
             {IDC_FORMULA_COMPOSITION, IDC_FORMULA_SIMPLEST, IDC_FORMULA_MOLECULAR}) {
            shown.append(ShownText(composition, id));
        }

        // The window's own name heads the messages of its data exchange.
        ShowTab(sheet, 1);
        TypeInto(weight, kWeightCounts[0], "two");
        ClickButton(weight, IDC_MW_EQUALS);
    });
    EXPECT_EQ(shown, (QStringList{"Iron", "H2S1O4 = 98.079    grams/moles",
                                  "C= 40.000%,  H= 6.710%,  O= 53.290%", "C1 H2 O1",
                                  "C6.00 ,  H12.00 ,  O6.00"}));
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].caption, "Velkari Chemistry");
}

}  // namespace
