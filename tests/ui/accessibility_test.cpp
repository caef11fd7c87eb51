// What a screen reader is told about each tab's controls, read through Qt's
// accessibility interfaces as an assistive technology reads them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

#include "framework/tab_ctrl.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;

QString Spoken(QWidget* widget, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(text) : QStringLiteral("<not accessible>");
}

// The page's controls in the order they were built, without the frames and the lines
// of text that speak for themselves.
QList<QWidget*> SpokenControls(CPropertyPage& page)
{
    QList<QWidget*> controls;
    for (QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<QLabel*>(child);
        const bool textLabel = label != nullptr && label->pixmap().isNull();
        if (!textLabel && qobject_cast<QGroupBox*>(child) == nullptr) {
            controls.append(child);
        }
    }
    return controls;
}

QStringList ConverterNames(const QString& caption)
{
    const QString decimals = caption == "Volume" ? "Significant Figures" : "Decimal Places";
    return {"Value",
            "Unit",
            "Scientific Notation",
            decimals,
            "=",
            "Converted values",
            "Units",
            caption + " Converter"};
}

// Every value box, list, check box, button, output box and picture of every tab, as
// a screen reader names it, in tab order with the heading picture last.
TEST(Accessibility, EveryControlOfEveryTabHasASpokenName)
{
    QList<QStringList> expected;
    for (const char* caption :
         {"Angle", "Area", "Computer Storage", "Cooking", "Energy", "Frequency", "Length", "Light",
          "Power", "Pressure", "Speed", "Time", "Torque", "Volume", "Weight"}) {
        expected.append(ConverterNames(caption));
    }
    // Temperature, between Speed and Time, has no decimals but a box of formulas.
    expected.insert(11, {"Value", "Unit", "=", "Converted values", "Units", "Formulas",
                         "Temperature Converter"});
    expected.append({"Velkari logo"});
    RunStartUp([&](CTessaralDlg& sheet) {
        ASSERT_EQ(sheet.GetPageCount(), expected.size());
        for (int tab = 0; tab < sheet.GetPageCount(); ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            QStringList names;
            for (QWidget* control : SpokenControls(page)) {
                names.append(Spoken(control));
            }
            EXPECT_EQ(names, expected[tab]) << page.Title().toStdString();
            EXPECT_EQ(Spoken(&page), page.Title());
        }
    });
}

// The tabs are one page tab list of seventeen captioned page tabs, the current one
// selected; pressing a tab through the interface switches as a click does, through
// the page-leave pull.
TEST(Accessibility, TheTabsAreAPageTabListOfSelectableTabs)
{
    MessageRecorder recorder;
    RunStartUp([](CTessaralDlg& sheet) {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(sheet.GetTabControl());
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->role(), QAccessible::PageTabList);
        ASSERT_EQ(list->childCount(), sheet.GetPageCount());
        const auto selected = [list] {
            QList<int> tabs;
            for (int i = 0; i < list->childCount(); ++i) {
                if (list->child(i)->state().selected) {
                    tabs.append(i);
                }
            }
            return tabs;
        };
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface* tab = list->child(i);
            EXPECT_EQ(tab->role(), QAccessible::PageTab) << i;
            EXPECT_EQ(tab->text(QAccessible::Name), sheet.GetPage(i)->Title());
            EXPECT_EQ(list->indexOfChild(tab), i);
            EXPECT_TRUE(tab->state().selectable) << i;
        }
        EXPECT_EQ(selected(), QList<int>{0});

        const auto press = [list](int i) {
            list->child(i)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        press(11);
        EXPECT_EQ(sheet.GetActiveIndex(), 11);
        EXPECT_EQ(selected(), QList<int>{11});
        CPropertyPage& page = *sheet.GetActivePage();
        TypeInto(page, FirstControl(page, framework::ControlKind::Edit), "1,5");
        press(3);
        EXPECT_EQ(sheet.GetActiveIndex(), 11);
        EXPECT_EQ(selected(), QList<int>{11});
    });
    EXPECT_EQ(recorder.messages.size(), 1U);
}

// The chemistry pages' heading pictures say their words too.
TEST(Accessibility, ChemistryHeadingsSayTheirWords)
{
    const std::pair<const char*, QStringList> pages[]{
        {"periodic", {"Periodic Table"}},
        {"chem", {"Molecular Weight", "Moles, Grams Converter"}},
        {"MISC", {"% Composition, Simpliest, Molecular Formula"}},
    };
    for (const auto& [className, headings] : pages) {
        PageInSheet host(className);
        QStringList spoken;
        for (auto* label : host.page().findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!label->pixmap().isNull()) {
                spoken.append(Spoken(label));
            }
        }
        EXPECT_EQ(spoken, headings) << className;
    }
}

}  // namespace
