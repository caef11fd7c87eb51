// The chemistry program's window as its start-up builds it, driven as a person would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
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

// The pages work in the window as in a sheet of their own (tests/ui/chemistry_pages_test);
// here the window's own name heads the messages of their data exchange.
TEST(ChemistryWindow, ItsNameHeadsThePagesMessages)
{
    MessageRecorder recorder;
    RunStartUp([&](CTessaralDlg& sheet) {
        CPropertyPage& weight = ShowTab(sheet, 1);
        ChooseItem(weight, IDC_MW_ELEMENT1, "H");
        TypeInto(weight, IDC_MW_COUNT1, "two");
        ClickButton(weight, IDC_MW_EQUALS);
    });
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].caption, "Velkari Chemistry");
}

// The logo is drawn whole at the window's opening size: nothing of it, not the tail of
// its "y", reaches the bottom rows of the window, which show the window's background.
TEST(ChemistryWindow, TheLogoEndsAboveTheWindowsEdge)
{
    RunStartUp([&](CTessaralDlg& sheet) {
        const QImage window = sheet.grab().toImage();
        const QRect logo = sheet.ButtonRow();
        const QRgb background = window.pixel(0, window.height() - 1);
        int ink = 0;
        for (int y = window.height() - 2; y < window.height(); ++y) {
            for (int x = logo.left(); x <= logo.right(); ++x) {
                ink += window.pixel(x, y) != background ? 1 : 0;
            }
        }
        EXPECT_EQ(ink, 0);
        EXPECT_LT(logo.bottom(), sheet.height() - 2);
    });
}

}  // namespace
