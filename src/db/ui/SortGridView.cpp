#include "db/ui/SortGridView.h"

#include "app/UserPrompt.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace tekvora::db {

namespace {

/// Typed text never exceeds the field: the editor takes at most the column's maximum length.
class FieldSizeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        const int maxLength = index.data(GridMaxLengthRole).toInt();
        if (auto *line = qobject_cast<QLineEdit *>(editor); line && maxLength > 0)
            line->setMaxLength(maxLength);
        return editor;
    }
};

} // namespace

SortGridView::SortGridView(QWidget *parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    setItemDelegate(new FieldSizeDelegate(this));
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &SortGridView::sortGridByColumn);
}

void SortGridView::setSortIndexes(QList<IndexDef> indexes, SortRule rule)
{
    m_indexes = std::move(indexes);
    m_rule = rule;
}

void SortGridView::setGridModel(SqlGridModel *model)
{
    m_model = model;
    setModel(model);
    for (int c = 0; c < model->columns().size(); ++c)
        setColumnWidth(c, model->columns()[c].width);
}

int SortGridView::designedWidth() const
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    if (m_model)
        for (const GridColumn &column : m_model->columns())
            width += column.width;
    return width;
}

void SortGridView::sortGridByColumn(int column)
{
    if (!m_model || column < 0 || column >= m_model->columns().size())
        return;
    const QString field = m_model->columns()[column].field;
    if (m_indexes.isEmpty()) {
        sortGridByField(field);
        return;
    }
    QStringList fields;
    for (const GridColumn &c : m_model->columns())
        fields << c.field;
    const IndexChoice choice = m_rule == SortRule::FieldBegins
                                   ? chooseIndexForColumn(lastSort(), m_indexes, fields, field)
                                   : chooseIndexForField(lastSort(), m_indexes, fields, field, false);
    if (choice.index && !choice.index->fields.isEmpty())
        sortGridByField(choice.index->fields.first());
}

void SortGridView::sortGridByField(const QString &field)
{
    if (!m_model || m_model->columns().isEmpty())
        return;
    const QVariant key = currentKey();
    const bool shown = std::any_of(m_model->columns().cbegin(), m_model->columns().cend(), [&](const GridColumn &c) {
        return c.field.compare(field, Qt::CaseInsensitive) == 0;
    });
    m_model->setSortField(shown ? field : m_model->columns().first().field);
    goToKey(key);
    emit sortFieldChanged(m_model->sortField());
}

void SortGridView::goToRow(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : std::max(0, m_model->sortColumn());
    const QModelIndex index = m_model->index(row, column);
    setCurrentIndex(index);
    scrollTo(index);
}

void SortGridView::goToKey(const QVariant &key)
{
    if (!m_model)
        return;
    const int row = m_model->rowOfKey(key);
    goToRow(row < 0 ? 0 : row);
}

QVariant SortGridView::currentKey() const
{
    return m_model && currentIndex().isValid() ? m_model->keyAt(currentIndex().row()) : QVariant();
}

void SortGridView::attachSearchBox(QLineEdit *searchBox, app::UserPrompt &prompt)
{
    m_searchBox = searchBox;
    m_prompt = &prompt;
    searchBox->installEventFilter(this);
    connect(searchBox, &QLineEdit::textEdited, this, &SortGridView::searchFor);
}

void SortGridView::startSearchWith(QChar key)
{
    if (!m_searchBox)
        return;
    m_searchBox->clear();
    m_searchBox->setFocus();
    if (takeSearchKey(key)) {
        m_searchBox->setText(QString(key));
        searchFor(m_searchBox->text());
    }
}

void SortGridView::searchFor(const QString &text)
{
    if (m_model)
        goToRow(m_model->rowOfNearest(text));
}

bool SortGridView::takeSearchKey(QChar key)
{
    const int column = m_model ? m_model->sortColumn() : -1;
    const SearchKeyDecision decision =
        decideSearchKey(column, m_model ? m_model->searchKind(column) : SearchFieldKind::NotSearchable,
                        m_searchBox->text(), key);
    if (decision.notSearchable && m_prompt)
        m_prompt->inform(QStringLiteral("Dieses Feld ist kein Suchfeld!"));
    if (decision.clearText)
        m_searchBox->clear();
    return decision.accept;
}

bool SortGridView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_searchBox || event->type() != QEvent::KeyPress)
        return QTableView::eventFilter(watched, event);
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    const QString text = keyEvent->text();
    if (text.size() != 1 || keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QChar key = text.front();
    // Only typed characters are filtered; Enter, Esc, Tab and editing keys keep their meaning.
    if (key != BackspaceKey && !key.isPrint())
        return false;
    return !takeSearchKey(key);
}

void SortGridView::focusInEvent(QFocusEvent *event)
{
    setBackground(QPalette::ToolTipBase);
    QTableView::focusInEvent(event);
}

void SortGridView::focusOutEvent(QFocusEvent *event)
{
    setBackground(QPalette::Base);
    QTableView::focusOutEvent(event);
}

void SortGridView::setBackground(QPalette::ColorRole role)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QGuiApplication::palette().color(role));
    setPalette(pal);
}

} // namespace tekvora::db
