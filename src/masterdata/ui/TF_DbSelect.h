#pragma once

#include "db/ui/GridColumn.h"

#include <QDialog>
#include <QPoint>
#include <QVariant>

class QLineEdit;
class QPushButton;

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::db {
class SortGridView;
class SqlGridModel;
} // namespace tekvora::db

namespace tekvora::masterdata {

/// What a table choice shows: the table, its key, the grid as the caller designs it, and where.
struct DbSelectRequest
{
    QString connectionName = QStringLiteral("Vidizavid");
    QString table;
    QString keyField;
    db::GridColumns columns;
    int gridHeight = 200;
    db::SqlFilter filter;
    QString caption;
    QPoint topLeft;
};

/// The generic choice of one row of a table.
class TF_DbSelect : public QDialog
{
    Q_OBJECT

public:
    /// Shows the choice modally. True when the user chose a row; `key` then holds its key and is left
    /// alone otherwise. The grid opens sorted by `sortField` (the key when empty), which receives the
    /// sorting in use at the end so the next call opens the same way.
    static bool choose(const DbSelectRequest &request, QVariant &key, QString &sortField, app::UserPrompt &prompt,
                       QWidget *parent = nullptr);

    TF_DbSelect(const DbSelectRequest &request, const QVariant &preselected, const QString &sortField,
                app::UserPrompt &prompt, QWidget *parent = nullptr);
    ~TF_DbSelect() override;

    /// False when the table could not be read; the user has been told.
    bool isReady() const { return m_ready; }
    QVariant currentKey() const;
    QString sortField() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow(const DbSelectRequest &request, app::UserPrompt &prompt);

    db::SqlGridModel *m_model = nullptr;
    db::SortGridView *m_grid = nullptr;
    QLineEdit *m_search = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_ready = false;
};

} // namespace tekvora::masterdata
