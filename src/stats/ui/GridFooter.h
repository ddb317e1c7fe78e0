#pragma once

#include <QStringList>
#include <QWidget>

class QTableView;

namespace tekvora::stats {

/// The sum row under a grid: one text per column, right-aligned under its column, following
/// the column widths and the horizontal scrolling of the grid.
class GridFooter : public QWidget
{
    Q_OBJECT

public:
    explicit GridFooter(QTableView *view, QWidget *parent = nullptr);

    void setTexts(const QStringList &texts); ///< by column; empty texts leave a column blank
    QString text(int column) const { return m_texts.value(column); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTableView *m_view;
    QStringList m_texts;
};

} // namespace tekvora::stats
