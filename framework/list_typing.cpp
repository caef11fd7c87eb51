#include "framework/list_typing.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

#include "framework/app_resources.h"
#include "framework/message_map.h"
#include "framework/text.h"

namespace framework {
namespace {

// The template a list was built from, kept on the list.
constexpr char kTemplateId[] = "velkariTemplateId";

int TemplateIdOf(const QComboBox* list)
{
    bool known = false;
    const int id = list->property(kTemplateId).toInt(&known);
    return known ? id : -1;
}

// The items of a list whose text or one of whose names starts with what is typed.
class NamedItems : public QSortFilterProxyModel {
public:
    NamedItems(QComboBox* list, std::vector<QStringList> names)
        : QSortFilterProxyModel(list), m_names(std::move(names))
    {
        setSourceModel(list->model());
    }

    void SetTyped(const QString& typed)
    {
        m_typed = typed.trimmed();
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto starts = [this](const QString& name) {
            return name.trimmed().startsWith(m_typed, Qt::CaseInsensitive);
        };
        if (starts(sourceModel()->index(row, 0, parent).data().toString())) {
            return true;
        }
        const auto at = static_cast<std::size_t>(row);
        return at < m_names.size() && std::any_of(m_names[at].begin(), m_names[at].end(), starts);
    }

private:
    std::vector<QStringList> m_names;  // by item
    QString m_typed;
};

// Enter in a list's completion pop-up: the completer would take the key for itself
// and leave the window without it, so that a first Enter after typing did nothing.
class EnterInPopup : public QObject {
public:
    explicit EnterInPopup(QComboBox* list) : QObject(list), m_list(list) {}

protected:
    bool eventFilter(QObject* /*popup*/, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
            return false;
        }
        QAbstractItemView* popup = m_list->completer()->popup();
        // The item the user moved to; else the one the text names already ("m" is the
        // meter, though "Mile" comes first); else the first the pop-up offers.
        const QModelIndexList moved = popup->selectionModel()->selectedIndexes();
        QModelIndex chosen = moved.isEmpty() ? QModelIndex() : moved.first();
        if (!chosen.isValid() && TypedItem(m_list) < 0 && popup->isVisible()) {
            chosen = popup->model()->index(0, 0);
        }
        popup->hide();
        if (chosen.isValid()) {
            const int item = m_list->findText(chosen.data().toString(),
                                              Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (item >= 0) {
                m_list->setCurrentIndex(item);
                Q_EMIT m_list->activated(item);
            }
        }
        if (m_list->parentWidget() != nullptr) {
            QKeyEvent enter(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(m_list->parentWidget(), &enter);
        }
        return true;
    }

private:
    QComboBox* m_list;
};

// Makes a list's completion: the model of its items' names, the completer and its
// pop-up, with the Enter filter in front of the completer's own.
void MakeCompletion(QComboBox* list)
{
    const int templateId = TemplateIdOf(list);
    std::vector<QStringList> names;
    bool named = false;
    if (const auto itemNames = GetAppResources().itemNames) {
        for (int item = 0; item < list->count(); ++item) {
            QStringList ofItem;
            for (const std::string& name : itemNames(templateId, ControlId(list), item)) {
                ofItem.append(ToQString(name));
            }
            named = named || !ofItem.isEmpty();
            names.push_back(std::move(ofItem));
        }
    }
    if (named) {
        // The pop-up lists what the filter lets through, each item once, however many of
        // its names match.
        auto* items = new NamedItems(list, std::move(names));
        auto* completer = new QCompleter(items, list);
        completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        list->setCompleter(completer);
        // The line edit updates its completer just after it reports the edit.
        QObject::connect(list->lineEdit(), &QLineEdit::textEdited, items, &NamedItems::SetTyped);
    } else {
        // Typing offers the matching items in a list below the field instead of writing
        // the first match into it, so a name that begins a longer one ("Square" before
        // "Square meter (m²)") stays what was typed.
        list->completer()->setCompletionMode(QCompleter::PopupCompletion);
    }
    // Made now, the pop-up already carries the completer's own filter, which ours
    // then comes before.
    list->completer()->popup()->installEventFilter(new EnterInPopup(list));
}

// Nobody can type into a list before its window is on the screen, so its completion is
// made just after the list's first paint, or before the first focus, key or click that
// reaches the list or its edit field, whichever comes first.
class CompletionWhenUsed : public QObject {
public:
    explicit CompletionWhenUsed(QComboBox* list) : QObject(list), m_list(list)
    {
        list->installEventFilter(this);
        list->lineEdit()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
            case QEvent::InputMethod:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
                Make();
                break;
            case QEvent::Paint:
                QTimer::singleShot(0, this, &CompletionWhenUsed::Make);
                break;
            default:
                break;
        }
        return false;
    }

private:
    void Make()
    {
        if (m_made) {
            return;
        }
        m_made = true;
        m_list->removeEventFilter(this);
        m_list->lineEdit()->removeEventFilter(this);
        MakeCompletion(m_list);
        deleteLater();
    }

    QComboBox* m_list;
    bool m_made = false;
};

}  // namespace

int TypedItem(const QComboBox* list)
{
    const QString typed = list->currentText();
    const int exact = list->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QString trimmed = typed.trimmed();
    if (exact >= 0 || trimmed.isEmpty()) {
        return exact;
    }
    for (int item = 0; item < list->count(); ++item) {
        if (list->itemText(item).trimmed().compare(trimmed, Qt::CaseInsensitive) == 0) {
            return item;
        }
    }
    const auto itemNamed = GetAppResources().itemNamed;
    if (itemNamed == nullptr) {
        return -1;
    }
    const QByteArray text = trimmed.toUtf8();
    const int item = itemNamed(TemplateIdOf(list), ControlId(list),
                               {text.constData(), static_cast<std::size_t>(text.size())});
    return item >= 0 && item < list->count() ? item : -1;
}

std::string TypedItemRefusal(const QComboBox* list)
{
    const auto itemRefusal = GetAppResources().itemRefusal;
    const QString trimmed = list->currentText().trimmed();
    if (itemRefusal == nullptr || trimmed.isEmpty() || TypedItem(list) >= 0) {
        return {};
    }
    const QByteArray text = trimmed.toUtf8();
    return itemRefusal(TemplateIdOf(list), ControlId(list),
                       {text.constData(), static_cast<std::size_t>(text.size())});
}

void SetUpTyping(QComboBox* list, int templateId)
{
    list->setProperty(kTemplateId, templateId);
    new CompletionWhenUsed(list);
}

}  // namespace framework
