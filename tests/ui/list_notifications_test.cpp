// What a list built from a template tells its window: a pick and typing do, the
// window's own changes to the list do not.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <utility>
#include <vector>

#include "framework/dialog_builder.h"
#include "framework/message_map.h"
#include "tests/support/page_driver.h"

namespace {

constexpr int kEditable = 10;
constexpr int kDropDown = 11;

constexpr std::string_view kItems[]{"Fe", "Zn", "Zr"};
constexpr framework::ControlTemplate kControls[]{
    {framework::ControlKind::ComboBox,
     kEditable,
     {5, 5, 40, 60},
     "With edit field",
     framework::kNone,
     kItems},
    {framework::ControlKind::ComboBox,
     kDropDown,
     {50, 5, 40, 60},
     "Drop-down list",
     framework::kDropDownList,
     kItems},
};
constexpr framework::DialogTemplate kDialog{1, "Lists", 100, 40, "MS Sans Serif", 8, kControls};

using Notification = std::pair<int, UINT>;

// A window that keeps every notification its controls send it.
class Window : public QWidget {
public:
    std::vector<Notification> received;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == CommandEvent::EventType()) {
            const auto* command = static_cast<CommandEvent*>(e);
            received.emplace_back(command->id(), command->code());
            return true;
        }
        return QWidget::event(e);
    }
};

class ListNotifications : public ::testing::Test {
protected:
    void SetUp() override
    {
        framework::BuildControls(&window, kDialog);
        window.show();
    }

    QComboBox* List(int id) { return qobject_cast<QComboBox*>(framework::GetDlgItem(&window, id)); }

    Window window;
};

// A pick is a selection change; where the list has an edit field, that field shows the
// picked item, so its text has changed as well.
TEST_F(ListNotifications, APickIsASelectionChangeAndAnEditChangeWhereTheTextShows)
{
    const std::pair<int, std::vector<Notification>> cases[]{
        {kDropDown, {{kDropDown, CBN_SELCHANGE}}},
        {kEditable, {{kEditable, CBN_SELCHANGE}, {kEditable, CBN_EDITCHANGE}}},
    };
    for (const auto& [id, expected] : cases) {
        window.received.clear();
        QComboBox* list = List(id);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->currentText(), "Fe") << id;
        EXPECT_EQ(window.received, expected) << id;
    }
}

TEST_F(ListNotifications, EveryKeystrokeInTheEditFieldIsAnEditChange)
{
    QTest::keyClicks(List(kEditable)->lineEdit(), "Zn");
    EXPECT_EQ(window.received, (std::vector<Notification>{{kEditable, CBN_EDITCHANGE},
                                                          {kEditable, CBN_EDITCHANGE}}));
}

TEST_F(ListNotifications, TheWindowsOwnChangesAreNotReported)
{
    List(kEditable)->setCurrentIndex(1);
    List(kEditable)->setEditText("Zr");
    List(kDropDown)->setCurrentIndex(2);
    EXPECT_TRUE(window.received.empty());
}

}  // namespace
