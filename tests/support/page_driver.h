// Helpers for driving the real widgets as a person would, headless: type into a box,
// pick from a list, press a button, read what is shown; message boxes are recorded
// instead of shown.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "framework/message_box.h"
#include "framework/property_page.h"
#include "framework/property_sheet.h"

namespace testing_support {

struct RecordedMessage {
    QString text;
    QString caption;
    UINT type;
};

// Records every message box while it lives, answering each with OK.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<RecordedMessage> messages;

private:
    framework::MessagePresenter m_previous;
};

// A page created by its class name and shown in a sheet of its own.
class PageInSheet {
public:
    explicit PageInSheet(const char* className);

    CPropertyPage& page() { return *m_page; }
    CPropertySheet& sheet() { return m_sheet; }

private:
    CPropertySheet m_sheet;
    std::unique_ptr<CPropertyPage> m_page;  // destroyed first, before its sheet
};

// Replaces a text box's contents with keystrokes.
void TypeInto(CPropertyPage& page, int id, const QString& text);
// Picks an item from a list by its text, as a click in the dropped-down list does.
void ChooseItem(CPropertyPage& page, int id, const QString& item);
// Types into a list's edit field.
void TypeIntoList(CPropertyPage& page, int id, const QString& text);
// Clicks a push button or a check box.
void ClickButton(CPropertyPage& page, int id);
// What a control shows; multi-line boxes with "\n" between lines.
QString ShownText(CPropertyPage& page, int id);
int ShownIndex(CPropertyPage& page, int id);

// Saves a picture of the widget when VELKARI_SCREENSHOTS names a folder.
void SaveScreenshot(QWidget& widget, const QString& name);

}  // namespace testing_support

// Lets GoogleTest print QStrings in failure messages.
void PrintTo(const QString& text, std::ostream* os);
