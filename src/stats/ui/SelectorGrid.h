#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

namespace tekvora::stats::ui {

/// How one cell of a SelectorGrid looks.
struct CellLook
{
    QString text;
    QColor background;
    QColor foreground;
    bool bold = false;
    int indent = 4;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

/// A small fixed grid painted from a cell function; reports the left-button gestures by cell.
/// "Held" means the left button alone, without any other button or modifier key.
class SelectorGrid : public QWidget
{
    Q_OBJECT

public:
    using LookFunction = std::function<CellLook(int row, int column)>;

    SelectorGrid(int rows, int columns, QSize cellSize, int firstColumnWidth, QWidget *parent = nullptr);

    void setLookFunction(LookFunction look);
    /// The cell's rectangle in widget coordinates.
    QRect cellRect(int row, int column) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void cellPressed(int row, int column);
    /// Released over a cell, or moved onto it while held.
    void cellDragged(int row, int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    /// Row and column under the point; false outside the cells.
    bool cellAt(const QPoint &point, int &row, int &column) const;

    int m_rows;
    int m_columns;
    QSize m_cellSize;
    int m_firstColumnWidth;
    LookFunction m_look;
};

} // namespace tekvora::stats::ui
