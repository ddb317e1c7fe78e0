#include "db/ImportTemplateFiles.h"
#include "db/Schema.h"

#include <QTest>

using namespace tekvora::db;

/// The shipped import definitions must work with the import's reading rules: every mapping line
/// names a field of its table and a column of the example data file, or a constant.
class TestImportTemplateFiles : public QObject
{
    Q_OBJECT

private:
    static QByteArray contentOf(const QString &name)
    {
        for (const ImportTemplateFile &file : importTemplateFiles()) {
            if (file.name == name)
                return file.content;
        }
        return {};
    }

private slots:
    void definitionsMatchTablesAndExamples_data()
    {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("keyField");
        QTest::addRow("sites") << "Objekt.imp" << "Objekte.asc" << "Objekte" << "O_Nr";
        QTest::addRow("staff") << "Personal.imp" << "Personal.asc" << "Personal" << "P_Nr";
        QTest::addRow("activities") << "Taetig.imp" << "Taetig.asc" << "Taetig" << "T_Nr";
    }

    void definitionsMatchTablesAndExamples()
    {
        QFETCH(QString, definition);
        QFETCH(QString, dataFile);
        QFETCH(QString, table);
        QFETCH(QString, keyField);

        const QByteArray text = contentOf(definition);
        const QByteArray data = contentOf(dataFile);
        QVERIFY(text.endsWith("\r\n") && data.endsWith("\r\n"));
        QCOMPARE(text.count("\n"), text.count("\r\n"));
        const QStringList lines = QString::fromLatin1(text).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        const QStringList dataLines = QString::fromLatin1(data).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY(dataLines.size() >= 3);
        QStringList header = dataLines.first().split(u';');
        for (QString &column : header)
            column = column.mid(1, column.size() - 2);
        for (const QString &line : dataLines)
            QCOMPARE(line.split(u';').size(), header.size());

        const TableDef def = *tableDef(table);
        QStringList mappedFields;
        QStringList settings;
        for (const QString &line : lines) {
            const qsizetype colon = line.indexOf(u':');
            if (colon < 1 || colon > 4) {
                if (!line.startsWith(u';'))
                    settings << line.section(u'=', 0, 0);
                continue;
            }
            const QString mapping = line.mid(colon + 1).section(u'>', 0, 0);
            const QString field = mapping.section(u'=', 0, 0);
            const QString source = mapping.section(u'=', 1);
            QVERIFY2(def.field(field), qPrintable(line));
            QVERIFY2(source.startsWith(u'&') || header.contains(source), qPrintable(line));
            mappedFields << field;
        }
        QCOMPARE(settings, QStringList({"DELIM", "SEPAR", "SFILE"}));
        QVERIFY(mappedFields.contains(keyField));
    }
};

QTEST_GUILESS_MAIN(TestImportTemplateFiles)
#include "TestImportTemplateFiles.moc"
