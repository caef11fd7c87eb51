// velkari --convert QUERY: the window opens on the query's tab with the value typed,
// its unit picked and "=" pressed, as by hand; a query it cannot show is said once, in
// the pages' message box, over the window as it normally opens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "convert/query.h"
#include "framework/app_resources.h"
#include "framework/command_line.h"
#include "framework/message_box.h"
#include "framework/tab_ctrl.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;
using framework::ControlKind;

// Reads the arguments as the program reads its command line, then runs its start-up;
// check gets the window once the start's own work on it is done.
void StartWith(std::vector<const char*> args, const std::function<void(CTessaralDlg&)>& check)
{
    args.insert(args.begin(), "velkari");
    const std::optional<int> ends =
        framework::HandleCommandLine(framework::GetAppResources().program,
                                     static_cast<int>(args.size()), args.data(), stdout, stderr);
    ASSERT_EQ(ends, std::nullopt);
    RunStartUp([&](CTessaralDlg& sheet) {
        QApplication::processEvents();
        check(sheet);
    });
}

// What a page shows: its value box, unit list, values and labels.
struct Shown {
    QString tab;
    QString value;
    QString unit;
    QString values;
    QString labels;
    bool operator==(const Shown&) const = default;
};

Shown ShownOn(CTessaralDlg& sheet)
{
    CPropertyPage& page = *sheet.GetActivePage();
    const int values = FirstControl(page, ControlKind::Edit, framework::kMultiLine);
    int labels = -1;
    for (const framework::ControlTemplate& control : TemplateOf(page).controls) {
        if (control.kind == ControlKind::Edit && (control.style & framework::kMultiLine) != 0 &&
            control.id != values && labels < 0) {
            labels = control.id;
        }
    }
    return {sheet.GetTabControl()->tabText(sheet.GetActiveIndex()),
            ShownText(page, FirstControl(page, ControlKind::Edit)),
            ShownText(page, FirstControl(page, ControlKind::ComboBox)), ShownText(page, values),
            ShownText(page, labels)};
}

void PrintTo(const Shown& shown, std::ostream* os)
{
    *os << shown.tab.toStdString() << ": '" << shown.value.toStdString() << "' "
        << shown.unit.toStdString() << "\n"
        << shown.values.toStdString() << "--\n"
        << shown.labels.toStdString();
}

struct QueryCase {
    std::vector<const char*> args;
    const char* tab;
    const char* value;  // what a person types
    const char* unit;   // and picks: the item that begins so
};

// Each query opens its tab showing what typing its value, picking its unit and pressing
// "=" there by hand shows, the written-back value included.
TEST(ConvertOption, OpensTheQuerysTabAsIfConvertedByHand)
{
    const QueryCase cases[]{
        {{"--convert", "3", "ft", "to", "m"}, "Length", "3", "Foot (ft)"},
        {{"--convert", "3 ft to m"}, "Length", "3", "Foot (ft)"},
        {{"--convert=3ft", "in", "m"}, "Length", "3", "Foot (ft)"},
        {{"--convert", "5", "ft", "6", "in"}, "Length", "66", "Inch (in)"},
        {{"--convert", "350F"}, "Temperature", "350", "Farenheit"},
        {{"--convert", "-40", "C"}, "Temperature", "-40", "Celsius"},
        {{"--convert", "2.5", "kg"}, "Weight", "2.5", "Kilogram"},
        {{"--convert", "1 1/2 cups"}, "Cooking", "1.5", "Cup"},
        {{"--convert", "2", "l"}, "Volume", "2", "Liter (l)"},
        {{"--convert", "90°"}, "Angle", "90", "Degrees"},
    };
    MessageRecorder recorder;
    for (const QueryCase& c : cases) {
        StartWith(c.args, [&](CTessaralDlg& sheet) {
            const Shown started = ShownOn(sheet);
            EXPECT_EQ(started.tab, c.tab) << c.args[1];
            CPropertyPage& page = *sheet.GetActivePage();
            const int unit = FirstControl(page, ControlKind::ComboBox);
            auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(unit));
            ChooseItem(page, unit, list->itemText(0));
            TypeInto(page, FirstControl(page, ControlKind::Edit), "0");
            ClickButton(page, FirstControl(page, ControlKind::PushButton));

            const int item = list->findText(c.unit, Qt::MatchStartsWith);
            ASSERT_GE(item, 0) << c.unit;
            ChooseItem(page, unit, list->itemText(item));
            TypeInto(page, FirstControl(page, ControlKind::Edit), c.value);
            ClickButton(page, FirstControl(page, ControlKind::PushButton));
            EXPECT_EQ(started, ShownOn(sheet)) << c.args[1];
        });
    }
    EXPECT_TRUE(recorder.messages.empty());
}

// The units a query asks for stand out: their line is selected in both result boxes,
// scrolled into sight, on a factor-table tab and on Temperature alike.
TEST(ConvertOption, MarksTheUnitAskedFor)
{
    struct MarkCase {
        std::vector<const char*> args;
        const char* value;
        const char* label;
    };
    const MarkCase cases[]{
        {{"--convert", "5", "km", "to", "miles"}, "3.10686", "Mile (mi)"},
        {{"--convert", "100 C in K"}, "373.150", "Kelvin(K)"},
    };
    MessageRecorder recorder;
    for (const MarkCase& c : cases) {
        StartWith(c.args, [&](CTessaralDlg& sheet) {
            CPropertyPage& page = *sheet.GetActivePage();
            QList<QPlainTextEdit*> boxes;
            for (const framework::ControlTemplate& control : TemplateOf(page).controls) {
                if (control.kind == ControlKind::Edit &&
                    (control.style & framework::kMultiLine) != 0 && boxes.size() < 2) {
                    boxes.append(qobject_cast<QPlainTextEdit*>(page.GetDlgItem(control.id)));
                }
            }
            ASSERT_EQ(boxes.size(), 2);
            QStringList selected{boxes[0]->textCursor().selectedText(),
                                 boxes[1]->textCursor().selectedText()};
            selected.sort();
            QStringList expected{c.value, c.label};
            expected.sort();
            EXPECT_EQ(selected, expected) << c.args[1];
        });
    }
    EXPECT_TRUE(recorder.messages.empty());
}

// Every converter tab is reached by a query naming one of its units by its item.
TEST(ConvertOption, EveryConverterTabIsReached)
{
    constexpr int kConverterTabs = 16;
    std::vector<std::pair<QString, QString>> tabsAndItems;  // the tab, its first item
    RunStartUp([&](CTessaralDlg& sheet) {
        for (int tab = 0; tab < kConverterTabs; ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            const auto* list = qobject_cast<QComboBox*>(
                page.GetDlgItem(FirstControl(page, ControlKind::ComboBox)));
            tabsAndItems.emplace_back(sheet.GetTabControl()->tabText(tab), list->itemText(0));
        }
    });
    MessageRecorder recorder;
    for (const auto& [tab, item] : tabsAndItems) {
        const QByteArray query = ("1 " + item).toUtf8();
        const auto parsed = convert::ParseQuery(query.toStdString());
        ASSERT_TRUE(std::holds_alternative<convert::ParsedQuery>(parsed)) << query.data();
        if (!std::get<convert::ParsedQuery>(parsed).preference.empty()) {
            continue;  // a name of two tabs: the other one is shown
        }
        StartWith({"--convert", query.constData()}, [&](CTessaralDlg& sheet) {
            EXPECT_EQ(sheet.GetTabControl()->tabText(sheet.GetActiveIndex()), tab);
            EXPECT_EQ(ShownOn(sheet).unit, item);
            EXPECT_NE(ShownOn(sheet).values, "") << query.data();
        });
    }
    EXPECT_TRUE(recorder.messages.empty());
}

// A refused query: the window on its usual first tab, nothing converted, and the core's
// sentence for the refusal in one message box; the next start says nothing.
TEST(ConvertOption, AQueryTheWindowCannotShowIsSaidOnce)
{
    int usualTab = -1;
    RunStartUp([&](CTessaralDlg& sheet) { usualTab = sheet.GetActiveIndex(); });
    for (const char* query : {"3 fet", "firefox", "3 ft to kg", "-5 K to C"}) {
        const auto parsed = convert::ParseQuery(query);
        ASSERT_TRUE(std::holds_alternative<convert::QueryRefusal>(parsed)) << query;
        const QString expected =
            QStringLiteral("\"%1\" cannot be converted: %2")
                .arg(query,
                     QString::fromStdString(std::get<convert::QueryRefusal>(parsed).message));

        MessageRecorder recorder;
        StartWith({"--convert", query}, [&](CTessaralDlg& sheet) {
            EXPECT_EQ(sheet.GetActiveIndex(), usualTab) << query;
            EXPECT_EQ(ShownOn(sheet).values, "") << query;
            QApplication::processEvents();
        });
        RunStartUp([](CTessaralDlg&) { QApplication::processEvents(); });
        ASSERT_EQ(recorder.messages.size(), 1U) << query;
        EXPECT_EQ(recorder.messages[0].text, expected);
        EXPECT_EQ(recorder.messages[0].caption, "Velkari Unit Converter");
        EXPECT_EQ(recorder.messages[0].type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    }
}

// The real message box shows its text as written: a refused query quotes what came
// from outside the program (a desktop search passes what was typed there), never read
// as markup.
TEST(ConvertOption, TheMessageBoxShowsAQuotedQueryAsWritten)
{
    const QString text = QStringLiteral("\"<b>3</b> <i>ft</i>\" cannot be converted");
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            format = box->textFormat();
            box->accept();
        }
    });
    closer.start(10);
    framework::MessageBox(nullptr, text, QStringLiteral("Velkari Unit Converter"),
                          MB_ICONEXCLAMATION | MB_OK);
    EXPECT_EQ(shown, text);
    EXPECT_EQ(format, Qt::PlainText);
}

}  // namespace
