#include "framework/dialog_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "framework/app_resources.h"
#include "framework/copy_table.h"
#include "framework/fonts.h"
#include "framework/list_typing.h"
#include "framework/message_map.h"
#include "framework/number_selection.h"
#include "framework/text.h"

namespace framework {
namespace {

// Set on a list while its window answers a keystroke in the list's edit field.
constexpr char kAnsweringTyping[] = "velkariAnsweringTyping";

// The height in dialog units of a static that holds one line of text.
constexpr int kOneLine = 10;

QStringList Items(const ControlTemplate& control)
{
    QStringList items;
    for (const std::string_view item : control.items) {
        items.append(ToQString(item));
    }
    if ((control.style & kSorted) != 0) {
        // The platform's sorted lists compare without regard to case.
        std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    }
    return items;
}

// A one-line box whose text may not fit: the whole text is its tool tip then, and an
// ellipsis stands at each end the text runs past, so a cut number never reads as a
// shorter one. The cursor keys still scroll through the text.
class TextBox : public QLineEdit {
public:
    explicit TextBox(QWidget* parent) : QLineEdit(parent)
    {
        connect(this, &QLineEdit::textChanged, this, &TextBox::ShowWholeTextAsTip);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLineEdit::resizeEvent(event);
        ShowWholeTextAsTip();
    }

    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
        if (!Overflows()) {
            return;
        }
        const QRect area = TextArea();
        const QFontMetrics metrics = fontMetrics();
        // Where the text begins, from where the cursor stands in it. The cursor's
        // rectangle centres on it only to a pixel, so a pixel's difference is no cut.
        const int start = cursorRect().center().x() + 1 -
                          metrics.horizontalAdvance(displayText().left(cursorPosition()));
        const int end = start + metrics.horizontalAdvance(displayText());
        QPainter painter(this);
        const QString ellipsis(QChar(0x2026));
        const int markWidth = metrics.horizontalAdvance(ellipsis) + 2;
        // A mark covers the text's clear margin at its end too, where a sliver of the
        // next digit would otherwise show.
        const auto mark = [&](int left, int right) {
            const QRect box(QPoint(left, area.top()), QPoint(right, area.bottom()));
            painter.fillRect(box, palette().brush(hasFrame() ? QPalette::Base : QPalette::Window));
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(box, Qt::AlignCenter, ellipsis);
        };
        if (start < area.left()) {
            mark(area.left() - kClearMargin, area.left() + markWidth - 1);
        }
        if (end > area.right() + 1) {
            mark(area.right() + 1 - markWidth, area.right() + kClearMargin);
        }
    }

private:
    // QLineEdit keeps two pixels clear on either side of its text.
    static constexpr int kClearMargin = 2;

    QRect TextArea() const
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QMargins margins = textMargins();
        return style()
            ->subElementRect(QStyle::SE_LineEditContents, &option, this)
            .adjusted(margins.left() + kClearMargin, margins.top(), -margins.right() - kClearMargin,
                      -margins.bottom());
    }

    bool Overflows() const
    {
        return fontMetrics().horizontalAdvance(displayText()) > TextArea().width();
    }

    void ShowWholeTextAsTip() { setToolTip(Overflows() ? text() : QString()); }
};

QWidget* MakeEdit(const ControlTemplate& control, QWidget* parent)
{
    if ((control.style & kMultiLine) == 0) {
        auto* edit = new TextBox(parent);
        edit->setReadOnly((control.style & kReadOnly) != 0);
        // Only what the user does is reported, not the pages' own pushes.
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [edit] { NotifyParent(edit, EN_CHANGE); });
        if (edit->isReadOnly()) {
            SelectNumbersWhole(edit);
        }
        if ((control.style & kNoBorder) != 0) {
            // A borderless box reads as text on the page itself.
            edit->setFrame(false);
            edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
        }
        return edit;
    }
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly((control.style & kReadOnly) != 0);
    if (edit->isReadOnly()) {
        SelectNumbersWhole(edit);
    }
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A line longer than the box can still be read to its end: a box without a scroll
    // bar of its own gets one when a line runs past its edge, and then one down the
    // side too if the bar hides the last line.
    const bool scrolls = (control.style & kHorizontalScroll) != 0;
    edit->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    edit->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    // Read-only output stays selectable and copyable from the keyboard too.
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if ((control.style & kNoBorder) != 0) {
        edit->setFrameShape(QFrame::NoFrame);
        edit->document()->setDocumentMargin(0);
        edit->viewport()->setAutoFillBackground(false);
        edit->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    }
    return edit;
}

// Scrolling any of `boxes` up or down scrolls the others to the same line.
void ScrollTogether(const QList<QPlainTextEdit*>& boxes)
{
    for (QPlainTextEdit* box : boxes) {
        QObject::connect(box->verticalScrollBar(), &QScrollBar::valueChanged, box,
                         [boxes](int line) {
                             // A bar set to the value it has already signals nothing.
                             for (QPlainTextEdit* other : boxes) {
                                 other->verticalScrollBar()->setValue(line);
                             }
                         });
    }
}

// Only what the user does is reported: a pick (from the dropped-down list, with the
// arrow keys or the wheel) and typing. The pages' own pushes change lists too, and
// must not run their handlers again. A list with an edit field reports a pick as a
// change of its text as well, since the pick replaces that text.
void ConnectListNotifications(QComboBox* combo)
{
    QObject::connect(combo, &QComboBox::activated, combo, [combo] {
        NotifyParent(combo, CBN_SELCHANGE);
        if (combo->isEditable()) {
            NotifyParent(combo, CBN_EDITCHANGE);
        }
    });
    if (QLineEdit* edit = combo->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, combo, [combo] {
            combo->setProperty(kAnsweringTyping, true);
            NotifyParent(combo, CBN_EDITCHANGE);
            combo->setProperty(kAnsweringTyping, false);
        });
    }
}

QWidget* MakeComboBox(const ControlTemplate& control, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    const bool editable = (control.style & kDropDownList) == 0;
    combo->setEditable(editable);
    // What the user types never becomes an item.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(Items(control));
    combo->setCurrentIndex(-1);
    ConnectListNotifications(combo);
    // On Linux, Qt reports a list's chosen item as its name; the description keeps
    // telling a screen reader which list it is.
    combo->setAccessibleDescription(ToQString(control.text));
    return combo;
}

// A bitmap resource, from its twice-as-large drawing ("<id>@2x.png") where the screen
// is scaled above 100 % and there is one, so that it stays sharp.
QPixmap LoadBitmap(int id, qreal pixelRatio)
{
    const QString name =
        QStringLiteral("%1/bitmaps/%2").arg(ToQString(GetAppResources().resourcePrefix)).arg(id);
    if (pixelRatio > 1.0) {
        QPixmap large(name + QStringLiteral("@2x.png"));
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return QPixmap(name + QStringLiteral(".png"));
}

// Whether every pixel of the picture is black, of whatever opacity: the words of a
// heading rather than a coloured picture.
bool IsInk(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0 && (line[x] & RGB_MASK) != 0) {
                return false;
            }
        }
    }
    return true;
}

// A picture control. Ink takes the palette's text colour, so a heading stays legible
// on a dark theme; it follows the palette when the theme changes.
class Picture : public QLabel {
public:
    Picture(const QPixmap& pixmap, QWidget* parent)
        : QLabel(parent), m_pixmap(pixmap), m_ink(IsInk(pixmap.toImage()))
    {
        ShowInPalette();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange) {
            ShowInPalette();
        }
        QLabel::changeEvent(event);
    }

private:
    void ShowInPalette()
    {
        if (!m_ink) {
            setPixmap(m_pixmap);
            return;
        }
        QImage image = m_pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        const QRgb ink = palette().color(QPalette::WindowText).rgb() & RGB_MASK;
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                line[x] = (line[x] & ~RGB_MASK) | ink;
            }
        }
        setPixmap(QPixmap::fromImage(image));
    }

    QPixmap m_pixmap;
    bool m_ink;
};

QWidget* MakePicture(const ControlTemplate& control, QWidget* parent)
{
    return new Picture(LoadBitmap(control.bitmap, parent->devicePixelRatioF()), parent);
}

QWidget* MakePushButton(const ControlTemplate& control, QWidget* parent)
{
    auto* button = new QPushButton(ToQString(control.text), parent);
    button->setAutoDefault(false);
    SetDefaultButton(button, (control.style & kDefaultButton) != 0);
    QObject::connect(button, &QPushButton::clicked, button,
                     [button] { NotifyParent(button, BN_CLICKED); });
    return button;
}

// A click or the space bar reports a check box's change; a push does not.
QWidget* MakeCheckBox(const ControlTemplate& control, QWidget* parent)
{
    auto* box = new QCheckBox(ToQString(control.text), parent);
    QObject::connect(box, &QCheckBox::clicked, box, [box] { NotifyParent(box, BN_CLICKED); });
    return box;
}

// A frame is drawn beneath the other controls (BuildControls lowers it) and lets
// clicks through.
QWidget* MakeGroupBox(const ControlTemplate& control, QWidget* parent)
{
    auto* group = new QGroupBox(ToQString(control.text), parent);
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    group->setFocusPolicy(Qt::NoFocus);
    return group;
}

QWidget* MakeStatic(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(ToQString(control.text), parent);
    // Our stand-in font runs wider than the one the layout was drawn for: a one-line
    // text grows to the right (in BuildControls) rather than wrap out of sight.
    label->setWordWrap(control.rect.height > kOneLine);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent)
{
    switch (control.kind) {
        case ControlKind::Edit:
            return MakeEdit(control, parent);
        case ControlKind::ComboBox:
            return MakeComboBox(control, parent);
        case ControlKind::CheckBox:
            return MakeCheckBox(control, parent);
        case ControlKind::PushButton:
            return MakePushButton(control, parent);
        case ControlKind::GroupBox:
            return MakeGroupBox(control, parent);
        case ControlKind::Static:
            return MakeStatic(control, parent);
        case ControlKind::Picture:
            return MakePicture(control, parent);
    }
    return nullptr;
}

// The controls whose template text is spoken rather than shown.
bool NeedsAccessibleName(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
           kind == ControlKind::Picture;
}

}  // namespace

bool IsAnsweringTyping(const QWidget* list)
{
    return list->property(kAnsweringTyping).toBool();
}

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    m_baseY = metrics.height();
}

QRect DialogUnits::ToPixels(const DialogRect& rect) const
{
    return {rect.x * m_baseX / 4, rect.y * m_baseY / 8, rect.width * m_baseX / 4,
            rect.height * m_baseY / 8};
}

QSize DialogUnits::ToPixels(int width, int height) const
{
    return {width * m_baseX / 4, height * m_baseY / 8};
}

QFont DialogFont(const DialogTemplate& dialog)
{
    // "MS Sans Serif" is not on a Linux desktop: the desktop's own font stands in.
    QFont font(ChosenFamily(ToQString(dialog.fontName)), dialog.fontPoints);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void BuildControls(QWidget* parent, const DialogTemplate& dialog)
{
    const QFont font = DialogFont(dialog);
    parent->setFont(font);
    const DialogUnits units(font);
    QList<QWidget*> frames;
    QList<QPlainTextEdit*> scrollingTogether;
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = MakeControl(control, parent);
        if (widget == nullptr) {
            continue;
        }
        SetControlId(widget, control.id);
        if (auto* list = qobject_cast<QComboBox*>(widget); list != nullptr && list->isEditable()) {
            SetUpTyping(list, dialog.id);
        }
        if (control.kind == ControlKind::Picture) {
            widget->move(units.ToPixels(control.rect).topLeft());
            widget->adjustSize();
        } else if (control.kind == ControlKind::ComboBox) {
            // A list's template height includes its dropped-down part.
            const QRect rect = units.ToPixels(control.rect);
            widget->setGeometry(rect.x(), rect.y(), rect.width(), widget->sizeHint().height());
        } else if (control.kind == ControlKind::Edit &&
                   (control.style & (kMultiLine | kNoBorder)) == (kMultiLine | kNoBorder)) {
            // A text box scrolls unless a pixel is left below its last line; the
            // platform's boxes show as many whole lines as their height holds. Without a
            // border, the pixel is not seen.
            widget->setGeometry(units.ToPixels(control.rect).adjusted(0, 0, 0, 1));
        } else {
            widget->setGeometry(units.ToPixels(control.rect));
        }
        if (control.kind == ControlKind::Static && control.rect.height <= kOneLine) {
            widget->resize(std::max(widget->width(), widget->sizeHint().width()), widget->height());
        }
        if (NeedsAccessibleName(control.kind)) {
            widget->setAccessibleName(ToQString(control.text));
        }
        if (control.kind == ControlKind::GroupBox) {
            frames.append(widget);
        }
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget);
            box != nullptr && (control.style & kScrollsTogether) != 0) {
            scrollingTogether.append(box);
        }
        widget->show();
    }
    ScrollTogether(scrollingTogether);
    for (QWidget* frame : frames) {
        frame->lower();
    }
    OfferCopyTable(parent, dialog);
}

}  // namespace framework
