// Static texts turned into links: their colour, the underline that follows the pointer,
// their clicks, and what is left once their windows are gone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <vector>

#include "framework/message_map.h"
#include "sheet/Info.h"
#include "tests/support/page_driver.h"

namespace {

constexpr int kMail = 1001;
constexpr int kWeb = 1002;
constexpr int kPlain = 1003;

const QColor kDarkBlue(0, 0, 192);

// A dialog that records the ids of the clicks its controls report.
class Dialog : public QDialog {
public:
    std::vector<int> clicks;

    QLabel* AddStatic(int id, const QString& text, int y)
    {
        auto* label = new QLabel(text, this);
        label->setGeometry(10, y, 200, 20);
        framework::SetControlId(label, id);
        return label;
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == CommandEvent::EventType()) {
            clicks.push_back(static_cast<CommandEvent*>(event)->id());
            return true;
        }
        return QDialog::event(event);
    }
};

QStringList HyperlinkProperties(const QObject& window)
{
    QStringList names;
    for (const QByteArray& name : window.dynamicPropertyNames()) {
        if (name.startsWith("_Hyperlink_")) {
            names.append(QString::fromLatin1(name));
        }
    }
    return names;
}

// How many pixels of the rendered control are drawn in a clearly blue colour.
int BluePixels(QWidget& control)
{
    const QImage image = control.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.blue() > pixel.red() + 100 && pixel.blue() > pixel.green() + 100;
        }
    }
    return count;
}

void Enter(QWidget& control, QPoint at = {5, 5})
{
    QEnterEvent event(at, at, control.mapToGlobal(at));
    QApplication::sendEvent(&control, &event);
}

void Leave(QWidget& control)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&control, &event);
}

// Without mouse tracking a control sees moves only while a button is held down on it.
void DragTo(QWidget& control, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, at, control.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&control, &event);
}

class Hyperlinks : public ::testing::Test {
protected:
    Hyperlinks()
    {
        dialog->resize(240, 100);
        mail = dialog->AddStatic(kMail, "Questions: someone@example.com", 10);
        web = dialog->AddStatic(kWeb, "For more information: www.example.com", 40);
        plain = dialog->AddStatic(kPlain, "Written By: someone", 70);
        plainFont = plain->font();
    }
    ~Hyperlinks() override { delete dialog; }

    QPointer<Dialog> dialog = new Dialog;
    QLabel* mail;
    QLabel* web;
    QLabel* plain;
    QFont plainFont;
};

// One link is converted before the dialog is first shown, the other after.
TEST_F(Hyperlinks, TwoLinksHookTheirDialogOnceAndBothShowDarkBlue)
{
    ASSERT_EQ(MakeDlgItemHyperlink(dialog, kMail), TRUE);
    const QVariant hook = dialog->property("_Hyperlink_Original_Proc_");
    dialog->show();
    ASSERT_EQ(MakeDlgItemHyperlink(dialog, kWeb), TRUE);
    EXPECT_EQ(dialog->property("_Hyperlink_Original_Proc_"), hook);

    EXPECT_EQ(mail->palette().color(QPalette::WindowText), kDarkBlue);
    EXPECT_EQ(web->palette().color(QPalette::WindowText), kDarkBlue);
    EXPECT_EQ(plain->palette().color(QPalette::WindowText),
              dialog->palette().color(QPalette::WindowText));
    EXPECT_GT(BluePixels(*web), 0);
    EXPECT_EQ(BluePixels(*plain), 0);
    EXPECT_EQ(mail->font(), plainFont);
}

TEST_F(Hyperlinks, UnderlinedOnlyWhileThePointerIsOver)
{
    MakeDlgItemHyperlink(dialog, kMail);
    dialog->show();
    enum class Pointer { kEnter, kDrag, kLeave };
    struct Step {
        const char* what;
        Pointer pointer;
        QPoint at;
        bool underlined;
    };
    // clang-format off
    const Step steps[]{
        {"enter",        Pointer::kEnter, {5, 5},   true},
        {"drag inside",  Pointer::kDrag,  {20, 5},  true},
        {"drag outside", Pointer::kDrag,  {20, 60}, false},
        {"drag back in", Pointer::kDrag,  {20, 5},  true},
        {"leave",        Pointer::kLeave, {},       false},
        {"enter again",  Pointer::kEnter, {5, 5},   true},
    };
    // clang-format on
    for (const Step& step : steps) {
        switch (step.pointer) {
            case Pointer::kEnter:
                Enter(*mail, step.at);
                break;
            case Pointer::kDrag:
                DragTo(*mail, step.at);
                break;
            case Pointer::kLeave:
                Leave(*mail);
                break;
        }
        EXPECT_EQ(mail->font().underline(), step.underlined) << step.what;
        EXPECT_EQ(mail->palette().color(QPalette::WindowText), kDarkBlue) << step.what;
    }
    Leave(*mail);
    EXPECT_EQ(mail->font(), plainFont);
}

TEST_F(Hyperlinks, AClickReachesTheDialogAsTheLinksOwn)
{
    MakeDlgItemHyperlink(dialog, kWeb);
    dialog->show();
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(plain, Qt::LeftButton);
    EXPECT_EQ(dialog->clicks, std::vector<int>{kWeb});
}

TEST_F(Hyperlinks, DestroyingTheWindowsLeavesNothingBehind)
{
    MakeDlgItemHyperlink(dialog, kMail);
    MakeDlgItemHyperlink(dialog, kWeb);
    dialog->show();

    // What each window still carries once the module has seen it go.
    struct Remains {
        QStringList properties;
        bool underlined = true;
        QFont font;
    };
    const auto watch = [](QWidget* window, Remains& remains) {
        QObject::connect(window, &QObject::destroyed, [window, &remains] {
            remains = {HyperlinkProperties(*window), window->font().underline(), window->font()};
        });
    };
    Remains mailRemains, webRemains, dialogRemains;
    watch(mail, mailRemains);
    watch(web, webRemains);
    watch(dialog, dialogRemains);

    Enter(*mail);
    delete mail;
    EXPECT_EQ(mailRemains.properties, QStringList());
    EXPECT_FALSE(mailRemains.underlined);
    EXPECT_EQ(mailRemains.font, plainFont);

    // The dialog stays hooked for the links it still holds.
    EXPECT_TRUE(dialog->property("_Hyperlink_Original_Proc_").isValid());
    Enter(*web);
    EXPECT_TRUE(web->font().underline());
    EXPECT_EQ(web->palette().color(QPalette::WindowText), kDarkBlue);

    delete dialog;
    QApplication::processEvents();
    EXPECT_EQ(dialogRemains.properties, QStringList());
    EXPECT_EQ(webRemains.properties, QStringList());
    EXPECT_FALSE(webRemains.underlined);
}

// A second conversion while the pointer is over the link must not take the underlined
// font for the link's own.
TEST_F(Hyperlinks, ConvertingTwiceChangesNothing)
{
    MakeDlgItemHyperlink(dialog, kMail);
    Enter(*mail);
    EXPECT_EQ(MakeDlgItemHyperlink(dialog, kMail), TRUE);
    Leave(*mail);
    EXPECT_EQ(mail->font(), plainFont);
}

TEST_F(Hyperlinks, NoSuchControlIsRefused)
{
    EXPECT_EQ(MakeDlgItemHyperlink(dialog, 4711), FALSE);
    EXPECT_EQ(MakeStaticHyperlink(nullptr), FALSE);
    EXPECT_EQ(HyperlinkProperties(*dialog), QStringList());
}

}  // namespace
