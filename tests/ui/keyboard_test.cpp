// The window driven from the keyboard alone: Tab through a page, Enter for "=", Esc to
// close, Ctrl+PgUp/PgDn and Ctrl+Tab between tabs, a unit chosen by typing its name.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QTest>
#include <functional>
#include <vector>
#include "framework/tab_ctrl.h"

#include "framework/message_map.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;
using framework::ControlKind;

bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
           kind == ControlKind::CheckBox || kind == ControlKind::PushButton;
}

int ValueBox(const CPropertyPage& page)
{
    return FirstControl(page, ControlKind::Edit);
}

int UnitList(const CPropertyPage& page)
{
    return FirstControl(page, ControlKind::ComboBox);
}

int ValuesBox(const CPropertyPage& page)
{
    return FirstControl(page, ControlKind::Edit, framework::kMultiLine);
}

std::string Title(const CPropertyPage& page)
{
    return page.Title().toStdString();
}

// Tab from a page's first control visits every control a person can type into, choose
// from, press or select text in, in the order of the page's template, and nothing else.
TEST(Keyboard, TabVisitsEachPagesControlsInTemplateOrder)
{
    RunStartUp([](CTessaralDlg& sheet) {
        for (int tab = 0; tab < sheet.GetPageCount(); ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            QList<int> expected;
            for (const framework::ControlTemplate& control : TemplateOf(page).controls) {
                if (TakesFocus(control.kind)) {
                    expected.append(control.id);
                }
            }
            if (expected.isEmpty()) {
                continue;
            }
            page.GetDlgItem(expected.first())->setFocus(Qt::TabFocusReason);
            QList<int> visited;
            while (QWidget* control = FocusedControl(page)) {
                visited.append(framework::ControlId(control));
                if (visited.size() > expected.size()) {
                    break;
                }
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            EXPECT_EQ(visited, expected) << Title(page);
        }
    });
}

// Enter in the value box presses "=" on every converter tab but Torque, whose "=" is
// not the default button; there Enter does nothing, and never closes the window. The
// results follow the typing before any "=", so an empty unit list tells the two apart:
// "=" says the unit is missing, Enter on Torque says nothing.
TEST(Keyboard, EnterInTheValueBoxPressesTheDefaultEquals)
{
    MessageRecorder recorder;
    RunStartUp([&recorder](CTessaralDlg& sheet) {
        for (int tab = 0; tab < kConverterTabs; ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            TypeInto(page, ValueBox(page), "1");
            const std::size_t before = recorder.messages.size();
            QTest::keyClick(page.GetDlgItem(ValueBox(page)), Qt::Key_Return);

            const bool pressed = recorder.messages.size() > before;
            EXPECT_EQ(pressed, tab != kTorqueTab) << Title(page);
            EXPECT_TRUE(sheet.isVisible()) << Title(page);
        }
    });
}

struct EscapeCase {
    const char* focus;  // where the keyboard focus is when Esc is pressed
    std::function<QWidget*(CTessaralDlg&, CPropertyPage&)> prepare;
};

// Esc closes the window from anywhere on it, even with a value the page would refuse:
// closing pulls nothing and says nothing.
TEST(Keyboard, EscapeClosesTheWindow)
{
    const EscapeCase cases[]{
        {"refused value",
         [](CTessaralDlg&, CPropertyPage& page) {
             TypeInto(page, ValueBox(page), "1,5");
             return page.GetDlgItem(ValueBox(page));
         }},
        {"values box",
         [](CTessaralDlg&, CPropertyPage& page) { return page.GetDlgItem(ValuesBox(page)); }},
        {"tabs",
         [](CTessaralDlg& sheet, CPropertyPage&) -> QWidget* { return sheet.GetTabControl(); }},
    };
    for (const EscapeCase& c : cases) {
        MessageRecorder recorder;
        bool closed = false;
        const BOOL result = RunStartUp([&](CTessaralDlg& sheet) {
            QWidget* target = c.prepare(sheet, *sheet.GetActivePage());
            target->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            closed = !sheet.isVisible();
        });
        EXPECT_TRUE(closed) << c.focus;
        EXPECT_EQ(result, FALSE) << c.focus;
        EXPECT_TRUE(recorder.messages.empty()) << c.focus;
    }
}

struct SwitchCase {
    const char* how;
    int from;
    bool fromTabs;  // the tabs hold the focus before the key, else the value box
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int to;
};

// Ctrl+PgDn / Ctrl+Tab move to the next tab and Ctrl+PgUp / Ctrl+Shift+Tab to the
// previous one, wrapping around at either end; a keyboard sends Ctrl+Shift+Tab as
// Backtab with Shift held, and both forms are tried. The arrow keys on the tabs stop at
// either end. After a switch the focus is on a control a person can see: on the tabs
// when they had it, else on the new page's first control, its value box, where the next keys go;
// About has no control to type into, so there it is the tabs.
TEST(Keyboard, KeysSwitchTabsAndTheFocusLandsOnAVisibleControl)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    // clang-format off
    const SwitchCase cases[]{
        {"Ctrl+PgDn",                  0,         false, Qt::Key_PageDown, ctrl,      1},
        {"Ctrl+PgUp",                  5,         false, Qt::Key_PageUp,   ctrl,      4},
        {"Ctrl+Tab",                   0,         false, Qt::Key_Tab,      ctrl,      1},
        {"Ctrl+Shift+Tab",             12,        false, Qt::Key_Tab,      ctrlShift, 11},
        {"Ctrl+Shift+Backtab",         12,        false, Qt::Key_Backtab,  ctrlShift, 11},
        {"Ctrl+PgUp at the start",     0,         false, Qt::Key_PageUp,   ctrl,      kAboutTab},
        {"Ctrl+Backtab at the start",  0,         false, Qt::Key_Backtab,  ctrlShift, kAboutTab},
        {"Ctrl+PgDn at the end",       kAboutTab, true,  Qt::Key_PageDown, ctrl,      0},
        {"Ctrl+Tab at the end",        kAboutTab, true,  Qt::Key_Tab,      ctrl,      0},
        {"Ctrl+Tab into About",        15,        false, Qt::Key_Tab,      ctrl,      kAboutTab},
        {"Ctrl+PgDn on tabs",          7,         true,  Qt::Key_PageDown, ctrl,      8},
        {"Right",                      3,         true,  Qt::Key_Right,    none,      4},
        {"Left at the start",          0,         true,  Qt::Key_Left,     none,      0},
        {"Right at the end",           16,        true,  Qt::Key_Right,    none,      kAboutTab},
        {"End",                        2,         true,  Qt::Key_End,      none,      kAboutTab},
        {"Home",                       9,         true,  Qt::Key_Home,     none,      0},
    };
    // clang-format on
    MessageRecorder recorder;
    RunStartUp([&](CTessaralDlg& sheet) {
        QWidget* tabs = sheet.GetTabControl();
        for (const SwitchCase& c : cases) {
            CPropertyPage& page = ShowTab(sheet, c.from);
            (c.fromTabs ? tabs : page.GetDlgItem(ValueBox(page)))->setFocus();
            QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
            ASSERT_EQ(sheet.GetActiveIndex(), c.to) << c.how;
            EXPECT_EQ(sheet.GetTabControl()->currentIndex(), c.to) << c.how;

            CPropertyPage& now = *sheet.GetActivePage();
            QWidget* expected =
                c.fromTabs || c.to == kAboutTab ? tabs : now.GetDlgItem(ValueBox(now));
            EXPECT_EQ(QApplication::focusWidget(), expected) << c.how;
            EXPECT_TRUE(QApplication::focusWidget()->isVisible()) << c.how;
            if (expected != tabs) {
                QTest::keyClicks(QApplication::focusWidget(), "789");
                EXPECT_EQ(ShownText(now, ValueBox(now)), "789") << c.how;
            }
        }
    });
    EXPECT_TRUE(recorder.messages.empty());
}

// Every item of every list, typed into the list's edit field in full, without the blanks
// at its ends or after a blank, is the one "=" then works with, even where it begins a
// longer item ("Square" on Area).
TEST(Keyboard, ATypedFullNameChoosesThatItem)
{
    MessageRecorder recorder;
    RunStartUp([](CTessaralDlg& sheet) {
        for (int tab = 0; tab < kConverterTabs; ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            ChooseItem(page, UnitList(page),
                       qobject_cast<QComboBox*>(page.GetDlgItem(UnitList(page)))->itemText(0));
            for (auto* list : page.findChildren<QComboBox*>(Qt::FindDirectChildrenOnly)) {
                const int id = framework::ControlId(list);
                for (int item = 0; item < list->count(); ++item) {
                    const QString name = list->itemText(item).trimmed();
                    for (const QString& typed : {list->itemText(item), name, " " + name}) {
                        TypeIntoList(page, id, typed);
                        ClickButton(page, FirstControl(page, ControlKind::PushButton));
                        EXPECT_EQ(ShownIndex(page, id), item)
                            << Title(page) << ": '" << typed.toStdString() << "'";
                    }
                }
            }
        }
    });
    EXPECT_TRUE(recorder.messages.empty());
}

struct TypedEnterCase {
    const char* what;
    int list;
    QString typed;
    std::vector<Qt::Key> inPopup;  // keys pressed in the completion pop-up before Enter
    QString picked;                // the item the list then shows; empty: nothing is converted
};

// A key as the keyboard delivers it: to the completion pop-up while one is open.
void PressKey(CTessaralDlg& sheet, Qt::Key key)
{
    QTest::keyClick(sheet.windowHandle(), key);
}

// Length, 3 ft converted; then 7 typed in the value box and text in a list: one Enter
// converts 7 with what the list names, as a second Enter or a click on "=" would, with
// the completion pop-up open or not. With the pop-up open, Enter takes the item moved
// to, else the one the text names, else the first offered.
TEST(Keyboard, OneEnterAfterTypingInAListConverts)
{
    const TypedEnterCase cases[]{
        {"a unit item typed in full", IDC_LENGTH_UNIT, "Meter (m)", {}, "Meter (m)"},
        {"in another case", IDC_LENGTH_UNIT, "meter (M)", {}, "Meter (m)"},
        {"a decimals item", IDC_LENGTH_DECIMALS, "3", {}, "3"},
        {"the pop-up's first item moved to",
         IDC_LENGTH_UNIT,
         "Mi",
         {Qt::Key_Down},
         "Millimeter (mm)"},
        {"the pop-up's second item moved to",
         IDC_LENGTH_UNIT,
         "Mi",
         {Qt::Key_Down, Qt::Key_Down},
         "Micron"},
        {"the pop-up's first offer", IDC_LENGTH_UNIT, "fo", {}, "Foot (ft)"},
        {"the first offer of a name half typed", IDC_LENGTH_UNIT, "Mete", {}, "Meter (m)"},
        {"a name the text spells, though offered second", IDC_LENGTH_UNIT, "mi", {}, "Mile (mi)"},
    };
    MessageRecorder recorder;
    RunStartUp([&](CTessaralDlg& sheet) {
        CPropertyPage& page = ShowTab(sheet, kLengthTab);
        for (const TypedEnterCase& c : cases) {
            ChooseItem(page, IDC_LENGTH_UNIT, "Foot (ft)");
            ChooseItem(page, IDC_LENGTH_DECIMALS, "2");
            TypeInto(page, IDC_LENGTH_VALUE, "3");
            ClickButton(page, IDC_LENGTH_EQUALS);
            const QString before = ShownText(page, IDC_LENGTH_VALUES);

            TypeInto(page, IDC_LENGTH_VALUE, "7");
            TypeIntoList(page, c.list, c.typed);
            auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(c.list));
            EXPECT_TRUE(list->completer()->popup()->isVisible()) << c.what;
            for (const Qt::Key key : c.inPopup) {
                PressKey(sheet, key);
            }
            PressKey(sheet, Qt::Key_Return);
            EXPECT_FALSE(list->completer()->popup()->isVisible()) << c.what;
            const QString afterEnter = ShownText(page, IDC_LENGTH_VALUES);
            if (c.picked.isEmpty()) {
                // No unit: no results beside inputs that give none.
                EXPECT_EQ(afterEnter, "") << c.what;
                EXPECT_EQ(list->currentText(), c.typed) << c.what;
                continue;
            }
            EXPECT_EQ(list->currentText(), c.picked) << c.what;
            // "=" again with the same inputs shows what the one Enter did.
            ClickButton(page, IDC_LENGTH_EQUALS);
            EXPECT_EQ(afterEnter, ShownText(page, IDC_LENGTH_VALUES)) << c.what;
            EXPECT_NE(afterEnter, before) << c.what;
        }
    });
    EXPECT_TRUE(recorder.messages.empty());
}

struct NameCase {
    int tab;
    const char* typed;
    const char* picked;
};

// A unit list takes every name its units answer to in a query: the name typed and one
// Enter pick its item and convert, as picking the item by hand and "=" do.
TEST(Keyboard, AUnitListTakesEveryNameOfItsUnits)
{
    const NameCase cases[]{
        {kLengthTab, "ft", "Foot (ft)"},
        {kLengthTab, "feet", "Foot (ft)"},
        {kLengthTab, "foot", "Foot (ft)"},
        {kLengthTab, "m", "Meter (m)"},
        {kLengthTab, "mi", "Mile (mi)"},
        {kLengthTab, "µm", "Micron"},
        {kLengthTab, "Å", "Angstrom"},
        {kLengthTab, " INCHES ", "Inch (in)"},
        {kWeightTab, "kg", "Kilogram (kg)"},
        {kWeightTab, "kilograms", "Kilogram (kg)"},
        {kTemperatureTab, "celsius", "Celsius (°C)"},
        {kTemperatureTab, "°F", "Farenheit (°F)"},
        {kTemperatureTab, "K", "Kelvin (K)"},
    };
    MessageRecorder recorder;
    RunStartUp([&](CTessaralDlg& sheet) {
        // A new value each time, so that results left from the case before differ.
        int value = 2;
        for (const NameCase& c : cases) {
            CPropertyPage& page = ShowTab(sheet, c.tab);
            const int unit = UnitList(page);
            auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(unit));
            ChooseItem(page, unit, list->itemText(list->count() - 1));
            TypeInto(page, ValueBox(page), QString::number(value++));
            TypeIntoList(page, unit, QString::fromUtf8(c.typed));
            PressKey(sheet, Qt::Key_Return);
            EXPECT_EQ(list->currentText(), QString::fromUtf8(c.picked)) << c.typed;
            const QString typed = ShownText(page, ValuesBox(page));

            ChooseItem(page, unit, QString::fromUtf8(c.picked));
            ClickButton(page, FirstControl(page, ControlKind::PushButton));
            EXPECT_EQ(typed, ShownText(page, ValuesBox(page))) << c.typed;
            EXPECT_FALSE(typed.isEmpty()) << c.typed;
        }
    });
    EXPECT_TRUE(recorder.messages.empty());
}

struct OfferCase {
    int tab;
    const char* typed;
    std::vector<const char*> offered;  // in the list's order
};

// The completion pop-up offers each item once for every name of it that begins with
// what is typed, the item itself shown ("fe" offers Foot, for "feet"), in the list's
// order, and closes when nothing begins so.
TEST(Keyboard, TheCompletionPopUpOffersEachNamedItemOnce)
{
    const OfferCase cases[]{
        {kLengthTab, "f", {"Foot (ft)"}},
        {kLengthTab, "FE", {"Foot (ft)"}},
        {kLengthTab, "mi", {"Millimeter (mm)", "Micron", "Mile (mi)"}},
        {kLengthTab, "met", {"Meter (m)"}},
        {kLengthTab, "µ", {"Micron"}},
        {kLengthTab, "furlong", {}},
        {kTemperatureTab, "deg", {"Celsius (°C)", "Farenheit (°F)"}},
    };
    RunStartUp([&](CTessaralDlg& sheet) {
        for (const OfferCase& c : cases) {
            CPropertyPage& page = ShowTab(sheet, c.tab);
            auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(UnitList(page)));
            TypeIntoList(page, UnitList(page), QString::fromUtf8(c.typed));
            QStringList expected;
            for (const char* item : c.offered) {
                expected.append(QString::fromUtf8(item));
            }
            QStringList offered;
            const QAbstractItemModel* shown = list->completer()->completionModel();
            for (int row = 0; row < shown->rowCount(); ++row) {
                offered.append(shown->index(row, 0).data().toString());
            }
            EXPECT_EQ(offered, expected) << c.typed;
            EXPECT_EQ(list->completer()->popup()->isVisible(), !expected.isEmpty()) << c.typed;
            list->completer()->popup()->hide();
        }
    });
}

}  // namespace
