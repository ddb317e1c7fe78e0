#include "stats/ui/GridFooter.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace tekvora::stats {

GridFooter::GridFooter(QTableView *view, QWidget *parent) : QWidget(parent), m_view(view)
{
    QHeaderView *header = view->horizontalHeader();
    const auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void GridFooter::setTexts(const QStringList &texts)
{
    m_texts = texts;
    update();
}

QSize GridFooter::sizeHint() const
{
    return {100, fontMetrics().height() + 8};
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    painter.setPen(palette().mid().color());
    painter.drawLine(rect().topLeft(), rect().topRight());
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().buttonText().color());
    const QHeaderView *header = m_view->horizontalHeader();
    // The grid's viewport starts after its frame (and the vertical header when shown).
    const int offset = m_view->viewport()->mapTo(window(), QPoint()).x() - mapTo(window(), QPoint()).x();
    for (int column = 0; column < m_texts.size(); ++column) {
        if (m_texts.at(column).isEmpty() || header->isSectionHidden(column))
            continue;
        const int x = offset + header->sectionViewportPosition(column);
        const QRect cell(x + 2, 0, header->sectionSize(column) - 6, height());
        painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, m_texts.at(column));
    }
}

} // namespace tekvora::stats
