#pragma once

#include <QSqlTableModel>

namespace tekvora::scanner::ui {

/// The live register table Scandev as the grid shows it: German dates, "Ja"/"Nein", bold captions,
/// "Zuletzt gelesen" read-only. Edits are written back when the row is left.
class ScannerRegisterModel : public QSqlTableModel
{
    Q_OBJECT

public:
    explicit ScannerRegisterModel(QSqlDatabase db, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QString fieldOf(int column) const;
};

} // namespace tekvora::scanner::ui
