// Message maps: which handler of a window runs for which control notification. A
// control's notification reaches its parent window as a CommandEvent carrying the
// control's id, as the platform reports a click to the dialog that holds the control.
#pragma once

#include <QEvent>
#include <span>

#include "framework/afx_types.h"
#include "framework/runtime_class.h"

class QWidget;

// The receiver of commands: the base of every window class with a message map.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    struct MessageMapEntry {
        UINT code;  // BN_CLICKED, STN_CLICKED, CBN_SELCHANGE, CBN_EDITCHANGE, ...
        int id;     // the control's id
        void (*handler)(CCmdTarget& target);
    };

    // The handlers of this class; empty when it has none of its own.
    virtual std::span<const MessageMapEntry> GetMessageMap() const { return {}; }

    // Runs the handler mapped to the control's notification; false when none is.
    bool OnCmdMsg(int id, UINT code);
};

namespace framework {

template <typename Member>
struct HandlerOwner;
template <typename Window>
struct HandlerOwner<void (Window::*)()> {
    using type = Window;
};

// Calls a member function of the window class that declared the map entry.
template <typename Window, void (Window::*Handler)()>
void CallHandler(CCmdTarget& target)
{
    (static_cast<Window&>(target).*Handler)();
}

template <auto Handler>
constexpr CCmdTarget::MessageMapEntry MapEntry(UINT code, int id)
{
    using Window = typename HandlerOwner<decltype(Handler)>::type;
    return {code, id, &CallHandler<Window, Handler>};
}

}  // namespace framework

// Map entries routing a button's click, a list's selection change, a change of a list's
// edit field or of an edit box's text to a member function of the window.
#define ON_BN_CLICKED(id, memberFxn) ::framework::MapEntry<memberFxn>(BN_CLICKED, id)
#define ON_CBN_SELCHANGE(id, memberFxn) ::framework::MapEntry<memberFxn>(CBN_SELCHANGE, id)
#define ON_CBN_EDITCHANGE(id, memberFxn) ::framework::MapEntry<memberFxn>(CBN_EDITCHANGE, id)
#define ON_EN_CHANGE(id, memberFxn) ::framework::MapEntry<memberFxn>(EN_CHANGE, id)

// A notification from a control to the window that holds it.
class CommandEvent : public QEvent {
public:
    CommandEvent(int id, UINT code);
    static QEvent::Type EventType();

    int id() const { return m_id; }
    UINT code() const { return m_code; }

private:
    int m_id;
    UINT m_code;
};

namespace framework {

// The control's id, from the template it was built from (-1 when it has none).
int ControlId(const QWidget* control);
void SetControlId(QWidget* control, int id);

// The child of parent with that control id, or null.
QWidget* GetDlgItem(const QWidget* parent, int id);

// Sends the control's notification to its parent window, if it has one.
void NotifyParent(QWidget* control, UINT code);

// Whether a button is its window's default: the one Enter presses.
bool IsDefaultButton(const QWidget* button);
void SetDefaultButton(QWidget* button, bool isDefault);

// Makes a static text report clicks to its parent (the static "notify" style).
void AddStaticNotify(QWidget* control);

}  // namespace framework
