#include <QtTest>
#include <map>

#include "shell/settingsrecord.h"

using namespace modVelmora;

using Store = std::map<std::string, std::string>;
Q_DECLARE_METATYPE(Store)

// Reading the shared settings from whatever a store holds, hand-edited or damaged.
class TestSettingsRecord : public QObject {
    Q_OBJECT
private slots:
    void readingTakesDefaultsAndMendsBadValues_data() {
        QTest::addColumn<Store>("stored");
        QTest::addColumn<QList<int>>("expected");  // view, useTTest, decimals, top, left
        QTest::newRow("empty store gives the defaults") << Store{} << QList<int>{1, 0, 1, 729, 729};
        QTest::newRow("full store is read as stored")
            << Store{{"View", "5"}, {"UseTTest", "1"}, {"Number of Decimals", "3"}, {"Top Coordinates", "-300"},
                     {"Left Coordinates", "32767"}}
            << QList<int>{5, 1, 3, -300, 32767};
        QTest::newRow("non-numeric values take defaults")
            << Store{{"View", "abc"}, {"UseTTest", "yes"}, {"Number of Decimals", "1.5"}, {"Top Coordinates", ""},
                     {"Left Coordinates", " 12"}}
            << QList<int>{1, 0, 1, 729, 729};
        QTest::newRow("out of range values take defaults")
            << Store{{"View", "256"}, {"UseTTest", "-1"}, {"Number of Decimals", "-2"},
                     {"Top Coordinates", "32768"}, {"Left Coordinates", "-40000"}}
            << QList<int>{1, 0, 1, 729, 729};
        QTest::newRow("decimals above 4 are used as 4") << Store{{"Number of Decimals", "200"}}
                                                       << QList<int>{1, 0, 4, 729, 729};
        QTest::newRow("any t-test value but 0 is used as 1") << Store{{"UseTTest", "7"}}
                                                            << QList<int>{1, 1, 1, 729, 729};
        QTest::newRow("a view with no module is kept for start-up to mend") << Store{{"View", "3"}}
                                                                          << QList<int>{3, 0, 1, 729, 729};
        QTest::newRow("huge numbers take defaults") << Store{{"Top Coordinates", "99999999999999999999999"}}
                                                   << QList<int>{1, 0, 1, 729, 729};
        QTest::newRow("plus sign is not decimal text") << Store{{"View", "+2"}} << QList<int>{1, 0, 1, 729, 729};
    }
    void readingTakesDefaultsAndMendsBadValues() {
        QFETCH(Store, stored);
        QFETCH(QList<int>, expected);
        const SettingsRecord record = ReadSettings([&](const char* key) -> std::optional<std::string> {
            const auto found = stored.find(key);
            if (found == stored.end()) return std::nullopt;
            return found->second;
        });
        QCOMPARE((QList<int>{record.view, record.useTTest, record.numberOfDecimals, record.topCoordinates,
                             record.leftCoordinates}),
                 expected);
        QVERIFY(!record.switching);
    }

    void savingWritesFiveKeysInOrder() {
        SettingsRecord record;
        record.view = 4;
        record.numberOfDecimals = 2;
        record.leftCoordinates = -15;
        record.topCoordinates = 300;
        record.useTTest = 1;
        const auto saved = SettingsToSave(record);
        QStringList lines;
        for (const auto& [key, text] : saved) lines << QString::fromStdString(key + "=" + text);
        QCOMPARE(lines, QStringList({"View=4", "Number of Decimals=2", "Left Coordinates=-15", "Top Coordinates=300",
                                     "UseTTest=1"}));
    }

    void positionsAreBroughtIntoRange() {
        QCOMPARE(ClampToCoordinate(40000), std::int16_t(32767));
        QCOMPARE(ClampToCoordinate(-40000), std::int16_t(-32768));
        QCOMPARE(ClampToCoordinate(-300), std::int16_t(-300));
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
