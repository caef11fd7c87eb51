#include "framework/tab_ctrl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPixmapCache>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <algorithm>

#include "framework/tab_ctrl_accessible.h"

CTabCtrl::CTabCtrl(QWidget* parent) : QWidget(parent)
{
    InstallTabCtrlAccessible();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int CTabCtrl::addTab(const QString& text)
{
    m_texts.append(text);
    m_natural.push_back(MeasureTab(count() - 1));
    m_rowHeight = std::max(m_rowHeight, m_natural.back().height());
    LayOut();
    updateGeometry();
    update();
    const int index = count() - 1;
    if (m_current < 0) {
        setCurrentIndex(index);
    }
    return index;
}

QString CTabCtrl::tabText(int index) const
{
    return m_texts.value(index);
}

void CTabCtrl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current) {
        return;
    }
    const std::vector<QRect> before = m_rects;
    const int previous = m_current;
    m_current = index;
    LayOut();
    if (m_rects == before) {
        UpdateAround(previous);
        UpdateAround(index);
    } else {
        update();
    }
    NotifyTabSelected(this, index);
    Q_EMIT currentChanged(index);
}

QRect CTabCtrl::tabRect(int index) const
{
    return index >= 0 && index < count() ? m_rects[static_cast<std::size_t>(index)] : QRect();
}

int CTabCtrl::tabAt(const QPoint& pos) const
{
    const auto found = std::find_if(m_rects.begin(), m_rects.end(),
                                    [&](const QRect& r) { return r.contains(pos); });
    return found != m_rects.end() ? static_cast<int>(found - m_rects.begin()) : -1;
}

int CTabCtrl::heightForWidth(int width) const
{
    return static_cast<int>(BreakIntoRows(width).size()) * m_rowHeight;
}

QSize CTabCtrl::sizeHint() const
{
    int width = 0;
    for (const QSize& size : m_natural) {
        width += size.width();
    }
    return {width, m_rowHeight};
}

// Narrower than its widest tab, the control would cut that caption.
QSize CTabCtrl::minimumSizeHint() const
{
    int width = 0;
    for (const QSize& size : m_natural) {
        width = std::max(width, size.width());
    }
    return {width, m_rowHeight};
}

bool CTabCtrl::event(QEvent* event)
{
    switch (event->type()) {
        case QEvent::HoverMove:
        case QEvent::HoverEnter:
            SetHovered(tabAt(static_cast<QHoverEvent*>(event)->position().toPoint()));
            break;
        case QEvent::HoverLeave:
            SetHovered(-1);
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void CTabCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        MeasureTabs();
        LayOut();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

// The style draws each tab as it draws a tab bar's; the current tab is drawn last, over
// its neighbours, as a tab bar does.
void CTabCtrl::paintEvent(QPaintEvent* event)
{
    QStylePainter painter(this);
    const auto drawTab = [&](int index) {
        if (tabRect(index).intersects(event->rect())) {
            const QStyleOptionTab option = PlacedTabOption(index);
            painter.drawPixmap(option.rect.topLeft(), TabPicture(option));
        }
    };
    for (int index = 0; index < count(); ++index) {
        if (index != m_current) {
            drawTab(index);
        }
    }
    if (m_current >= 0) {
        drawTab(m_current);
    }
}

// A tab's caption and index, as the style reads them to size or draw it.
QStyleOptionTab CTabCtrl::TabOption(int index) const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = m_texts[index];
    option.tabIndex = index;
    return option;
}

// The tab where it lies now, with the state it is drawn in: its place in its row, its
// neighbours' selection, and whether it is current, focused or under the mouse.
QStyleOptionTab CTabCtrl::PlacedTabOption(int index) const
{
    const std::size_t i = static_cast<std::size_t>(index);
    QStyleOptionTab option = TabOption(index);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.rect = m_rects[i];
    const bool first = index == 0 || m_rects[i - 1].top() != m_rects[i].top();
    const bool last = index + 1 == count() || m_rects[i + 1].top() != m_rects[i].top();
    option.position = first && last ? QStyleOptionTab::OnlyOneTab
                      : first       ? QStyleOptionTab::Beginning
                      : last        ? QStyleOptionTab::End
                                    : QStyleOptionTab::Middle;
    option.selectedPosition = !last && index + 1 == m_current ? QStyleOptionTab::NextIsSelected
                              : !first && index - 1 == m_current
                                  ? QStyleOptionTab::PreviousIsSelected
                                  : QStyleOptionTab::NotAdjacent;
    if (index == m_current) {
        option.state |= QStyle::State_Selected;
        if (hasFocus()) {
            option.state |= QStyle::State_HasFocus;
        }
    }
    if (index == m_hovered && isEnabled()) {
        option.state |= QStyle::State_MouseOver;
    }
    return option;
}

// Each look of a tab is drawn once and kept: when the rows change places the tabs keep
// their looks, so a switch to another row only moves pictures.
QPixmap CTabCtrl::TabPicture(const QStyleOptionTab& option) const
{
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("CTabCtrl/%1/%2/%3/%4/%5/%6/%7/%8")
                            .arg(QString::number(reinterpret_cast<quintptr>(style())),
                                 QString::number(option.palette.cacheKey()), font().key(),
                                 QString::number(static_cast<int>(option.state)),
                                 QString::number(option.position * 4 + option.selectedPosition),
                                 QString::number(option.rect.width()) + QLatin1Char('x') +
                                     QString::number(option.rect.height()),
                                 QString::number(ratio), option.text);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) {
        return picture;
    }
    picture = QPixmap((QSizeF(option.rect.size()) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QStyleOptionTab local = option;
    local.rect.moveTo(0, 0);
    QPainter painter(&picture);
    style()->drawControl(QStyle::CE_TabBarTab, &local, &painter, this);
    painter.end();
    QPixmapCache::insert(key, picture);
    return picture;
}

void CTabCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int index = tabAt(event->position().toPoint());
    if (index >= 0) {
        setCurrentIndex(index);
    }
}

// The arrow keys move to the neighbouring tab, Home and End to the first and last; they
// stop at either end.
void CTabCtrl::keyPressEvent(QKeyEvent* event)
{
    int target = -1;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            target = m_current - 1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            target = m_current + 1;
            break;
        case Qt::Key_Home:
            target = 0;
            break;
        case Qt::Key_End:
            target = count() - 1;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrentIndex(std::clamp(target, 0, count() - 1));
}

void CTabCtrl::resizeEvent(QResizeEvent* event)
{
    LayOut();
    QWidget::resizeEvent(event);
}

std::vector<CTabCtrl::Row> CTabCtrl::BreakIntoRows(int width) const
{
    std::vector<Row> rows;
    int x = 0;
    for (int index = 0; index < count(); ++index) {
        const int tabWidth = m_natural[static_cast<std::size_t>(index)].width();
        if (rows.empty() || (x > 0 && x + tabWidth > width)) {
            rows.push_back({index, index});
            x = 0;
        }
        rows.back().last = index;
        x += tabWidth;
    }
    return rows;
}

QSize CTabCtrl::MeasureTab(int index) const
{
    const QStyleOptionTab option = TabOption(index);
    const QFontMetrics metrics = fontMetrics();
    const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QSize contents(metrics.size(Qt::TextShowMnemonic, option.text).width() + hspace,
                         metrics.height() + vspace);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

void CTabCtrl::MeasureTabs()
{
    m_natural.clear();
    m_rowHeight = 0;
    for (int index = 0; index < count(); ++index) {
        m_natural.push_back(MeasureTab(index));
        m_rowHeight = std::max(m_rowHeight, m_natural.back().height());
    }
}

// Rows are filled in tab order; with more than one, each is stretched to the full
// width so the rows line up. The rows keep their cyclic order, turned so that the one
// holding the current tab lies at the bottom, against the page: the current tab always
// touches its page, as on the desktop's property sheets.
void CTabCtrl::LayOut()
{
    const std::vector<Row> rows = BreakIntoRows(width());
    const int rowCount = static_cast<int>(rows.size());
    m_rowCount = rowCount;
    m_rects.assign(static_cast<std::size_t>(count()), QRect());
    const auto holdsCurrent = [&](const Row& row) {
        return m_current >= row.first && m_current <= row.last;
    };
    const auto found = std::find_if(rows.begin(), rows.end(), holdsCurrent);
    const int currentRow =
        found != rows.end() ? static_cast<int>(found - rows.begin()) : rowCount - 1;
    for (int r = 0; r < rowCount; ++r) {
        const Row& row = rows[static_cast<std::size_t>(r)];
        const int tabs = row.last - row.first + 1;
        int used = 0;
        for (int index = row.first; index <= row.last; ++index) {
            used += m_natural[static_cast<std::size_t>(index)].width();
        }
        const int extra = rowCount > 1 ? std::max(0, width() - used) : 0;
        const int top = ((r - currentRow - 1 + rowCount) % rowCount) * m_rowHeight;
        int x = 0;
        for (int index = row.first; index <= row.last; ++index) {
            const int n = index - row.first;
            const int tabWidth = m_natural[static_cast<std::size_t>(index)].width() + extra / tabs +
                                 (n < extra % tabs ? 1 : 0);
            m_rects[static_cast<std::size_t>(index)] = QRect(x, top, tabWidth, m_rowHeight);
            x += tabWidth;
        }
    }
}

void CTabCtrl::SetHovered(int index)
{
    if (index != m_hovered) {
        UpdateAround(m_hovered);
        m_hovered = index;
        UpdateAround(index);
    }
}

// A tab's look depends on its neighbours' (which of them is selected), and a style may
// draw the current tab a little beyond its place.
void CTabCtrl::UpdateAround(int index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    QRect area = tabRect(index);
    for (const int neighbour : {index - 1, index + 1}) {
        if (neighbour >= 0 && neighbour < count()) {
            area |= tabRect(neighbour);
        }
    }
    constexpr int kSpill = 4;
    update(area.adjusted(-kSpill, -kSpill, kSpill, kSpill));
}
