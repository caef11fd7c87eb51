// The whole window as start-up builds it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include "framework/tab_ctrl.h"

#include "convert/categories.h"
#include "framework/text.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;

QStringList TabCaptions(const CTessaralDlg& sheet)
{
    QStringList captions;
    for (int i = 0; i < sheet.GetTabControl()->count(); ++i) {
        captions.append(sheet.GetTabControl()->tabText(i));
    }
    return captions;
}

// Seventeen tabs on Angle, "Exit" the only button in sight, a window that can be
// minimised and resized and paints its name.
TEST(StartUp, OpensTheSeventeenTabsOnAngle)
{
    QStringList visible;
    const BOOL result = RunStartUp([&](CTessaralDlg& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Velkari Unit Converter");
        EXPECT_EQ(TabCaptions(sheet),
                  (QStringList{"Angle", "Area", "Computer Storage", "Cooking", "Energy",
                               "Frequency", "Length", "Light", "Power", "Pressure", "Speed",
                               "Temperature", "Time", "Torque", "Volume", "Weight", "About"}));
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        for (auto* button : sheet.findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
            if (button->isVisible()) {
                visible.append(button->text());
            }
        }
        EXPECT_EQ(sheet.GetStyle() & (WS_MINIMIZEBOX | WS_THICKFRAME),
                  WS_MINIMIZEBOX | WS_THICKFRAME);
        EXPECT_TRUE(sheet.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_NE(sheet.minimumSize(), sheet.maximumSize());
        EXPECT_EQ(sheet.LogoText(), "Velkari Unit Converter");
        ASSERT_TRUE(sheet.LogoFont().has_value());
        EXPECT_TRUE(sheet.LogoFont()->bold());
        EXPECT_TRUE(sheet.LogoFont()->italic());
    });
    EXPECT_EQ(result, FALSE);
    EXPECT_EQ(visible, QStringList{"Exit"});
}

TEST(StartUp, BuildsAPageOnlyWhenItsTabIsFirstShown)
{
    RunStartUp([](CTessaralDlg& sheet) {
        CPropertyPage* area = sheet.GetPage(1);
        EXPECT_FALSE(area->IsWindowCreated());
        EXPECT_EQ(area->GetDlgItem(IDC_AREA_VALUE), nullptr);
        sheet.GetTabControl()->setCurrentIndex(1);
        EXPECT_TRUE(area->IsWindowCreated());
        EXPECT_NE(area->GetDlgItem(IDC_AREA_VALUE), nullptr);
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
    });
}

// Each converter tab, driven through the window: 1 of its first unit gives one line per
// unit in the values box, beside its own category's labels.
TEST(StartUp, EveryConverterTabConverts)
{
    MessageRecorder recorder;
    RunStartUp([](CTessaralDlg& sheet) {
        std::size_t category = 0;
        for (int tab = 0; tab < 16; ++tab) {
            ASSERT_TRUE(sheet.SetActivePage(tab));
            CPropertyPage& page = *sheet.GetActivePage();
            auto edits = page.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
            auto lists = page.findChildren<QComboBox*>(Qt::FindDirectChildrenOnly);
            auto boxes = page.findChildren<QPlainTextEdit*>(Qt::FindDirectChildrenOnly);
            ASSERT_FALSE(edits.empty() || lists.empty() || boxes.size() < 2) << tab;
            TypeInto(page, framework::ControlId(edits[0]), "1");
            ChooseItem(page, framework::ControlId(lists[0]), lists[0]->itemText(0));
            ClickButton(page, FirstControl(page, framework::ControlKind::PushButton));
            SaveScreenshot(sheet, QStringLiteral("%1-%2")
                                      .arg(tab, 2, 10, QLatin1Char('0'))
                                      .arg(sheet.GetTabControl()->tabText(tab).replace(' ', '-')));
            if (tab == 11) {
                EXPECT_EQ(boxes[0]->toPlainText(), "33.800\n274.150") << "Temperature";
                continue;
            }
            const convert::Category& expected = *convert::kConverterCategories[category++];
            EXPECT_EQ(sheet.GetTabControl()->tabText(tab), framework::ToQString(expected.caption));
            QString labels;
            for (const std::string_view label : expected.labels) {
                labels += framework::ToQString(label) + QLatin1Char('\n');
            }
            const QString values = boxes[0]->toPlainText();
            EXPECT_EQ(values.count(QLatin1Char('\n')),
                      static_cast<qsizetype>(expected.labels.size()))
                << values.toStdString();
            EXPECT_EQ(boxes[1]->toPlainText(), labels);
        }
        ASSERT_TRUE(sheet.SetActivePage(16));
        SaveScreenshot(sheet, QStringLiteral("16-About"));
    });
    EXPECT_TRUE(recorder.messages.empty());
}

// Every page class, shown or not by start-up, can be created from its class name.
TEST(RunTimeClasses, CreateEveryPageByName)
{
    for (const char* name : {"Angles", "Area", "Computer", "Cooking", "DAT", "frequency", "length",
                             "light", "Power", "Pressure", "speed", "temperature", "tt", "Torque",
                             "Volume", "Mass", "bout", "CFirstPropertyPage"}) {
        const CRuntimeClass* record = CRuntimeClass::FromName(name);
        ASSERT_NE(record, nullptr) << name;
        std::unique_ptr<CObject> object(record->CreateObject());
        ASSERT_NE(object, nullptr) << name;
        EXPECT_EQ(object->GetRuntimeClass(), record) << name;
        EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CPropertyPage))) << name;
    }
    EXPECT_EQ(CRuntimeClass::FromName("CTessaralDlg"), nullptr);
}

}  // namespace
