#include "stats/ui/SelectorGrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace tekvora::stats::ui {

namespace {

constexpr int gridLine = 1;

bool leftButtonAlone(const QMouseEvent *event)
{
    return event->modifiers() == Qt::NoModifier;
}

} // namespace

SelectorGrid::SelectorGrid(int rows, int columns, QSize cellSize, int firstColumnWidth, QWidget *parent)
    : QWidget(parent), m_rows(rows), m_columns(columns), m_cellSize(cellSize), m_firstColumnWidth(firstColumnWidth)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SelectorGrid::setLookFunction(LookFunction look)
{
    m_look = std::move(look);
    update();
}

QRect SelectorGrid::cellRect(int row, int column) const
{
    const int x = column == 0 ? gridLine : gridLine + m_firstColumnWidth + gridLine + (column - 1) * (m_cellSize.width() + gridLine);
    const int width = column == 0 ? m_firstColumnWidth : m_cellSize.width();
    const int y = gridLine + row * (m_cellSize.height() + gridLine);
    return QRect(x, y, width, m_cellSize.height());
}

QSize SelectorGrid::sizeHint() const
{
    const QRect last = cellRect(m_rows - 1, m_columns - 1);
    return QSize(last.right() + 1 + gridLine, last.bottom() + 1 + gridLine);
}

bool SelectorGrid::cellAt(const QPoint &point, int &row, int &column) const
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            if (cellRect(r, c).adjusted(0, 0, gridLine, gridLine).contains(point)) {
                row = r;
                column = c;
                return true;
            }
    return false;
}

void SelectorGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (!m_look)
        return;
    const QFont normal = font();
    QFont bold = font();
    bold.setBold(true);
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            const CellLook look = m_look(r, c);
            const QRect cell = cellRect(r, c);
            painter.fillRect(cell, look.background);
            painter.setPen(look.foreground);
            painter.setFont(look.bold ? bold : normal);
            const QRect textArea = look.alignment & Qt::AlignHCenter ? cell : cell.adjusted(look.indent, 0, -2, 0);
            painter.drawText(textArea, int(look.alignment), look.text);
        }
    }
}

void SelectorGrid::mousePressEvent(QMouseEvent *event)
{
    int row = 0;
    int column = 0;
    if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton && leftButtonAlone(event) &&
        cellAt(event->position().toPoint(), row, column))
        emit cellPressed(row, column);
}

void SelectorGrid::mouseMoveEvent(QMouseEvent *event)
{
    int row = 0;
    int column = 0;
    if (event->buttons() == Qt::LeftButton && leftButtonAlone(event) && cellAt(event->position().toPoint(), row, column))
        emit cellDragged(row, column);
}

void SelectorGrid::mouseReleaseEvent(QMouseEvent *event)
{
    int row = 0;
    int column = 0;
    if (event->button() == Qt::LeftButton && event->buttons() == Qt::NoButton && leftButtonAlone(event) &&
        cellAt(event->position().toPoint(), row, column))
        emit cellDragged(row, column);
}

} // namespace tekvora::stats::ui
