// How the window looks on other screens and themes: scaled to 200 % it is drawn at
// twice the pixels, not blown up; in a dark palette its logo and headings still show;
// every text is whole, and a number too long for its box shows that it is cut.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTransform>
#include <algorithm>
#include <cstdlib>
#include "framework/tab_ctrl.h"

#include "framework/property_page.h"
#include "pages/convert/converter_templates.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;

// The heading picture of the current page, in the sheet's coordinates.
QRect HeadingRect(CTessaralDlg& sheet)
{
    for (auto* label : sheet.GetActivePage()->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            return {label->mapTo(&sheet, QPoint(0, 0)), label->size()};
        }
    }
    return {};
}

// Where the logo text is painted: from the tabs' left edge to the hidden OK button's
// right edge, in the row of the buttons.
QRect LogoRect(CTessaralDlg& sheet)
{
    const QRect row = sheet.ButtonRow();
    return {row.topLeft(), QPoint(sheet.GetDlgItem(IDOK)->geometry().right(), row.bottom())};
}

// The share of aligned 2 x 2 pixel blocks within area that are not one colour. A
// picture blown up from half the pixels without smoothing has none.
double DetailShare(const QImage& image, const QRect& area)
{
    int blocks = 0;
    int detailed = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            ++blocks;
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p) {
                ++detailed;
            }
        }
    }
    return blocks == 0 ? 0.0 : static_cast<double>(detailed) / blocks;
}

int Difference(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// How many pixels of area differ sharply from their right-hand neighbour, as at the
// edge of a letter. A picture blown up with smoothing spreads each such step over two
// pixels and has almost none left.
int SharpSteps(const QImage& image, const QRect& area)
{
    int steps = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x < area.right(); ++x) {
            if (Difference(image.pixelColor(x, y), image.pixelColor(x + 1, y)) >= 128) {
                ++steps;
            }
        }
    }
    return steps;
}

// Drawn anew at twice the pixels, area has about twice the sharp steps it has at
// 100 % (edges twice as long, each still one pixel wide) and few one-colour blocks.
testing::AssertionResult DrawnSharp(const QImage& large, const QImage& normal, const QRect& area)
{
    const QRect twice = QTransform::fromScale(2, 2).mapRect(area);
    const int steps = SharpSteps(large, twice);
    const int normalSteps = SharpSteps(normal, area);
    const double detail = DetailShare(large, twice);
    if (normalSteps > 0 && steps >= normalSteps * 3 / 2 && detail > 0.05) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << steps << " sharp steps at 200 % against " << normalSteps
                                       << " at 100 %, " << detail << " of the blocks detailed";
}

// What the process that TwiceTheSizeAndSharp starts at 200 % runs: the window, grabbed
// into the file VELKARI_GRAB names. It is a test of that process only, registered when
// the variable is set, so that the suite's own list never shows it.
class GrabAt200Percent : public testing::Test {
public:
    void TestBody() override
    {
        RunStartUp([](CTessaralDlg& sheet) {
            EXPECT_EQ(sheet.devicePixelRatio(), 2.0);
            const QPixmap grab = sheet.grab();
            EXPECT_EQ(grab.devicePixelRatio(), 2.0);
            EXPECT_TRUE(grab.save(qEnvironmentVariable("VELKARI_GRAB")));
        });
    }
};

[[maybe_unused]] const bool kGrabRegistered =
    qEnvironmentVariableIsSet("VELKARI_GRAB") &&
    testing::RegisterTest("ScreenScale", "GrabAt200Percent", nullptr, nullptr, __FILE__, __LINE__,
                          []() -> testing::Test* { return new GrabAt200Percent; }) != nullptr;

TEST(ScreenScale, TwiceTheSizeAndSharp)
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        GTEST_SKIP() << "compares with a 100 % window";
    }
    QImage normal;
    QRect heading;
    RunStartUp([&](CTessaralDlg& sheet) {
        ASSERT_EQ(sheet.devicePixelRatio(), 1.0);
        normal = sheet.grab().toImage();
        heading = HeadingRect(sheet);
    });
    ASSERT_FALSE(heading.isEmpty());

    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("200.png"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    environment.insert(QStringLiteral("VELKARI_GRAB"), file);
    QProcess scaled;
    scaled.setProcessEnvironment(environment);
    scaled.setProcessChannelMode(QProcess::MergedChannels);
    scaled.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=ScreenScale.GrabAt200Percent")});
    ASSERT_TRUE(scaled.waitForFinished(120000));
    ASSERT_EQ(scaled.exitCode(), 0) << scaled.readAll().toStdString();

    const QImage large(file);
    EXPECT_EQ(large.size(), normal.size() * 2);
    EXPECT_TRUE(DrawnSharp(large, normal, heading)) << "the heading picture";
    EXPECT_TRUE(DrawnSharp(large, normal, normal.rect())) << "the whole window";
}

// Pixels of area that stand out from the background by at least contrast (in 0..255
// on the strongest of red, green and blue), lighter and darker ones counted apart.
struct StandOut {
    int lighter = 0;
    int darker = 0;
};

StandOut CountStandOut(const QImage& image, const QRect& area, QColor background, int contrast)
{
    StandOut count;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (Difference(c, background) >= contrast) {
                (c.lightness() > background.lightness() ? count.lighter : count.darker) += 1;
            }
        }
    }
    return count;
}

// The embossed logo shows a light and a dark edge against the window's own colour and
// the heading's and the tabs' words stand out plainly, in a light palette and in a dark
// one.
TEST(Themes, LogoAndHeadingShowInLightAndDarkPalettes)
{
    const std::pair<const char*, QPalette> palettes[]{
        {"light", QApplication::style()->standardPalette()},
        {"dark", QPalette(QColor(0x35, 0x35, 0x35))},
    };
    for (const auto& c : palettes) {
        RunStartUp([&](CTessaralDlg& sheet) {
            sheet.setPalette(c.second);
            const QImage image = sheet.grab().toImage();
            const QColor background = c.second.color(QPalette::Window);

            const StandOut logo = CountStandOut(image, LogoRect(sheet), background, 16);
            EXPECT_GT(logo.lighter, 50) << c.first;
            EXPECT_GT(logo.darker, 50) << c.first;
            const StandOut heading = CountStandOut(image, HeadingRect(sheet), background, 128);
            EXPECT_GT(heading.lighter + heading.darker, 100) << c.first;
            const StandOut tabs =
                CountStandOut(image, sheet.GetTabControl()->geometry(), background, 128);
            EXPECT_GT(tabs.lighter + tabs.darker, 1000) << c.first << ": the tabs' captions";
        });
    }
}

// What of a control's text does not fit its box, or an empty text when all of it does.
// Widths come from the control's own font metrics; a heading is a picture of its words,
// so there it is the picture's size and its last column, which no letter may reach.
QString CutText(QWidget* control)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (!label->pixmap().isNull()) {
            const QImage picture = label->pixmap().toImage();
            const QSize logical = (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
            bool inkAtEdge = false;
            for (int y = 0; y < picture.height(); ++y) {
                inkAtEdge = inkAtEdge || qAlpha(picture.pixel(picture.width() - 1, y)) != 0;
            }
            const bool fits = logical.width() <= label->width() && !inkAtEdge;
            return fits ? QString() : label->accessibleName();
        }
        if (label->wordWrap()) {
            return label->heightForWidth(label->width()) <= label->height() ? QString()
                                                                            : label->text();
        }
        return metrics.horizontalAdvance(label->text()) <= label->contentsRect().width()
                   ? QString()
                   : label->text();
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        return box->sizeHint().width() <= box->width() ? QString() : box->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        return metrics.horizontalAdvance(button->text()) < button->width() ? QString()
                                                                           : button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        return metrics.horizontalAdvance(group->title()) < group->width() ? QString()
                                                                          : group->title();
    }
    return {};
}

QStringList CutTexts(QWidget& page)
{
    QStringList cut;
    for (auto* control : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (const QString text = CutText(control); !text.isEmpty() && control->isVisible()) {
            cut.append(text);
        }
    }
    return cut;
}

// Every caption, label and heading of every page shows whole, at whatever scale the
// suite runs (ctest runs this test at 125, 150 and 200 % too).
TEST(ScreenScale, EveryTextOfEveryPageIsWhole)
{
    RunStartUp([&](CTessaralDlg& sheet) {
        for (int tab = 0; tab < sheet.GetTabControl()->count(); ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            EXPECT_EQ(CutTexts(page), QStringList()) << page.Title().toStdString();
        }
    });
    for (const char* className : {"periodic", "chem", "MISC"}) {
        PageInSheet host(className);
        EXPECT_EQ(CutTexts(host.page()), QStringList()) << className;
    }
}

// A number too long for its box is never cut silently: the whole of it is the box's
// tool tip, an ellipsis marks the end it runs past, and a results box that a line runs
// out of scrolls sideways. The boxes keep their sizes.
TEST(LongTexts, ShowWhereTheyAreCutAndCanBeReadWhole)
{
    PageInSheet host("temperature");
    CPropertyPage& page = host.page();
    QWidget* value = page.GetDlgItem(IDC_TEMPERATURE_VALUE);
    QWidget* values = page.GetDlgItem(IDC_TEMPERATURE_VALUES);
    const QSize valueSize = value->size();
    const QSize valuesSize = values->size();

    TypeInto(page, IDC_TEMPERATURE_VALUE, "3");
    ChooseItem(page, IDC_TEMPERATURE_UNIT, "Kelvin (K)");
    ClickButton(page, IDC_TEMPERATURE_EQUALS);
    EXPECT_EQ(value->toolTip(), "") << "a short number fits";

    TypeInto(page, IDC_TEMPERATURE_VALUE, "1e300");
    ClickButton(page, IDC_TEMPERATURE_EQUALS);
    EXPECT_EQ(value->toolTip(), "1e+300");
    EXPECT_EQ(value->size(), valueSize);
    EXPECT_EQ(values->size(), valuesSize);
    const auto* results = qobject_cast<QAbstractScrollArea*>(values);
    ASSERT_NE(results, nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(results->horizontalScrollBar()->isVisible());
    EXPECT_GT(results->horizontalScrollBar()->maximum(), 0);

    // The ellipsis: where the text runs past the right end, the last characters are
    // covered by the mark, so two long texts alike in length but not in digits look
    // alike there.
    auto* box = qobject_cast<QLineEdit*>(value);
    ASSERT_NE(box, nullptr);
    const auto rightEnd = [&](const QString& text) {
        box->setText(text);
        box->setCursorPosition(0);
        const QImage image = box->grab().toImage();
        const int mark = box->fontMetrics().horizontalAdvance(QChar(0x2026));
        return image.copy(QRect(image.width() - mark, 0, mark, image.height()));
    };
    EXPECT_EQ(rightEnd(QString(40, '1')), rightEnd(QString(40, '8')));
}

// The results of every converter tab are shown whole, one line a unit, with no scroll
// bar beside them: the boxes are as tall as their lines.
TEST(Results, EveryTabShowsItsLinesWithoutScrolling)
{
    RunStartUp([](CTessaralDlg& sheet) {
        MessageRecorder recorder;
        int tabs = 0;
        for (int tab = 0; tab < sheet.GetPageCount(); ++tab) {
            CPropertyPage& page = ShowTab(sheet, tab);
            const pages::UnitControls* controls = pages::UnitControlsOf(page.Title().toStdString());
            if (controls == nullptr) {
                continue;  // About
            }
            ++tabs;
            SCOPED_TRACE(page.Title().toStdString());
            auto* unit = qobject_cast<QComboBox*>(page.GetDlgItem(controls->unit));
            ASSERT_NE(unit, nullptr);
            TypeInto(page, controls->value, "1");
            ChooseItem(page, controls->unit, unit->itemText(0));
            ClickButton(page, controls->equals);
            ASSERT_TRUE(recorder.messages.empty());
            for (const char* name : {"Converted values", "Units"}) {
                const auto boxes = page.findChildren<QPlainTextEdit*>();
                const auto box = std::find_if(boxes.begin(), boxes.end(), [&](auto* b) {
                    return b->accessibleName() == QLatin1String(name);
                });
                ASSERT_NE(box, boxes.end()) << name;
                ASSERT_FALSE((*box)->toPlainText().isEmpty()) << name;
                EXPECT_EQ((*box)->verticalScrollBar()->maximum(), 0) << name;
            }
        }
        EXPECT_EQ(tabs, 16);
    });
}

}  // namespace
