// "Copy Table" in the context menu of the result boxes: a right-click on either box
// offers it beside the usual entries, and it puts the whole table on the clipboard as
// "value<TAB>unit" lines (Temperature's formulas after them), ready for a spreadsheet.
// Under Xvfb (QT_QPA_PLATFORM=xcb, see tests/CMakeLists.txt) the clipboard is read back
// by another X client, xclip, as a spreadsheet would; elsewhere through QClipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "framework/copy_table.h"
#include "pages/chem/periodic.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;

// The clipboard as another program reads it: xclip on X11, while this process keeps
// serving its selection; QClipboard on a platform with no other clients.
QString Clipboard()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return QApplication::clipboard()->text();
    }
    const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
    if (xclip.isEmpty()) {
        ADD_FAILURE() << "xclip is missing: install the test packages (scripts/packages.sh)";
        return {};
    }
    QProcess reader;
    QEventLoop loop;
    QObject::connect(&reader, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    reader.start(xclip, {"-o", "-selection", "clipboard"});
    loop.exec();
    EXPECT_EQ(reader.state(), QProcess::NotRunning) << "xclip did not finish";
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// Right-clicks the box and reports the entries of the menu that opens; triggers the
// entry `choose` when it is there and enabled, and closes the menu either way.
QStringList RightClick(QWidget* box, const QString& choose)
{
    QStringList entries;
    // Ends with this call, and the timer with it when no menu opened.
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        auto* menu = qobject_cast<QMenu*>(popup);
        if (menu == nullptr) {
            return;
        }
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                entries.push_back(action->text().section('\t', 0, 0).remove('&'));
            }
            if (action->text() == choose && action->isEnabled()) {
                chosen = action;
            }
        }
        menu->close();
        if (chosen != nullptr) {
            chosen->trigger();
        }
    });
    auto* area = qobject_cast<QPlainTextEdit*>(box);
    QWidget* target = area != nullptr ? area->viewport() : box;
    const QPoint pos(4, 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    return entries;
}

// What the boxes show, joined line by line as a person would type it into a sheet.
QString SideBySide(CPropertyPage& page, int values, int units)
{
    const QStringList left = ShownText(page, values).split('\n', Qt::SkipEmptyParts);
    const QStringList right = ShownText(page, units).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(left.size(), right.size());
    QString table;
    for (qsizetype i = 0; i < left.size(); ++i) {
        table += left[i] + '\t' + right.value(i) + '\n';
    }
    return table;
}

struct TableCase {
    int tab;
    int value, unit, equals, values, units;
    const char* amount;
    const char* unitItem;
    const char* someLine;  // one line the table must hold
};

TEST(CopyTable, EitherResultBoxCopiesTheWholeTable)
{
    const TableCase cases[]{
        {0, IDC_ANGLE_VALUE, IDC_ANGLE_UNIT, IDC_ANGLE_EQUALS, IDC_ANGLE_VALUES, IDC_ANGLE_NAMES,
         "90", "Degrees", "5400.00000\tMinutes\n"},
        {kLengthTab, IDC_LENGTH_VALUE, IDC_LENGTH_UNIT, IDC_LENGTH_EQUALS, IDC_LENGTH_VALUES,
         IDC_LENGTH_NAMES, "3", "Foot (ft)", "0.91440\tMeter (m)\n"},
    };
    RunStartUp([&](CTessaralDlg& sheet) {
        for (const TableCase& c : cases) {
            SCOPED_TRACE(c.unitItem);
            CPropertyPage& page = ShowTab(sheet, c.tab);
            TypeInto(page, c.value, c.amount);
            ChooseItem(page, c.unit, c.unitItem);
            ClickButton(page, c.equals);
            const QString expected = SideBySide(page, c.values, c.units);
            EXPECT_TRUE(expected.contains(c.someLine)) << expected.toStdString();
            for (const int box : {c.values, c.units}) {
                QApplication::clipboard()->clear();
                const QStringList entries = RightClick(page.GetDlgItem(box), "Copy Table");
                // The usual entries stay.
                EXPECT_TRUE(entries.contains("Copy")) << entries.join('|').toStdString();
                EXPECT_TRUE(entries.contains("Select All")) << entries.join('|').toStdString();
                EXPECT_EQ(entries.back(), "Copy Table");
                EXPECT_EQ(Clipboard().toStdString(), expected.toStdString());
            }
        }
    });
}

TEST(CopyTable, TemperatureCopiesItsFormulasAfterTheTable)
{
    RunStartUp([](CTessaralDlg& sheet) {
        CPropertyPage& page = ShowTab(sheet, kTemperatureTab);
        TypeInto(page, IDC_TEMPERATURE_VALUE, "100");
        ChooseItem(page, IDC_TEMPERATURE_UNIT, "Celsius (°C)");
        ClickButton(page, IDC_TEMPERATURE_EQUALS);
        QString expected = SideBySide(page, IDC_TEMPERATURE_VALUES, IDC_TEMPERATURE_NAMES);
        for (const QString& line : ShownText(page, IDC_TEMPERATURE_FORMULA).split('\n')) {
            expected += line + '\n';
        }
        EXPECT_TRUE(expected.startsWith("212.000\tFarenheit(°F)\n")) << expected.toStdString();
        for (const int box : {IDC_TEMPERATURE_VALUES, IDC_TEMPERATURE_NAMES}) {
            QApplication::clipboard()->clear();
            RightClick(page.GetDlgItem(box), "Copy Table");
            EXPECT_EQ(Clipboard().toStdString(), expected.toStdString());
        }
    });
}

// Before "=" the boxes are empty: the entry is there but there is nothing to copy.
TEST(CopyTable, NothingToCopyBeforeAConversion)
{
    RunStartUp([](CTessaralDlg& sheet) {
        CPropertyPage& page = ShowTab(sheet, kLengthTab);
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        const QStringList entries = RightClick(page.GetDlgItem(IDC_LENGTH_VALUES), "Copy Table");
        EXPECT_EQ(entries.back(), "Copy Table");
        EXPECT_EQ(Clipboard(), "kept");
        // A box that is no result box has only its usual menu.
        EXPECT_EQ(framework::TableMenu(page.GetDlgItem(IDC_LENGTH_VALUE), QPoint()), nullptr);
    });
}

TEST(CopyTable, ThePeriodicTableCopiesTheElementsFields)
{
    PageInSheet host{"periodic"};
    CPropertyPage& page = host.page();
    ChooseItem(page, IDC_PERIODIC_ELEMENT, "Fe");
    QApplication::clipboard()->clear();
    RightClick(page.GetDlgItem(IDC_PERIODIC_ATOMIC_MASS), "Copy Table");
    const QStringList lines = Clipboard().split('\n');
    ASSERT_EQ(lines.size(), 9) << lines.join('|').toStdString();
    EXPECT_EQ(lines[0], "Name\t" + ShownText(page, IDC_PERIODIC_NAME));
    EXPECT_EQ(lines[3].section('\t', 1), ShownText(page, IDC_PERIODIC_ATOMIC_MASS));
    EXPECT_EQ(lines[7].section('\t', 1), ShownText(page, IDC_PERIODIC_DISTRIBUTION));
    EXPECT_EQ(lines[8], "");
}

// The joining itself: columns of unequal length, line ends of either kind, fields whose
// text breaks, empty boxes.
TEST(CopyTable, TableTextJoinsLinesColumnsFieldsAndNotes)
{
    using framework::TableText;
    EXPECT_EQ(TableText({{"1\r\n2\r\n", "a\r\nb\r\n"}, {}, {}}), "1\ta\n2\tb\n");
    EXPECT_EQ(TableText({{"1\n2\n3", "a\n"}, {}, {"f1\nf2"}}), "1\ta\n2\t\n3\t\nf1\nf2\n");
    EXPECT_EQ(TableText({{}, {{"Name", "Iron"}, {"Shells", "2\n8\n"}}, {}}),
              "Name\tIron\nShells\t2 8\n");
    EXPECT_EQ(TableText({{"", "\r\n"}, {{"Name", ""}}, {"\n"}}), "");
}

}  // namespace
