#include "stats/ui/GridFilterDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tekvora::stats {

GridFilterDialog::GridFilterDialog(const ViewDefinition &definition, const GridFilter &filter, int column,
                                   QWidget *parent)
    : QDialog(parent), m_definition(definition), m_filter(filter), m_column(new QComboBox(this)),
      m_operator(new QComboBox(this)), m_value(new QLineEdit(this)), m_message(new QLabel(this)),
      m_conditions(new QListWidget(this))
{
    setObjectName(QStringLiteral("GridFilterDialog"));
    setWindowTitle(QStringLiteral("Filter"));
    m_column->setObjectName(QStringLiteral("cbColumn"));
    m_operator->setObjectName(QStringLiteral("cbOperator"));
    m_value->setObjectName(QStringLiteral("edValue"));
    m_conditions->setObjectName(QStringLiteral("lstConditions"));
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setStyleSheet(QStringLiteral("color: #c00000"));
    for (const StatsColumn &c : definition.columns)
        m_column->addItem(c.caption);

    auto *add = new QPushButton(QStringLiteral("Bedingung &setzen"), this);
    add->setObjectName(QStringLiteral("btnAdd"));
    auto *remove = new QPushButton(QStringLiteral("Bedingung &entfernen"), this);
    remove->setObjectName(QStringLiteral("btnRemove"));
    auto *clear = new QPushButton(QStringLiteral("&Alle entfernen"), this);
    clear->setObjectName(QStringLiteral("btnClear"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Übernehmen"), QDialogButtonBox::AcceptRole)->setObjectName(
        QStringLiteral("btnOk"));
    buttons->addButton(QStringLiteral("Abbre&chen"), QDialogButtonBox::RejectRole)->setObjectName(
        QStringLiteral("btnCancel"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Spalte"), this), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Vergleich"), this), 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Wert"), this), 0, 2);
    layout->addWidget(m_column, 1, 0);
    layout->addWidget(m_operator, 1, 1);
    layout->addWidget(m_value, 1, 2);
    layout->addWidget(add, 1, 3);
    layout->addWidget(m_message, 2, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("Bedingungen (alle müssen zutreffen)"), this), 3, 0, 1, 4);
    layout->addWidget(m_conditions, 4, 0, 3, 3);
    layout->addWidget(remove, 4, 3);
    layout->addWidget(clear, 5, 3);
    layout->addWidget(buttons, 7, 0, 1, 4);

    connect(m_column, &QComboBox::currentIndexChanged, this, &GridFilterDialog::columnChosen);
    connect(add, &QPushButton::clicked, this, &GridFilterDialog::addCondition);
    connect(m_value, &QLineEdit::returnPressed, this, &GridFilterDialog::addCondition);
    connect(remove, &QPushButton::clicked, this, &GridFilterDialog::removeCondition);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_filter.clear();
        showConditions();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_column->setCurrentIndex(qBound(0, column, int(definition.columns.size()) - 1));
    columnChosen(m_column->currentIndex());
    showConditions();
    m_value->setFocus();
}

void GridFilterDialog::columnChosen(int column)
{
    m_operator->clear();
    if (column < 0)
        return;
    for (FilterOperator op : filterOperators(m_definition.columns.at(column).kind))
        m_operator->addItem(filterOperatorText(op), int(op));
}

void GridFilterDialog::addCondition()
{
    FilterCondition condition;
    QString error;
    const auto op = static_cast<FilterOperator>(m_operator->currentData().toInt());
    if (!makeFilterCondition(m_definition.columns.at(m_column->currentIndex()), op, m_value->text(), &condition,
                             &error)) {
        m_message->setText(error);
        return;
    }
    m_message->clear();
    m_filter.set(condition);
    m_value->clear();
    showConditions();
}

void GridFilterDialog::removeCondition()
{
    const int row = m_conditions->currentRow();
    if (row >= 0 && row < m_filter.conditions().size())
        m_filter.remove(m_filter.conditions().at(row).column.field);
    showConditions();
}

void GridFilterDialog::showConditions()
{
    m_conditions->clear();
    for (const FilterCondition &c : m_filter.conditions()) {
        GridFilter single;
        single.set(c);
        m_conditions->addItem(single.text());
    }
}

} // namespace tekvora::stats
