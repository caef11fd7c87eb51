// The sheet's tab rows: every caption whole and in sight, in tab order, none over
// another, the current tab against its page, laid out again when the window is resized.
#include <gtest/gtest.h>

#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
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

// Narrowed, the window takes more rows and keeps every caption in sight; widened
// beyond its opening size, the tabs stay as wide as the pages.
TEST(TabRows, LaidOutAgainWhenTheWindowIsResized)
{
    RunStartUp([](CTessaralDlg& sheet) {
        const QSize opening = sheet.size();
        const int rows = sheet.GetTabControl()->rowCount();
        const struct {
            double widthScale;
            int moreRows;  // sign of the change against the opening size
        } cases[]{{0.6, 1}, {0.4, 1}, {1.5, 0}, {1.0, 0}};
        for (const auto& c : cases) {
            sheet.resize(static_cast<int>(opening.width() * c.widthScale), opening.height() * 2);
            QTRY_COMPARE(sheet.width(), static_cast<int>(opening.width() * c.widthScale));
            const int change = sheet.GetTabControl()->rowCount() - rows;
            EXPECT_EQ((change > 0) - (change < 0), c.moreRows) << c.widthScale;
            EXPECT_TRUE(EveryCaptionInSight(sheet)) << c.widthScale;
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
