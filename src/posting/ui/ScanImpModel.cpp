#include "posting/ui/ScanImpModel.h"

#include "app/AppState.h"
#include "app/Durations.h"
#include "posting/RawScanRecord.h"
#include "posting/ScanCheck.h"
#include "posting/ScanStorage.h"

#include <QBrush>
#include <QColor>
#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::posting {

namespace {

const char *const columnTitles[ScanImpModel::ColumnCount] = {
    "Tourdatum", "Obj-ID", "ObjNr", "PersNr", "Job-ID", "Tätigkeit",
    "Beginn", "Ende", "Dauer", "Modus", "Stat", "ScannerID",
};

bool isNumericColumn(int column)
{
    switch (column) {
    case ScanImpModel::ColObjId:
    case ScanImpModel::ColObjNr:
    case ScanImpModel::ColPersNr:
    case ScanImpModel::ColJobId:
    case ScanImpModel::ColTaetigNr:
    case ScanImpModel::ColDauer:
    case ScanImpModel::ColScannerId:
        return true;
    default:
        return false;
    }
}

QDateTime dateTimeFrom(const QVariant &stored)
{
    return fromScanMinute(scanMinuteFromStorage(stored));
}

QString dateTimeText(const QDateTime &when)
{
    return when.isValid() ? when.toString(QStringLiteral("dd.MM.yyyy hh:mm")) : QString();
}

} // namespace

ScanImpModel::ScanImpModel(QSqlDatabase db, QObject *parent) : QAbstractTableModel(parent), m_db(std::move(db)) {}

bool ScanImpModel::reload(QString *error)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const bool ok = query.exec(QStringLiteral(
        "SELECT SC_ID, SC_EntryType, SC_TourDate, SC_ObjID, SC_ObjNr, SC_PersNr, SC_JobID, SC_TaetigNr,"
        " SC_StartTime, SC_EndTime, SC_Dauer, SC_CalcMode, SC_State, SC_ScannerID"
        " FROM Scanimp WHERE SC_TourType = 9 ORDER BY SC_ID"));
    beginResetModel();
    m_rows.clear();
    while (ok && query.next()) {
        Row &row = m_rows.emplace_back();
        row.id = query.value(0).toInt();
        row.entryType = query.value(1).toInt();
        row.tourDate = dateTimeFrom(query.value(2));
        row.objId = query.value(3).toInt();
        row.objNr = query.value(4).toInt();
        row.persNr = query.value(5).toInt();
        row.jobId = query.value(6).toInt();
        row.taetigNr = query.value(7).toInt();
        row.start = dateTimeFrom(query.value(8));
        row.end = dateTimeFrom(query.value(9));
        row.dauer = query.value(10).toDouble();
        row.calcMode = query.value(11).toInt();
        row.state = query.value(12).toInt();
        row.scannerId = query.value(13).toInt();
    }
    endResetModel();
    if (!ok && error)
        *error = query.lastError().text();
    return ok;
}

int ScanImpModel::recordId(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].id : 0;
}

int ScanImpModel::rowOfRecord(int id) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].id == id)
            return row;
    }
    return -1;
}

bool ScanImpModel::removeRecord(int row)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    QSqlQuery remove(m_db);
    remove.prepare(QStringLiteral("DELETE FROM Scanimp WHERE SC_ID = ?"));
    remove.addBindValue(m_rows[row].id);
    if (!remove.exec())
        return false;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    return true;
}

bool ScanImpModel::recalculateDuration(int row)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    const Row &record = m_rows[row];
    const double hours = hoursToStorage(app::spanHours(record.end.time(), record.start.time()));
    return setData(index(row, ColDauer), hours, Qt::EditRole);
}

void ScanImpModel::refreshDurations()
{
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, ColDauer), index(int(m_rows.size()) - 1, ColDauer), {Qt::DisplayRole});
}

int ScanImpModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ScanImpModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScanImpModel::displayValue(const Row &row, int column) const
{
    switch (column) {
    case ColTourDate:
        return row.tourDate.isValid() ? row.tourDate.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    case ColObjId:
        return row.objId;
    case ColObjNr:
        return row.objNr;
    case ColPersNr:
        return row.persNr;
    case ColJobId:
        return row.jobId;
    case ColTaetigNr:
        return row.taetigNr;
    case ColStart:
        return dateTimeText(row.start);
    case ColEnd:
        return dateTimeText(row.end);
    case ColDauer:
        return app::hoursDisplayText(row.dauer, app::appState().hourMinuteFormat);
    case ColCalcMode:
        return row.calcMode == 0 ? QStringLiteral("Scan") : QStringLiteral("Calc");
    case ColState:
        return scanStateText(row.state);
    case ColScannerId:
        return row.scannerId;
    default:
        return {};
    }
}

QVariant ScanImpModel::background(const Row &row, int column) const
{
    static const QColor white(0xFF, 0xFF, 0xFF);
    static const QColor red(0xFF, 0x00, 0x00);
    switch (column) {
    case ColTaetigNr:
        return QBrush(row.taetigNr == activitySiteChange ? QColor(0x00, 0x00, 0xFF) : white);
    case ColStart:
        return QBrush(row.start.isValid() ? white : red);
    case ColEnd:
        return QBrush(row.end.isValid() ? white : red);
    case ColDauer:
        return QBrush(row.dauer == 0.0 ? red : white);
    default:
        break;
    }
    switch (row.entryType) {
    case 0:
        return QBrush(white);
    case 1:
        return QBrush(QColor(0xCB, 0xFF, 0x97));
    case 3:
        return QBrush(QColor(0xE9, 0xE9, 0xE9));
    default:
        return QBrush(QColor(0xFA, 0xF8, 0x9C));
    }
}

QVariant ScanImpModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return displayValue(row, index.column());
    case Qt::EditRole:
        switch (index.column()) {
        case ColStart:
            return row.start.isValid() ? row.start : QDateTime(row.tourDate.date(), QTime(0, 0));
        case ColEnd:
            return row.end.isValid() ? row.end : row.start;
        case ColDauer:
            return row.dauer;
        default:
            return displayValue(row, index.column());
        }
    case Qt::BackgroundRole:
        return background(row, index.column());
    case Qt::TextAlignmentRole:
        return isNumericColumn(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant ScanImpModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(columnTitles[section]);
    if (role == Qt::TextAlignmentRole)
        return isNumericColumn(section) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ScanImpModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    switch (index.column()) {
    case ColTaetigNr:
    case ColStart:
    case ColEnd:
    case ColDauer:
        return flags | Qt::ItemIsEditable;
    default:
        return flags;
    }
}

bool ScanImpModel::save(int id, const char *field, const QVariant &value)
{
    QSqlQuery update(m_db);
    update.prepare(QStringLiteral("UPDATE Scanimp SET %1 = ? WHERE SC_ID = ?").arg(QLatin1String(field)));
    update.addBindValue(value);
    update.addBindValue(id);
    return update.exec();
}

bool ScanImpModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= m_rows.size())
        return false;
    Row &row = m_rows[index.row()];
    switch (index.column()) {
    case ColTaetigNr: {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (!ok || !save(row.id, "SC_TaetigNr", number))
            return false;
        row.taetigNr = number;
        break;
    }
    case ColStart:
    case ColEnd: {
        const QDateTime when = value.toDateTime();
        if (!when.isValid())
            return false;
        const QDateTime minute(when.date(), QTime(when.time().hour(), when.time().minute()));
        const bool start = index.column() == ColStart;
        if (!save(row.id, start ? "SC_StartTime" : "SC_EndTime", scanMinuteToStorage(toScanMinute(minute))))
            return false;
        (start ? row.start : row.end) = minute;
        break;
    }
    case ColDauer: {
        bool ok = false;
        const double hours = value.toDouble(&ok);
        if (!ok || hours < 0.0 || !save(row.id, "SC_Dauer", hoursToStorage(hours)))
            return false;
        row.dauer = hoursToStorage(hours);
        break;
    }
    default:
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

} // namespace tekvora::posting
