#include <QtTest>
#include <map>

#include "rows.h"
#include "shell/settingsrecord.h"

using namespace modVelmora;

using Store = std::map<std::string, std::string>;
struct ReadRow { const char* name; Store stored; QList<int> record; };  // view, useTTest, decimals, top, left
Q_DECLARE_METATYPE(ReadRow)

const ReadRow kRows[] = {
    {"empty store gives the defaults", {}, {1, 0, 1, 729, 729}},
    {"full store is read as stored",
     {{"View", "5"}, {"UseTTest", "1"}, {"Number of Decimals", "3"}, {"Top Coordinates", "-300"}, {"Left Coordinates", "32767"}},
     {5, 1, 3, -300, 32767}},
    {"non-numeric values take defaults",
     {{"View", "abc"}, {"UseTTest", "yes"}, {"Number of Decimals", "1.5"}, {"Top Coordinates", ""}, {"Left Coordinates", " 12"}},
     {1, 0, 1, 729, 729}},
    {"out of range values take defaults",
     {{"View", "256"}, {"UseTTest", "-1"}, {"Number of Decimals", "-2"}, {"Top Coordinates", "32768"}, {"Left Coordinates", "-40000"}},
     {1, 0, 1, 729, 729}},
    {"decimals above 4 are used as 4", {{"Number of Decimals", "200"}}, {1, 0, 4, 729, 729}},
    {"any t-test value but 0 is used as 1", {{"UseTTest", "7"}}, {1, 1, 1, 729, 729}},
    {"a view with no module is kept for start-up to mend", {{"View", "3"}}, {3, 0, 1, 729, 729}},
    {"huge numbers take defaults", {{"Top Coordinates", "99999999999999999999999"}}, {1, 0, 1, 729, 729}},
    {"plus sign is not decimal text", {{"View", "+2"}}, {1, 0, 1, 729, 729}},
};

// Reading the shared settings from whatever a store holds, hand-edited or damaged, and saving them.
class TestSettingsRecord : public QObject {
    Q_OBJECT
private slots:
    void readingTakesDefaultsAndMendsBadValues_data() { AddRows(kRows); }
    void readingTakesDefaultsAndMendsBadValues() {
        QFETCH(ReadRow, row);
        const SettingsRecord record = ReadSettings([&](const char* key) -> std::optional<std::string> {
            const auto found = row.stored.find(key);
            return found == row.stored.end() ? std::nullopt : std::optional(found->second);
        });
        QCOMPARE((QList<int>{record.view, record.useTTest, record.numberOfDecimals, record.topCoordinates, record.leftCoordinates}),
                 row.record);
    }

    void savingWritesFiveKeysInOrder() {
        const SettingsRecord record{300, -15, 2, 1, 4};
        QStringList lines;
        for (const auto& [key, text] : SettingsToSave(record)) lines << QString::fromStdString(key + "=" + text);
        QCOMPARE(lines, QStringList({"View=4", "Number of Decimals=2", "Left Coordinates=-15", "Top Coordinates=300", "UseTTest=1"}));
        QCOMPARE(ClampToCoordinate(40000), std::int16_t(32767));
        QCOMPARE(ClampToCoordinate(-40000), std::int16_t(-32768));
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
