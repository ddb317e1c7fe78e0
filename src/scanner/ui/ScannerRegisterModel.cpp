#include "scanner/ui/ScannerRegisterModel.h"

#include "scanner/ScannerRegisterColumns.h"

#include <QFont>
#include <QSqlRecord>

namespace tekvora::scanner::ui {

namespace {
const QString DateStorage = QStringLiteral("yyyy-MM-dd");
const QString DateTimeStorage = QStringLiteral("yyyy-MM-dd hh:mm:ss");
} // namespace

ScannerRegisterModel::ScannerRegisterModel(QSqlDatabase db, QObject *parent) : QSqlTableModel(parent, db)
{
    setTable(QStringLiteral("Scandev"));
    setEditStrategy(QSqlTableModel::OnRowChange);
    setSort(fieldIndex(QStringLiteral("SV_ID")), Qt::AscendingOrder);
}

QString ScannerRegisterModel::fieldOf(int column) const
{
    return record().fieldName(column);
}

QVariant ScannerRegisterModel::data(const QModelIndex &index, int role) const
{
    const QString field = fieldOf(index.column());
    const QVariant value = QSqlTableModel::data(index, Qt::EditRole);
    if (field == QLatin1String("SV_Bindung")) {
        if (role == Qt::DisplayRole)
            return value.toBool() ? QStringLiteral("Ja") : QStringLiteral("Nein");
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (role == Qt::EditRole)
            return value.toBool();
    }
    if (role == Qt::DisplayRole && field == QLatin1String("SV_ErhaltenAm"))
        return QDate::fromString(value.toString(), DateStorage).toString(QStringLiteral("dd.MM.yyyy"));
    if (role == Qt::DisplayRole && field == QLatin1String("SV_Zuletztgelesen"))
        return QDateTime::fromString(value.toString(), DateTimeStorage).toString(QStringLiteral("dd.MM.yyyy hh:mm"));
    if (role == Qt::EditRole && field == QLatin1String("SV_ErhaltenAm"))
        return QDate::fromString(value.toString(), DateStorage);
    return QSqlTableModel::data(index, role);
}

bool ScannerRegisterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const QString field = fieldOf(index.column());
    if (role == Qt::EditRole && field == QLatin1String("SV_Bindung"))
        return QSqlTableModel::setData(index, value.toBool() ? 1 : 0, role);
    if (role == Qt::EditRole && field == QLatin1String("SV_ErhaltenAm")) {
        const QDate date = value.toDate();
        return QSqlTableModel::setData(index, date.isValid() ? QVariant(date.toString(DateStorage)) : QVariant(),
                                       role);
    }
    return QSqlTableModel::setData(index, value, role);
}

QVariant ScannerRegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        const QString field = fieldOf(section);
        if (role == Qt::DisplayRole)
            for (const RegisterColumn &column : registerColumns())
                if (column.field == field)
                    return column.caption;
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
    }
    return QSqlTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ScannerRegisterModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QSqlTableModel::flags(index);
    return fieldOf(index.column()) == QLatin1String("SV_Zuletztgelesen") ? base & ~Qt::ItemIsEditable : base;
}

} // namespace tekvora::scanner::ui
