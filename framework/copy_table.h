// "Copy Table": a window's result boxes, right-clicked, offer beside their usual entries
// to copy the whole table they show at once, ready to paste into a spreadsheet. A
// template marks the boxes that make the table (see the kTable styles of
// dialog_template.h); the menu entry's text is the application's (AppResources).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

#include "framework/dialog_template.h"

class QMenu;
class QPoint;
class QWidget;

namespace framework {

// What a table's boxes show, in template order.
struct TableTexts {
    QStringList columns;                        // multi-line boxes read side by side
    QList<std::pair<QString, QString>> fields;  // single boxes: their name, their text
    QStringList notes;                          // boxes whose lines follow the table
};

// The table as text: the columns' lines side by side, one tab between them, then a
// line "name<TAB>text" for each field, then every line of the notes; each line ends
// with "\n". Lines left empty at the end of a box are no row; empty when the boxes
// show nothing.
QString TableText(const TableTexts& texts);

// Gives the boxes of a window built from `dialog` that its template marks as part of
// the table a context menu with "Copy Table". Nothing when the template marks none or
// the application has no text for the entry.
void OfferCopyTable(QWidget* window, const DialogTemplate& dialog);

// The context menu a box of the table shows at `pos` (the box's usual entries, then
// "Copy Table"); null for a widget that is no box of a table. The caller deletes it.
QMenu* TableMenu(QWidget* box, const QPoint& pos);

}  // namespace framework
