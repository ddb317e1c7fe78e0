#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tekvora::db {

/// A file of the import template directory, as written: Windows-1252 with CR LF.
struct ImportTemplateFile
{
    QString name;
    QByteArray content;
};

/// The definitions "Objekt.imp", "Personal.imp", "Taetig.imp" with an example mapping each, and
/// an example data file for each kind ("Objekte.asc", "Personal.asc", "Taetig.asc").
QList<ImportTemplateFile> importTemplateFiles();

} // namespace tekvora::db
