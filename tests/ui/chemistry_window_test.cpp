// The chemistry program's window as its start-up builds it, driven as a person would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "framework/win_app.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"

namespace {

using namespace testing_support;

// Runs the program's own application object; check gets the window once it is shown.
BOOL RunChemistryWindow(const std::function<void(CTessaralDlg&)>& check)
{
    QTimer::singleShot(0, [&check] {
        auto* sheet = dynamic_cast<CTessaralDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        sheet->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(sheet));
        check(*sheet);
        static_cast<QAbstractButton*>(sheet->GetDlgItem(IDCANCEL))->click();
    });
    return AfxGetApp()->InitInstance();
}

CPropertyPage& ShowTab(CTessaralDlg& sheet, int tab)
{
    EXPECT_TRUE(sheet.SetActivePage(tab)) << "tab " << tab;
    return *sheet.GetPage(tab);
}

TEST(ChemistryWindow, OpensTheThreePagesCreatedByName)
{
    QStringList tabs;
    QStringList classes;
    QStringList buttons;
    const BOOL result = RunChemistryWindow([&](CTessaralDlg& sheet) {
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
    EXPECT_EQ(QGuiApplication::desktopFileName(), "example.velkari.Chemistry");
}

// Control ids, one name each.
constexpr int kPeriodicElement = 1002;
constexpr int kPeriodicName = 1007;
constexpr int kWeightElements[]{1008, 1004, 1012};
constexpr int kWeightCounts[]{1003, 1005, 1013};
constexpr int kWeightEquals = 1007;
constexpr int kWeightResult = 1006;
constexpr int kCompound = 1091;
constexpr int kUnknown = 1097;
constexpr int kGrams[]{1011, 1047, 1022};
constexpr int kCompositionElements[]{1010, 1016, 1019};
constexpr int kCompute = 1094;
constexpr int kComposition = 1092;
constexpr int kSimplest = 1093;
constexpr int kMolecular = 1096;

TEST(ChemistryWindow, EachTabWorks)
{
    MessageRecorder recorder;
    QStringList shown;
    RunChemistryWindow([&](CTessaralDlg& sheet) {
        CPropertyPage& periodic = ShowTab(sheet, 0);
        ChooseItem(periodic, kPeriodicElement, "Fe");
        shown.append(ShownText(periodic, kPeriodicName));

        CPropertyPage& weight = ShowTab(sheet, 1);
        const char* symbols[]{"H", "S", "O"};
        const char* counts[]{"2", "1", "4"};
        for (int slot = 0; slot < 3; ++slot) {
            ChooseItem(weight, kWeightElements[slot], QString::fromUtf8(symbols[slot]));
            TypeInto(weight, kWeightCounts[slot], QString::fromUtf8(counts[slot]));
        }
        ClickButton(weight, kWeightEquals);
        shown.append(ShownText(weight, kWeightResult));

        CPropertyPage& composition = ShowTab(sheet, 2);
        TypeInto(composition, kCompound, "100");
        TypeInto(composition, kUnknown, "180.16");
        const char* elements[]{"C", "H", "O"};
        const char* grams[]{"40", "6.71", "53.29"};
        for (int slot = 0; slot < 3; ++slot) {
            ChooseItem(composition, kCompositionElements[slot], QString::fromUtf8(elements[slot]));
            TypeInto(composition, kGrams[slot], QString::fromUtf8(grams[slot]));
        }
        ClickButton(composition, kCompute);
        for (const int id : {kComposition, kSimplest, kMolecular}) {
            shown.append(ShownText(composition, id));
        }

        // The window's own name heads the messages of its data exchange.
        ShowTab(sheet, 1);
        TypeInto(weight, kWeightCounts[0], "two");
        ClickButton(weight, kWeightEquals);
    });
    EXPECT_EQ(shown, (QStringList{"Iron", "H2S1O4 = 98.079    grams/moles",
                                  "C= 40.000%,  H= 6.710%,  O= 53.290%", "C1 H2 O1",
                                  "C6.00 ,  H12.00 ,  O6.00"}));
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].caption, "Velkari Chemistry");
}

}  // namespace
