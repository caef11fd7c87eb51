#include "framework/copy_table.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <algorithm>
#include <memory>

#include "framework/app_resources.h"
#include "framework/message_map.h"
#include "framework/text.h"

namespace framework {

namespace {

constexpr unsigned kTableStyles = kTableColumn | kTableField | kTableNote;

// The lines a box shows, without the empty ones its text ends with.
QStringList LinesOf(const QString& text)
{
    QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QString TextOf(const QWidget* box)
{
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) {
        return lines->toPlainText();
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        return line->text();
    }
    return {};
}

// One window's table: its boxes in template order, with what each is to the table.
class Table : public QObject {
public:
    struct Box {
        QPointer<QWidget> widget;
        unsigned role;
        QString name;
    };

    Table(QWidget* window, QList<Box> boxes) : QObject(window), m_boxes(std::move(boxes)) {}

    QString Text() const
    {
        TableTexts texts;
        for (const Box& box : m_boxes) {
            if (box.widget.isNull()) {
                continue;
            }
            const QString text = TextOf(box.widget);
            if ((box.role & kTableColumn) != 0) {
                texts.columns.push_back(text);
            } else if ((box.role & kTableField) != 0) {
                texts.fields.push_back({box.name, text});
            } else {
                texts.notes.push_back(text);
            }
        }
        return TableText(texts);
    }

private:
    QList<Box> m_boxes;
};

// The table a box belongs to, kept on the box.
constexpr const char* kTableProperty = "velkariTable";

Table* TableOf(const QWidget* box)
{
    return box == nullptr ? nullptr
                          : dynamic_cast<Table*>(box->property(kTableProperty).value<QObject*>());
}

}  // namespace

QString TableText(const TableTexts& texts)
{
    bool shown = false;
    QList<QStringList> columns;
    qsizetype rows = 0;
    for (const QString& column : texts.columns) {
        columns.push_back(LinesOf(column));
        rows = std::max(rows, columns.back().size());
    }
    QString table;
    for (qsizetype row = 0; row < rows; ++row) {
        QStringList cells;
        for (const QStringList& column : columns) {
            cells.push_back(column.value(row));
            shown = shown || !cells.back().isEmpty();
        }
        table += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    // A field is one cell: its own line breaks become blanks.
    for (const auto& [name, text] : texts.fields) {
        const QString cell = LinesOf(text).join(QLatin1Char(' '));
        shown = shown || !cell.isEmpty();
        table += name + QLatin1Char('\t') + cell + QLatin1Char('\n');
    }
    for (const QString& note : texts.notes) {
        for (const QString& line : LinesOf(note)) {
            shown = shown || !line.isEmpty();
            table += line + QLatin1Char('\n');
        }
    }
    return shown ? table : QString();
}

QMenu* TableMenu(QWidget* box, const QPoint& pos)
{
    const Table* table = TableOf(box);
    if (table == nullptr) {
        return nullptr;
    }
    QMenu* menu = nullptr;
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        menu = lines->createStandardContextMenu(pos);
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        menu = line->createStandardContextMenu();
    } else {
        menu = new QMenu(box);
    }
    menu->addSeparator();
    QAction* copy = menu->addAction(ToQString(GetAppResources().copyTable));
    const QString text = table->Text();
    copy->setEnabled(!text.isEmpty());
    QObject::connect(copy, &QAction::triggered, menu,
                     [text] { QGuiApplication::clipboard()->setText(text); });
    return menu;
}

void OfferCopyTable(QWidget* window, const DialogTemplate& dialog)
{
    if (GetAppResources().copyTable.empty()) {
        return;
    }
    QList<Table::Box> boxes;
    for (const ControlTemplate& control : dialog.controls) {
        if ((control.style & kTableStyles) == 0 || control.id == kNoId) {
            continue;
        }
        if (QWidget* box = GetDlgItem(window, control.id)) {
            boxes.push_back({box, control.style & kTableStyles, ToQString(control.text)});
        }
    }
    if (boxes.isEmpty()) {
        return;
    }
    auto* table = new Table(window, boxes);
    for (const Table::Box& box : boxes) {
        QWidget* widget = box.widget;
        widget->setProperty(kTableProperty, QVariant::fromValue<QObject*>(table));
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        // A multi-line box's position is its viewport's (QAbstractScrollArea maps it).
        QObject::connect(widget, &QWidget::customContextMenuRequested, widget,
                         [widget](const QPoint& pos) {
                             std::unique_ptr<QMenu> menu(TableMenu(widget, pos));
                             if (menu == nullptr) {
                                 return;
                             }
                             const auto* area = qobject_cast<QPlainTextEdit*>(widget);
                             menu->exec(area != nullptr ? area->viewport()->mapToGlobal(pos)
                                                        : widget->mapToGlobal(pos));
                         });
    }
}

}  // namespace framework
