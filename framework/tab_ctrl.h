// The property sheet's tab control: every caption whole and in sight, on as many rows
// as the width needs, the selected tab's row next to the page. Its calls are named as
// QTabBar names them, so code written against a tab bar reads the same.
#pragma once

#include <QRect>
#include <QStringList>
#include <QStyleOptionTab>
#include <QWidget>
#include <vector>

class CTabCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CTabCtrl(QWidget* parent = nullptr);

    int addTab(const QString& text);
    int count() const { return static_cast<int>(m_texts.size()); }
    QString tabText(int index) const;
    int currentIndex() const { return m_current; }
    // Makes the tab current and reports it through currentChanged.
    void setCurrentIndex(int index);

    // Where the tab lies now, in the control's coordinates; the rows move with the
    // selection, so this changes when another tab is chosen.
    QRect tabRect(int index) const;
    // The tab under pos, or -1.
    int tabAt(const QPoint& pos) const;
    int rowCount() const { return m_rowCount; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void currentChanged(int index);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        int first;
        int last;
    };
    // Splits the tabs into rows no wider than width, in tab order.
    std::vector<Row> BreakIntoRows(int width) const;
    // A tab's own size, as the style sizes a tab bar's tab for its caption.
    QSize MeasureTab(int index) const;
    void MeasureTabs();
    void LayOut();
    void SetHovered(int index);
    QStyleOptionTab TabOption(int index) const;
    QStyleOptionTab PlacedTabOption(int index) const;
    QPixmap TabPicture(const QStyleOptionTab& option) const;
    // Repaints the tab and its neighbours only.
    void UpdateAround(int index);

    QStringList m_texts;
    std::vector<QSize> m_natural;  // each tab's own size, from the style
    std::vector<QRect> m_rects;
    int m_current = -1;
    int m_hovered = -1;
    int m_rowCount = 0;
    int m_rowHeight = 0;
};
