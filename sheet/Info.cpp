#include "sheet/Info.h"

#include <QChildEvent>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QMouseEvent>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include "framework/message_map.h"

namespace {

// Everything the module knows about a window lives in these properties of the window.
constexpr char kOriginalProc[] = "_Hyperlink_Original_Proc_";
constexpr char kOriginalFont[] = "_Hyperlink_Original_Font_";
constexpr char kUnderlineFont[] = "_Hyperlink_Underline_Font_";
constexpr char kFromStatic[] = "_Hyperlink_From_Static_";

using HookProc = bool (*)(QWidget*, QEvent*);

// Puts proc in front of a window's own event handling until the hook is deleted. Qt
// sends its Destroy event only once a widget's children are gone, so the hook hands
// proc one from destroyed(), which a widget emits while it and its children are whole.
class HyperlinkHook : public QObject {
public:
    HyperlinkHook(QWidget* window, HookProc proc) : QObject(window), m_proc(proc)
    {
        window->installEventFilter(this);
        // Nothing here refers to the hook after proc runs, since proc deletes it.
        connect(window, &QObject::destroyed, this, [window, proc] {
            QEvent destroy(QEvent::Destroy);
            proc(window, &destroy);
        });
    }

    HookProc Proc() const { return m_proc; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return m_proc(static_cast<QWidget*>(watched), event);
    }

private:
    HookProc m_proc;
};

HyperlinkHook* HookOf(const QWidget* window)
{
    return dynamic_cast<HyperlinkHook*>(window->property(kOriginalProc).value<QObject*>());
}

void Hook(QWidget* window, HookProc proc)
{
    auto* hook = new HyperlinkHook(window, proc);
    window->setProperty(kOriginalProc, QVariant::fromValue(static_cast<QObject*>(hook)));
}

// Gives the window its own event handling back.
void Unhook(QWidget* window)
{
    HyperlinkHook* hook = HookOf(window);
    window->removeEventFilter(hook);
    delete hook;
    window->setProperty(kOriginalProc, QVariant());
}

// Shows the control in one of the two fonts it keeps.
void ShowFont(QWidget* control, const char* font)
{
    control->setFont(control->property(font).value<QFont>());
}

}  // namespace

BOOL MakeDlgItemHyperlink(QWidget* parent, int ctrlId)
{
    return MakeStaticHyperlink(framework::GetDlgItem(parent, ctrlId));
}

BOOL MakeStaticHyperlink(QWidget* control)
{
    if (control == nullptr) {
        return FALSE;
    }
    // A second hook would save the first one, and an underlined font, as the
    // control's own.
    if (control->property(kFromStatic).isValid()) {
        return TRUE;
    }
    QWidget* parent = control->parentWidget();
    if (parent != nullptr) {
        const HyperlinkHook* hook = HookOf(parent);
        if (hook == nullptr || hook->Proc() != HyperlinkParentProc) {
            Hook(parent, HyperlinkParentProc);
        }
    }
    framework::AddStaticNotify(control);
    Hook(control, HyperlinkStaticProc);

    const QFont font = control->font();
    QFont underlined = font;
    underlined.setUnderline(true);
    control->setProperty(kOriginalFont, QVariant::fromValue(font));
    control->setProperty(kUnderlineFont, QVariant::fromValue(underlined));
    control->setProperty(kFromStatic, 1);

    // Qt asks the parent about a child's looks when it polishes the child; a control
    // that is already polished is not asked again, so the parent is asked now.
    if (parent != nullptr) {
        QChildEvent polished(QEvent::ChildPolished, control);
        QCoreApplication::sendEvent(parent, &polished);
    }
    return TRUE;
}

bool HyperlinkStaticProc(QWidget* control, QEvent* event)
{
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::HoverEnter:
            ShowFont(control, kUnderlineFont);
            break;
        case QEvent::Leave:
        case QEvent::HoverLeave:
            ShowFont(control, kOriginalFont);
            break;
        // A move outside the control arrives while a button held down on it keeps
        // the mouse, and Qt then holds its Leave back until the button is released.
        case QEvent::MouseMove:
        case QEvent::HoverMove: {
            const QPointF at = static_cast<QSinglePointEvent*>(event)->position();
            ShowFont(control,
                     control->rect().contains(at.toPoint()) ? kUnderlineFont : kOriginalFont);
            break;
        }
        case QEvent::Destroy:
            Unhook(control);
            ShowFont(control, kOriginalFont);
            control->setProperty(kOriginalFont, QVariant());
            control->setProperty(kUnderlineFont, QVariant());
            control->setProperty(kFromStatic, QVariant());
            break;
        default:
            break;
    }
    return false;
}

bool HyperlinkParentProc(QWidget* parent, QEvent* event)
{
    if (event->type() == QEvent::ChildPolished) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child != nullptr && child->property(kFromStatic).isValid()) {
            // Only the text colour: the rest of the child's palette stays the parent's.
            QPalette palette = child->palette();
            palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
            child->setPalette(palette);
        }
    } else if (event->type() == QEvent::Destroy) {
        Unhook(parent);
    }
    return false;
}
