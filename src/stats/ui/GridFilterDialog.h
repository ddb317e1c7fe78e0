#pragma once

#include "stats/GridFilter.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tekvora::stats {

/// Sets the conditions of a grid filter: column, comparison and value; all conditions must hold.
class GridFilterDialog : public QDialog
{
    Q_OBJECT

public:
    GridFilterDialog(const ViewDefinition &definition, const GridFilter &filter, int column,
                     QWidget *parent = nullptr);

    const GridFilter &filter() const { return m_filter; }

private:
    void columnChosen(int column);
    void addCondition();
    void removeCondition();
    void showConditions();

    const ViewDefinition &m_definition;
    GridFilter m_filter;
    QComboBox *m_column;
    QComboBox *m_operator;
    QLineEdit *m_value;
    QLabel *m_message;
    QListWidget *m_conditions;
};

} // namespace tekvora::stats
