#include "framework/message_map.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kControlIdProperty[] = "_Afx_Control_Id_";
constexpr char kDefaultButtonProperty[] = "_Afx_Default_Button_";

// Turns a left click released over a static text into its parent's notification.
class StaticNotifier : public QObject {
public:
    explicit StaticNotifier(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* control = static_cast<QWidget*>(watched);
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                control->rect().contains(mouse->position().toPoint())) {
                framework::NotifyParent(control, STN_CLICKED);
            }
        }
        return false;
    }
};

}  // namespace

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

bool CCmdTarget::OnCmdMsg(int id, UINT code)
{
    for (const MessageMapEntry& entry : GetMessageMap()) {
        if (entry.id == id && entry.code == code) {
            entry.handler(*this);
            return true;
        }
    }
    return false;
}

CommandEvent::CommandEvent(int id, UINT code) : QEvent(EventType()), m_id(id), m_code(code) {}

QEvent::Type CommandEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

namespace framework {

int ControlId(const QWidget* control)
{
    const QVariant id = control->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

void SetControlId(QWidget* control, int id)
{
    control->setProperty(kControlIdProperty, id);
}

QWidget* GetDlgItem(const QWidget* parent, int id)
{
    if (id < 0) {
        return nullptr;
    }
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlId(child) == id) {
            return child;
        }
    }
    return nullptr;
}

void NotifyParent(QWidget* control, UINT code)
{
    if (QWidget* parent = control->parentWidget()) {
        CommandEvent event(ControlId(control), code);
        QCoreApplication::sendEvent(parent, &event);
    }
}

bool IsDefaultButton(const QWidget* button)
{
    return button->property(kDefaultButtonProperty).toBool();
}

void SetDefaultButton(QWidget* button, bool isDefault)
{
    button->setProperty(kDefaultButtonProperty, isDefault);
}

void AddStaticNotify(QWidget* control)
{
    if (control->findChild<StaticNotifier*>(QString(), Qt::FindDirectChildrenOnly) == nullptr) {
        control->installEventFilter(new StaticNotifier(control));
    }
}

}  // namespace framework
