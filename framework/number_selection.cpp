#include "framework/number_selection.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace framework {
namespace {

bool InNumber(QChar c)
{
    return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+') ||
           c == QLatin1Char('e') || c == QLatin1Char('E');
}

bool IsSign(QChar c)
{
    return c == QLatin1Char('-') || c == QLatin1Char('+');
}

bool IsExponentMark(QChar c)
{
    return c == QLatin1Char('e') || c == QLatin1Char('E');
}

// Watches a box for double-clicks; `select` selects a number at a point, or says there
// is none.
template <typename Select>
class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject* parent, Select select) : QObject(parent), m_select(select) {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonDblClick) {
            return false;
        }
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return mouse->button() == Qt::LeftButton && m_select(mouse->position().toPoint());
    }

private:
    Select m_select;
};

template <typename Select>
void WatchDoubleClicks(QObject* watched, QObject* owner, Select select)
{
    watched->installEventFilter(new DoubleClickFilter<Select>(owner, select));
}

}  // namespace

NumberSpan NumberAt(const QString& line, int at)
{
    // The character clicked, or the one just before a position after the last.
    if (at >= line.size() || (at > 0 && !InNumber(line[at]))) {
        --at;
    }
    if (at < 0 || at >= line.size() || !InNumber(line[at])) {
        return {};
    }
    int begin = at;
    int end = at + 1;
    while (begin > 0 && InNumber(line[begin - 1])) {
        --begin;
    }
    while (end < line.size() && InNumber(line[end])) {
        ++end;
    }
    // A letter e before the number ("Kelvine5") or a sign or e after it belongs to no
    // number; a sign is one only before a digit or point.
    while (begin < end && (IsExponentMark(line[begin]) ||
                           (IsSign(line[begin]) &&
                            (begin + 1 == end || !(line[begin + 1].isDigit() ||
                                                   line[begin + 1] == QLatin1Char('.')))))) {
        ++begin;
    }
    while (end > begin && (IsExponentMark(line[end - 1]) || IsSign(line[end - 1]))) {
        --end;
    }
    bool digits = false;
    for (int k = begin; k < end; ++k) {
        digits = digits || line[k].isDigit();
    }
    if (!digits || at < begin || at >= end) {
        return {};
    }
    return {begin, end - begin};
}

void SelectNumbersWhole(QLineEdit* box)
{
    WatchDoubleClicks(box, box, [box](QPoint point) {
        const NumberSpan number = NumberAt(box->text(), box->cursorPositionAt(point));
        if (number.length == 0) {
            return false;
        }
        box->setSelection(number.begin, number.length);
        return true;
    });
}

void SelectNumbersWhole(QPlainTextEdit* box)
{
    WatchDoubleClicks(box->viewport(), box, [box](QPoint point) {
        QTextCursor cursor = box->cursorForPosition(point);
        const QTextBlock block = cursor.block();
        const NumberSpan number = NumberAt(block.text(), cursor.positionInBlock());
        if (number.length == 0) {
            return false;
        }
        cursor.setPosition(block.position() + number.begin);
        cursor.setPosition(block.position() + number.begin + number.length,
                           QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        return true;
    });
}

}  // namespace framework
