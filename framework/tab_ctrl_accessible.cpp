#include "framework/tab_ctrl_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <map>

#include "framework/tab_ctrl.h"

namespace {

// What a screen reader sees of one tab: a page tab with its caption, selected when it
// is the current one, and pressed to choose it.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(CTabCtrl* tabs, int index) : m_tabs(tabs), m_index(index) {}

    bool isValid() const override { return Tabs() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        const CTabCtrl* tabs = Tabs();
        return tabs != nullptr ? tabs->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_tabs.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        const CTabCtrl* tabs = Tabs();
        return t == QAccessible::Name && tabs != nullptr ? tabs->tabText(m_index) : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override
    {
        const CTabCtrl* tabs = Tabs();
        if (tabs == nullptr) {
            return {};
        }
        const QRect r = tabs->tabRect(m_index);
        return {tabs->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const CTabCtrl* tabs = Tabs();
        if (tabs == nullptr) {
            s.invalid = true;
            return s;
        }
        const bool current = tabs->currentIndex() == m_index;
        s.selectable = true;
        s.selected = current;
        s.focusable = true;
        s.focused = current && tabs->hasFocus();
        s.disabled = !tabs->isEnabled();
        s.invisible = !tabs->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override
    {
        CTabCtrl* tabs = Tabs();
        if (actionName == pressAction() && tabs != nullptr) {
            tabs->setCurrentIndex(m_index);
        }
    }
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

private:
    // The tab control while it lives and still has this tab, else null.
    CTabCtrl* Tabs() const
    {
        CTabCtrl* tabs = m_tabs.data();
        return tabs != nullptr && m_index < tabs->count() ? tabs : nullptr;
    }

    QPointer<CTabCtrl> m_tabs;
    int m_index;
};

// The tab control as a page tab list holding one page tab per tab.
class TabCtrlAccessible : public QAccessibleWidget {
public:
    explicit TabCtrlAccessible(CTabCtrl* tabs) : QAccessibleWidget(tabs, QAccessible::PageTabList)
    {
    }
    ~TabCtrlAccessible() override
    {
        for (const auto& [index, id] : m_children) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    TabCtrlAccessible(const TabCtrlAccessible&) = delete;
    TabCtrlAccessible& operator=(const TabCtrlAccessible&) = delete;

    int childCount() const override { return tabs()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= tabs()->count()) {
            return nullptr;
        }
        if (const auto found = m_children.find(index); found != m_children.end()) {
            return QAccessible::accessibleInterface(found->second);
        }
        auto* tab = new TabAccessible(tabs(), index);
        m_children.emplace(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : m_children) {
            if (QAccessible::accessibleInterface(id) == child) {
                return index;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return child(tabs()->tabAt(tabs()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override
    {
        return tabs()->hasFocus() ? child(tabs()->currentIndex()) : nullptr;
    }

private:
    CTabCtrl* tabs() const { return static_cast<CTabCtrl*>(widget()); }

    mutable std::map<int, QAccessible::Id> m_children;
};

QAccessibleInterface* CreateTabCtrlAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(CTabCtrl::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new TabCtrlAccessible(static_cast<CTabCtrl*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallTabCtrlAccessible()
{
    static const bool installed = (QAccessible::installFactory(CreateTabCtrlAccessible), true);
    Q_UNUSED(installed);
}

void NotifyTabSelected(CTabCtrl* tabs, int index)
{
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent selection(tabs, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
    if (tabs->hasFocus()) {
        QAccessibleEvent focus(tabs, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}
