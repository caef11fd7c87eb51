// The sheet's tab rows: every caption whole and in sight, in tab order, none over
// another, the current tab against its page, the sheet whole whatever the window's size.
#include <gtest/gtest.h>

#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <memory>
#include <vector>

#include "framework/runtime_class.h"
#include "framework/tab_ctrl.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;

QRect InSheet(const CPropertySheet& sheet, int tab)
{
    const CTabCtrl* tabs = sheet.GetTabControl();
    return {tabs->mapTo(&sheet, tabs->tabRect(tab).topLeft()), tabs->tabRect(tab).size()};
}

// Names the first tab that is cut, outside the window, over another or out of order,
// or a current tab that does not touch its page.
testing::AssertionResult EveryCaptionInSight(const CPropertySheet& sheet)
{
    const CTabCtrl* tabs = sheet.GetTabControl();
    for (int i = 0; i < tabs->count(); ++i) {
        const QRect r = InSheet(sheet, i);
        const QString caption = tabs->tabText(i);
        if (!sheet.rect().contains(r) ||
            r.width() <= tabs->fontMetrics().horizontalAdvance(caption)) {
            return testing::AssertionFailure() << caption.toStdString() << " is cut";
        }
        for (int j = 0; j < i; ++j) {
            if (r.intersects(InSheet(sheet, j))) {
                return testing::AssertionFailure()
                       << caption.toStdString() << " overlaps " << tabs->tabText(j).toStdString();
            }
        }
        // The next tab follows on the right, or begins a row of its own.
        const QRect next = tabs->tabRect(i + 1);
        if (i + 1 < tabs->count() && next.left() != tabs->tabRect(i).right() + 1 &&
            next.left() != 0) {
            return testing::AssertionFailure()
                   << tabs->tabText(i + 1).toStdString() << " is out of order";
        }
    }
    const int pageTop = sheet.findChild<QStackedWidget*>()->geometry().top();
    if (InSheet(sheet, tabs->currentIndex()).bottom() + 1 != pageTop) {
        return testing::AssertionFailure() << "the current tab is apart from its page";
    }
    return testing::AssertionSuccess();
}

// The desktop convention: whichever tab is current, its row moves down to the page.
TEST(TabRows, EveryCaptionInSightWhicheverTabIsCurrent)
{
    RunStartUp([](CTessaralDlg& sheet) {
        EXPECT_GE(sheet.GetTabControl()->rowCount(), 2);
        EXPECT_LE(sheet.GetTabControl()->rowCount(), 3);
        EXPECT_TRUE(sheet.findChildren<QToolButton*>().isEmpty()) << "scroll arrows";
        for (int tab = 0; tab < sheet.GetPageCount(); ++tab) {
            ShowTab(sheet, tab);
            EXPECT_TRUE(EveryCaptionInSight(sheet)) << "tab " << tab;
        }
    });
}

// The window cannot be narrowed below its tabs, pages and buttons; made larger, it
// keeps them at their size in its middle, with the same tab rows.
TEST(TabRows, TheSheetStaysWholeAndCentredWhenTheWindowIsResized)
{
    RunStartUp([](CTessaralDlg& sheet) {
        const QSize opening = sheet.size();
        const int rows = sheet.GetTabControl()->rowCount();
        EXPECT_EQ(sheet.minimumSize(), opening);
        const QWidget* pages = sheet.findChild<QStackedWidget*>();
        const QSize pageSize = pages->size();
        const struct {
            double scale;
            QSize expected;
        } cases[]{{0.6, opening}, {0.4, opening}, {1.5, opening * 1.5}, {1.0, opening}};
        for (const auto& c : cases) {
            sheet.resize(opening * c.scale);
            EXPECT_EQ(sheet.size(), c.expected) << c.scale;
            EXPECT_EQ(sheet.GetTabControl()->rowCount(), rows) << c.scale;
            EXPECT_EQ(pages->size(), pageSize) << c.scale;
            EXPECT_TRUE(EveryCaptionInSight(sheet)) << c.scale;
            // As much room on either side of the block, and above as below it.
            const QRect tabs = sheet.GetTabControl()->geometry();
            const QRect buttons = sheet.ButtonRow();
            EXPECT_LE(std::abs(tabs.left() - (sheet.width() - 1 - pages->geometry().right())), 1)
                << c.scale;
            EXPECT_LE(std::abs(tabs.top() - (sheet.height() - 1 - buttons.bottom())), 1) << c.scale;
            if (c.scale > 1) {
                SaveScreenshot(sheet, QStringLiteral("enlarged"));
            }
        }
    });
}

// The chemistry window's three tabs.
TEST(TabRows, ThreePagesStayOneRow)
{
    CPropertySheet sheet(QStringLiteral("Three"));
    std::vector<std::unique_ptr<CObject>> pages;
    for (const char* name : {"periodic", "chem", "MISC"}) {
        pages.emplace_back(CRuntimeClass::FromName(name)->CreateObject());
        sheet.AddPage(dynamic_cast<CPropertyPage*>(pages.back().get()));
    }
    sheet.Create();
    EXPECT_EQ(sheet.GetTabControl()->rowCount(), 1);
    EXPECT_TRUE(EveryCaptionInSight(sheet));
    sheet.close();
}

// A click on a tab in the other row goes through the page-leave pull: a refused value
// keeps the tab, the other page is not even built, and the tabs keep the focus.
TEST(TabRows, AClickSwitchesOnlyWhenThePageLetsGo)
{
    constexpr int kTemperatureTab = 11;
    const struct {
        const char* value;
        int active;
        std::size_t messages;
    } cases[]{{"1.5", kTemperatureTab, 0}, {"1,5", 0, 1}};
    for (const auto& c : cases) {
        MessageRecorder recorder;
        RunStartUp([&](CTessaralDlg& sheet) {
            CPropertyPage& angle = *sheet.GetActivePage();
            TypeInto(angle, FirstControl(angle, framework::ControlKind::Edit), c.value);
            CTabCtrl* tabs = sheet.GetTabControl();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(kTemperatureTab).center());
            EXPECT_EQ(sheet.GetActiveIndex(), c.active) << c.value;
            EXPECT_EQ(tabs->currentIndex(), c.active) << c.value;
            EXPECT_EQ(sheet.GetPage(kTemperatureTab)->IsWindowCreated(), c.active != 0);
            EXPECT_TRUE(EveryCaptionInSight(sheet)) << c.value;
            if (c.messages == 0) {
                EXPECT_TRUE(tabs->hasFocus());
            }
        });
        EXPECT_EQ(recorder.messages.size(), c.messages) << c.value;
    }
}

}  // namespace
