// The yardstick for start-up: the plainest Qt 6 Widgets program of the same shape as
// the product's window. One dialog with a tab widget of seventeen pages, each holding
// the same kinds of controls as a converter tab (value box, unit list, check box,
// decimals list, "=", two read-only multi-line boxes, frames, labels and a heading
// picture), all built before the window is shown, as a hand-written dialog does.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPages = 17;
constexpr int kUnits = 16;

QWidget* MakePage(int index)
{
    auto* page = new QWidget;
    auto* frame = new QGroupBox(page);
    frame->setGeometry(9, 4, 560, 330);

    QPixmap heading(144, 16);
    heading.fill(Qt::darkBlue);
    auto* picture = new QLabel(page);
    picture->setPixmap(heading);
    picture->move(22, 4);

    auto* value = new QLineEdit(page);
    value->setGeometry(22, 31, 34, 23);
    auto* unit = new QComboBox(page);
    unit->setEditable(true);
    for (int k = 0; k < kUnits; ++k) {
        unit->addItem(QStringLiteral("Unit %1 of page %2").arg(k).arg(index));
    }
    unit->setCurrentIndex(-1);
    unit->setGeometry(70, 31, 200, 23);
    auto* equals = new QPushButton(QStringLiteral("="), page);
    equals->setGeometry(277, 31, 46, 23);

    auto* scientific = new QCheckBox(QStringLiteral("Scientific Notation"), page);
    scientific->setGeometry(22, 71, 110, 16);
    auto* decimals = new QComboBox(page);
    decimals->setEditable(true);
    decimals->addItems({"0", "1", "2", "3", "4", "5"});
    decimals->setCurrentIndex(-1);
    decimals->setGeometry(22, 94, 46, 23);
    auto* decimalsLabel = new QLabel(QStringLiteral("Decimal Places"), page);
    decimalsLabel->setGeometry(76, 97, 105, 13);

    auto* outputFrame = new QGroupBox(page);
    outputFrame->setGeometry(331, 26, 230, 150);
    for (int column = 0; column < 2; ++column) {
        auto* box = new QPlainTextEdit(page);
        box->setReadOnly(true);
        box->setFrameShape(QFrame::NoFrame);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setGeometry(346 + column * 100, 36, 95, 130);
    }
    outputFrame->lower();
    frame->lower();
    return page;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Baseline"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = new QTabWidget(&dialog);
    for (int i = 0; i < kPages; ++i) {
        tabs->addTab(MakePage(i), QStringLiteral("Page %1").arg(i + 1));
    }
    layout->addWidget(tabs);
    // A plain button, as the product's "Exit" is: a button box would also look its
    // icon up in the icon theme, which here cost a sixth of the start-up.
    auto* exit = new QPushButton(QStringLiteral("Exit"), &dialog);
    QObject::connect(exit, &QPushButton::clicked, &dialog, &QDialog::reject);
    layout->addWidget(exit, 0, Qt::AlignRight);
    dialog.resize(600, 420);
    dialog.exec();
    return 0;
}
