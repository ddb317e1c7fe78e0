#include "stats/ui/StatsGrid.h"

#include "stats/ui/GridColumns.h"
#include "stats/ui/GridFilterDialog.h"
#include "stats/ui/GridFooter.h"
#include "stats/ui/StatsTableModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace tekvora::stats {

namespace {
constexpr int SearchPauseMs = 1500;
}

StatsGrid::StatsGrid(const ViewDefinition &definition, app::RecordNavigator::Buttons buttons, bool withFooter,
                     QWidget *parent)
    : QWidget(parent), m_model(new StatsTableModel(definition, this)), m_view(new QTableView(this)),
      m_navigator(new app::RecordNavigator(buttons, this)), m_searchLabel(new QLabel(this))
{
    m_view->setObjectName(QStringLiteral("grid"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    fitColumnsToWidth(m_view, definition.columns);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->installEventFilter(this);

    m_searchLabel->setObjectName(QStringLiteral("lblSearch"));
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_navigator);
    bar->addWidget(m_searchLabel, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    if (withFooter) {
        m_footer = new GridFooter(m_view, this);
        m_footer->setObjectName(QStringLiteral("footer"));
        layout->addWidget(m_footer);
    }

    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { emit currentRowChanged(current.isValid() ? current.row() : -1); });
    connect(m_navigator, &app::RecordNavigator::clicked, this, &StatsGrid::navigate);
    m_searchTimer.setSingleShot(true);
    m_searchTimer.setInterval(SearchPauseMs);
    connect(&m_searchTimer, &QTimer::timeout, this, &StatsGrid::endSearch);
}

void StatsGrid::clearFilter()
{
    m_filter.clear();
}

int StatsGrid::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void StatsGrid::setCurrentRow(int row)
{
    while (row >= m_model->rowCount() && m_model->canFetchMore())
        m_model->fetchMore();
    row = qMin(row, m_model->rowCount() - 1);
    if (row < 0) {
        m_view->setCurrentIndex({});
        return;
    }
    const int column = qMax(0, m_view->currentIndex().column());
    m_view->setCurrentIndex(m_model->index(row, column));
    m_view->scrollTo(m_model->index(row, column));
}

void StatsGrid::rowsReloaded()
{
    endSearch();
    if (m_model->rowCount() > 0)
        setCurrentRow(0);
    else
        emit currentRowChanged(-1);
}

void StatsGrid::navigate(app::RecordNavigator::Button which)
{
    const int page = qMax(1, m_view->viewport()->height() / qMax(1, m_view->verticalHeader()->defaultSectionSize()));
    const int row = currentRow();
    switch (which) {
    case app::RecordNavigator::First:
        setCurrentRow(0);
        break;
    case app::RecordNavigator::PriorPage:
        setCurrentRow(qMax(0, row - page));
        break;
    case app::RecordNavigator::Prior:
        setCurrentRow(qMax(0, row - 1));
        break;
    case app::RecordNavigator::Next:
        setCurrentRow(row + 1);
        break;
    case app::RecordNavigator::NextPage:
        setCurrentRow(row + page);
        break;
    case app::RecordNavigator::Last:
        m_model->fetchAll();
        setCurrentRow(m_model->rowCount() - 1);
        break;
    case app::RecordNavigator::Refresh:
        emit refreshRequested();
        break;
    case app::RecordNavigator::Filter:
        editFilter();
        break;
    default:
        break;
    }
}

void StatsGrid::editFilter()
{
    GridFilterDialog dialog(m_model->definition(), m_filter, qMax(0, m_view->currentIndex().column()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_filter = dialog.filter();
    m_navigator->button(app::RecordNavigator::Filter)->setToolTip(
        m_filter.isEmpty() ? QStringLiteral("Filter festlegen") : m_filter.text());
    emit filterChanged();
}

bool StatsGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && !m_search.isEmpty()) {
            endSearch();
            return true;
        }
        if (key->key() == Qt::Key_Backspace && !m_search.isEmpty()) {
            m_search.chop(1);
            searchKey({});
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            searchKey(text);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StatsGrid::searchKey(const QString &text)
{
    const int column = qMax(0, m_view->currentIndex().column());
    const QString wanted = m_search + text;
    const int row = wanted.isEmpty() ? currentRow() : m_model->findPrefix(column, wanted, 0);
    if (row < 0) {
        QApplication::beep();
    } else {
        m_search = wanted;
        m_view->setCurrentIndex(m_model->index(row, column));
        m_view->scrollTo(m_model->index(row, column));
    }
    m_searchLabel->setText(m_search.isEmpty() ? QString() : QStringLiteral("Suche: ") + m_search);
    m_searchTimer.start();
}

void StatsGrid::endSearch()
{
    m_search.clear();
    m_searchLabel->clear();
    m_searchTimer.stop();
}

} // namespace tekvora::stats
