#include "db/ImportTemplateFiles.h"

#include <QStringList>

namespace tekvora::db {

namespace {

/// Windows-1252 with CR LF; the texts here use no character outside Latin-1, where both agree.
QByteArray windowsText(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

/// A mapping line with the number right-aligned in four places, as the definition editor keeps them.
QString mapping(int number, const QString &field, const QString &source, const QString &note)
{
    return QString::number(number).rightJustified(4) + u':' + field + u'=' + source + u'>' + note;
}

QString column(int number)
{
    return QString::number(number).rightJustified(4);
}

QStringList header(const QString &kind, const QString &table, const QString &dataFile)
{
    return {
        QStringLiteral("; Importdefinition für %1 (Tabelle %2)").arg(kind, table),
        QStringLiteral(";"),
        QStringLiteral("; Einstellungen"),
        QStringLiteral(";   DELIM  Textbegrenzer, leer für Dateien ohne Begrenzer"),
        QStringLiteral(";   SEPAR  Feldtrenner, auch als # mit Zeichencode (#9 ist der Tabulator)"),
        QStringLiteral(";   SFILE  Datendatei mit Pfad, leer für %1 im Import-Verzeichnis").arg(dataFile),
        QStringLiteral(";"),
        QStringLiteral("; Zuordnungen, eine je Zeile, in der Form   Nr, Doppelpunkt, FELD=QUELLE>Bemerkung"),
        QStringLiteral(";   FELD    ein Feld der Tabelle"),
        QStringLiteral(";   QUELLE  der Spaltenname aus der Kopfzeile der Datendatei (Groß- und"),
        QStringLiteral(";           Kleinschreibung zählen) oder & mit einem festen Wert für jeden Satz"),
        QStringLiteral(";   hinter > steht hier die Nummer der Spalte, nur zur Orientierung"),
        QStringLiteral(";"),
        QStringLiteral("DELIM=\""),
        QStringLiteral("SEPAR=;"),
        QStringLiteral("SFILE="),
    };
}

QStringList siteDefinition()
{
    return header(QStringLiteral("Objekte"), QStringLiteral("Objekte.DB"), QStringLiteral("Objekte.asc"))
           + QStringList{
               mapping(1, QStringLiteral("O_Nr"), QStringLiteral("Objektnummer"), column(1)),
               mapping(2, QStringLiteral("O_Match"), QStringLiteral("Suchbegriff"), column(2)),
               mapping(3, QStringLiteral("O_Name1"), QStringLiteral("Name1"), column(3)),
               mapping(4, QStringLiteral("O_Name2"), QStringLiteral("Name2"), column(4)),
               mapping(5, QStringLiteral("O_Strasse"), QStringLiteral("Strasse"), column(5)),
               mapping(6, QStringLiteral("O_Plz"), QStringLiteral("PLZ"), column(6)),
               mapping(7, QStringLiteral("O_Ort"), QStringLiteral("Ort"), column(7)),
               mapping(8, QStringLiteral("O_Telefon"), QStringLiteral("Telefon"), column(8)),
               mapping(9, QStringLiteral("O_Aktiv"), QStringLiteral("&1"), QStringLiteral("fester Wert: aktiv")),
           };
}

QStringList siteData()
{
    return {
        QStringLiteral("\"Objektnummer\";\"Suchbegriff\";\"Name1\";\"Name2\";\"Strasse\";\"PLZ\";\"Ort\";\"Telefon\""),
        QStringLiteral("\"1001\";\"RATHAUS\";\"Rathaus Musterstadt\";\"Verwaltung\";\"Marktplatz 1\";\"12345\";"
                       "\"Musterstadt\";\"01234 5678-0\""),
        QStringLiteral("\"1002\";\"SCHULE NORD\";\"Grundschule Nord\";\"\";\"Schulweg 7\";\"12345\";\"Musterstadt\";"
                       "\"01234 5678-20\""),
        QStringLiteral("\"1003\";\"BAD\";\"Hallenbad am Park\";\"Eingang Süd\";\"Parkstraße 12\";\"12347\";"
                       "\"Musterstadt\";\"\""),
    };
}

QStringList staffDefinition()
{
    return header(QStringLiteral("Mitarbeiter"), QStringLiteral("Personal.DB"), QStringLiteral("Personal.asc"))
           + QStringList{
               mapping(1, QStringLiteral("P_Nr"), QStringLiteral("Personalnummer"), column(1)),
               mapping(2, QStringLiteral("P_Match"), QStringLiteral("Suchbegriff"), column(2)),
               mapping(3, QStringLiteral("P_Name1"), QStringLiteral("Name"), column(3)),
               mapping(4, QStringLiteral("P_Vorname"), QStringLiteral("Vorname"), column(4)),
               mapping(5, QStringLiteral("P_Strasse"), QStringLiteral("Strasse"), column(5)),
               mapping(6, QStringLiteral("P_Plz"), QStringLiteral("PLZ"), column(6)),
               mapping(7, QStringLiteral("P_Ort"), QStringLiteral("Ort"), column(7)),
               mapping(8, QStringLiteral("P_Telefon"), QStringLiteral("Telefon"), column(8)),
               mapping(9, QStringLiteral("P_Eintritt"), QStringLiteral("Eintritt"), column(9)),
               mapping(10, QStringLiteral("P_Aktiv"), QStringLiteral("&1"), QStringLiteral("fester Wert: aktiv")),
           };
}

QStringList staffData()
{
    return {
        QStringLiteral("\"Personalnummer\";\"Suchbegriff\";\"Name\";\"Vorname\";\"Strasse\";\"PLZ\";\"Ort\";"
                       "\"Telefon\";\"Eintritt\""),
        QStringLiteral("\"101\";\"MÜLLER\";\"Müller\";\"Anna\";\"Gartenstraße 3\";\"12345\";\"Musterstadt\";"
                       "\"01234 11111\";\"01.02.2007\""),
        QStringLiteral("\"102\";\"SCHMIDT\";\"Schmidt\";\"Jörg\";\"Am Anger 9\";\"12346\";\"Musterstadt\";\"\";"
                       "\"15.08.2019\""),
    };
}

QStringList activityDefinition()
{
    return header(QStringLiteral("Tätigkeiten"), QStringLiteral("Taetig.DB"), QStringLiteral("Taetig.asc"))
           + QStringList{
               mapping(1, QStringLiteral("T_Nr"), QStringLiteral("Nummer"), column(1)),
               mapping(2, QStringLiteral("T_Match"), QStringLiteral("Bezeichnung"), column(2)),
               mapping(3, QStringLiteral("T_Gruppe"), QStringLiteral("Gruppe"), column(3)),
               mapping(4, QStringLiteral("T_Druckabschnitt"), QStringLiteral("&1"),
                       QStringLiteral("fester Wert: in der Liste drucken")),
           };
}

QStringList activityData()
{
    return {
        QStringLiteral("\"Nummer\";\"Bezeichnung\";\"Gruppe\""),
        QStringLiteral("\"10\";\"Unterhaltsreinigung\";\"Reinigung\""),
        QStringLiteral("\"20\";\"Glasreinigung\";\"Reinigung\""),
        QStringLiteral("\"30\";\"Winterdienst\";\"Außenanlagen\""),
    };
}

} // namespace

QList<ImportTemplateFile> importTemplateFiles()
{
    return {
        {QStringLiteral("Objekt.imp"), windowsText(siteDefinition())},
        {QStringLiteral("Personal.imp"), windowsText(staffDefinition())},
        {QStringLiteral("Taetig.imp"), windowsText(activityDefinition())},
        {QStringLiteral("Objekte.asc"), windowsText(siteData())},
        {QStringLiteral("Personal.asc"), windowsText(staffData())},
        {QStringLiteral("Taetig.asc"), windowsText(activityData())},
    };
}

} // namespace tekvora::db
