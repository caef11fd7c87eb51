// What the window is given at start-up without a search or a file: its fonts, chosen
// among the installed families, and its icon, compiled in.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <string>

#include "framework/app_resources.h"
#include "framework/dialog_builder.h"
#include "framework/fonts.h"
#include "framework/win_app.h"
#include "res/icons.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;

QImage Pixels(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage Picture(const char* file)
{
    return Pixels(QImage(QStringLiteral(VELKARI_ICONS_DIR "/%1").arg(QLatin1String(file))));
}

QImage Compiled(const framework::CompiledIcon& icon)
{
    return QImage(reinterpret_cast<const uchar*>(icon.argb), icon.width, icon.height,
                  QImage::Format_ARGB32);
}

// Where two pictures first differ, as text; empty when they are the same.
std::string FirstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) {
        return QStringLiteral("sizes %1x%2 and %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height())
            .toStdString();
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return QStringLiteral("pixel %1,%2: %3 and %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16, QLatin1Char('0'))
                    .arg(b.pixel(x, y), 8, 16, QLatin1Char('0'))
                    .toStdString();
            }
        }
    }
    return {};
}

// Each program's compiled icon is its picture, pixel for pixel.
TEST(CompiledIcons, AreTheirPicturesPixelForPixel)
{
    const struct {
        const framework::CompiledIcon& icon;
        const char* picture;
    } cases[] = {{res::kConverterIcon, "128.png"},
                 {res::kChemistryIcon, "velkari-chemistry-48.png"}};
    for (const auto& [icon, picture] : cases) {
        SCOPED_TRACE(picture);
        const QImage expected = Picture(picture);
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(icon.id, IDR_MAINFRAME);
        EXPECT_EQ(FirstDifference(Compiled(icon), expected), "");
    }
    EXPECT_NE(FirstDifference(Compiled(res::kConverterIcon), Compiled(res::kChemistryIcon)), "");
}

// The window shows the converter's icon, from the pixels the program carries.
TEST(CompiledIcons, TheWindowShowsTheProgramsOwn)
{
    RunStartUp([](CTessaralDlg& sheet) {
        const QImage picture = Picture("128.png");
        ASSERT_EQ(sheet.windowIcon().availableSizes(), QList<QSize>{picture.size()});
        // A pixmap keeps its pixels premultiplied: a clear pixel has no colour left.
        const auto premultiplied = [](const QImage& image) {
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage shown = sheet.windowIcon().pixmap(picture.size()).toImage();
        EXPECT_EQ(FirstDifference(premultiplied(shown), premultiplied(picture)), "");
    });
}

// A family that is installed is kept in any case; one that is not stands for the
// installed family that draws the desktop's general font, so no use of it searches.
TEST(ChosenFamily, KeepsAnInstalledFamilyAndNamesOneThatIsNot)
{
    const QStringList installed = QFontDatabase::families();
    ASSERT_FALSE(installed.isEmpty());
    const QString general =
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    EXPECT_TRUE(installed.contains(general));
    const struct {
        QString asked;
        QString chosen;
    } cases[] = {
        {installed.first(), installed.first()},
        {installed.last(), installed.last()},
        {installed.first().toUpper(), installed.first().toUpper()},
        {QStringLiteral("No Such Family 5f2c"), general},
        {QStringLiteral("Another Missing Face"), general},
    };
    for (const auto& [asked, chosen] : cases) {
        SCOPED_TRACE(asked.toStdString());
        EXPECT_EQ(framework::ChosenFamily(asked), chosen);
        EXPECT_EQ(framework::ChosenFamily(asked), chosen);  // the same when asked again
    }
}

// The templates' font is an installed family, at its size, where its face is missing.
TEST(ChosenFamily, TheTemplatesFontIsAnInstalledFamily)
{
    RunStartUp([](CTessaralDlg& sheet) {
        const framework::DialogTemplate& page = TemplateOf(*sheet.GetPage(0));
        const QFont dialog = framework::DialogFont(page);
        EXPECT_EQ(QFontInfo(dialog).family(), dialog.family());
        EXPECT_EQ(QFontInfo(dialog).pointSize(), page.fontPoints);
    });
}

// The key as the keyboard delivers it, at once: to the open pop-up, else to the window's
// focus. No events are processed in between, so the window paints nothing meanwhile.
void PressAtOnce(CTessaralDlg& sheet, Qt::Key key)
{
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup != nullptr ? popup : sheet.focusWidget(), key);
}

// The unit lists' completion is made after the first paint. Keys pressed at the first
// turn of the event loop after the window is shown, before anything is painted, already
// find it: a name that only the completion knows ("gon", for Gradients) is offered, and
// the value typed, the name and one Enter convert, all through the window's own key
// handling.
TEST(DeferredCompletion, KeysAsSoonAsTheWindowIsShownFindIt)
{
    MessageRecorder recorder;
    bool madeBeforeTheKeys = true;
    QStringList offered;
    QString picked;
    QString converted;
    QString byEquals;
    QTimer::singleShot(0, [&] {
        auto* sheet = dynamic_cast<CTessaralDlg*>(QApplication::activeModalWidget());
        if (sheet == nullptr) {
            ADD_FAILURE() << "the window is not the active modal window";
            QApplication::closeAllWindows();
            return;
        }
        CPropertyPage& page = *sheet->GetPage(0);
        auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(IDC_ANGLE_UNIT));
        const auto made = [list] {
            return list->completer() != nullptr &&
                   list->completer()->completionMode() == QCompleter::UnfilteredPopupCompletion;
        };
        madeBeforeTheKeys = made();
        PressAtOnce(*sheet, Qt::Key_2);
        PressAtOnce(*sheet, Qt::Key_Tab);
        EXPECT_EQ(sheet->focusWidget(), list);
        for (const Qt::Key key : {Qt::Key_G, Qt::Key_O, Qt::Key_N}) {
            PressAtOnce(*sheet, key);
        }
        EXPECT_TRUE(made());
        if (made() && list->completer()->popup()->isVisible()) {
            const QAbstractItemModel* shown = list->completer()->popup()->model();
            for (int row = 0; row < shown->rowCount(); ++row) {
                offered.append(shown->index(row, 0).data().toString());
            }
        }
        PressAtOnce(*sheet, Qt::Key_Return);
        picked = list->currentText();
        converted = ShownText(page, IDC_ANGLE_VALUES);
        ClickButton(page, IDC_ANGLE_EQUALS);
        byEquals = ShownText(page, IDC_ANGLE_VALUES);
        static_cast<QAbstractButton*>(sheet->GetDlgItem(IDCANCEL))->click();
    });
    AfxGetApp()->InitInstance();
    EXPECT_FALSE(madeBeforeTheKeys);
    EXPECT_EQ(offered, QStringList{"Gradients"});
    EXPECT_EQ(picked, "Gradients");
    EXPECT_FALSE(converted.isEmpty());
    EXPECT_EQ(converted, byEquals);
    EXPECT_TRUE(recorder.messages.empty());
}

}  // namespace
