#include "masterdata/OptionItems.h"

#include <QTest>

using namespace tekvora::masterdata;

class TestOptionItems : public QObject
{
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<QString>("itemList");
        QTest::addColumn<QStringList>("items");
        QTest::addRow("every item ended") << "Anfügen|Ersetzen|" << QStringList{"Anfügen", "Ersetzen"};
        QTest::addRow("last item without its end") << "Nummer|Name" << QStringList{"Nummer"};
        QTest::addRow("empty list") << "" << QStringList{};
        QTest::addRow("no end at all") << "Nummer" << QStringList{};
        QTest::addRow("empty item kept") << "|B|" << QStringList{"", "B"};
    }

    void split()
    {
        QFETCH(QString, itemList);
        QFETCH(QStringList, items);
        QCOMPARE(splitOptionItems(itemList), items);
    }
};

QTEST_GUILESS_MAIN(TestOptionItems)
#include "TestOptionItems.moc"
