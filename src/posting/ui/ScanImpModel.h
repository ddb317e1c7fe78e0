#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSqlDatabase>

namespace tekvora::posting {

/// The raw scan records outside a tour plan as the posting dialog's grid shows and edits them.
/// Edits of "Tätigkeit", "Beginn", "Ende" and "Dauer" are saved at once.
class ScanImpModel : public QAbstractTableModel
{
public:
    enum Column {
        ColTourDate,
        ColObjId,
        ColObjNr,
        ColPersNr,
        ColJobId,
        ColTaetigNr,
        ColStart,
        ColEnd,
        ColDauer,
        ColCalcMode,
        ColState,
        ColScannerId,
        ColumnCount
    };

    explicit ScanImpModel(QSqlDatabase db, QObject *parent = nullptr);

    /// Reads the records again; false with the store's message in `error`.
    bool reload(QString *error = nullptr);
    /// Deletes a record from the store and the grid.
    bool removeRecord(int row);
    /// "Dauer neu berechnen": the duration from the record's start and end, saved.
    bool recalculateDuration(int row);
    /// The durations follow the program-wide "Stundenformat hh:mm" flag; call after it changed.
    void refreshDurations();
    int recordId(int row) const;
    int rowOfRecord(int id) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    struct Row
    {
        int id = 0;
        int entryType = 0;
        QDateTime tourDate;
        int objId = 0;
        int objNr = 0;
        int persNr = 0;
        int jobId = 0;
        int taetigNr = 0;
        QDateTime start;
        QDateTime end;
        double dauer = 0.0;
        int calcMode = 0;
        int state = 0;
        int scannerId = 0;
    };

    QVariant displayValue(const Row &row, int column) const;
    QVariant background(const Row &row, int column) const;
    bool save(int id, const char *field, const QVariant &value);

    QSqlDatabase m_db;
    QList<Row> m_rows;
};

} // namespace tekvora::posting
