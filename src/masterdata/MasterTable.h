#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace tekvora::masterdata {

/// The number of a master record that people see and scan (O_Nr, P_Nr, T_Nr): unique per table.
struct NumberRule {
    QString field;
    /// Asked before a proposal replaces a number that is not zero.
    QString changeQuestion;
    /// Shown when another record has the number already; "%1" is the number.
    QString takenMessage;
    /// The next free number from the company's minimum.
    int (*nextFree)(QSqlDatabase) = nullptr;
};

/// How an editor treats one master table: its key, its number, the delete question and new-record values.
struct MasterTable {
    QString table;
    QString keyField;
    NumberRule number; ///< empty field: the table has no such number
    QString deleteQuestion;
    QVariantMap newRecordValues;
    /// Dependent rows deleted with the record, in the same transaction: "DELETE ... WHERE x = ?" with the key.
    QStringList deleteAlso = {};
};

/// Sites ("Objekte"), staff ("Personal") and activities ("Taetig").
MasterTable siteTable();
MasterTable staffTable();
MasterTable activityTable();

} // namespace tekvora::masterdata
