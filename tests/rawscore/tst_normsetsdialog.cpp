#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "rawscore/frmnormsets.h"
#include "rows.h"
#include "scenario.h"

using namespace modVelmora;
const QByteArray kTwo = "name,mean,sd,n,reverse\nWMS Local,31.4,5.2,18,1\nTrails A,20,4,,0\n";

// The dialog over a file written since its store was loaded: the user's keys and clicks, the answer to the
// question asked (a name, or Yes), then the questions, the list, the messages and the file.
struct DialogRow {
    const char* name; QString steps; std::optional<QString> answer; QString questions, list, messages; QByteArray after, before = kTwo;
};
Q_DECLARE_METATYPE(DialogRow)

const QString kBoth = "Trails A: mean 20, SD 4|WMS Local: mean 31.4, SD 5.2, n 18, reversed";
const QString kRename = "text: Rename Norm Set | New name for \"Trails A\": | Trails A", kDelete = "confirm: Delete the norm set \"Trails A\"?";
const DialogRow kRows[] = {
    {"Rename… asks with the name; the list follows", "[cmdRename]", "Trails B ", kRename,
     "Trails B: mean 20, SD 4|WMS Local: mean 31.4, SD 5.2, n 18, reversed", "", "name,mean,sd,n,reverse\nWMS Local,31.4,5.2,18,1\nTrails B,20,4,,0\n"},
    {"F2 renames; another set's name is refused", "{F2}", "wms local", kRename, kBoth, "There is already a norm set named \"WMS Local\".", kTwo},
    {"a cancelled rename changes nothing", "[cmdRename]", std::nullopt, kRename, kBoth, "", kTwo},
    {"Delete asks; Yes deletes, and a set stays selected", "{Delete}[cmdRename]", "WMS Local", kDelete + "|text: Rename Norm Set | New name "
     "for \"WMS Local\": | WMS Local", "WMS Local: mean 31.4, SD 5.2, n 18, reversed", "", "name,mean,sd,n,reverse\nWMS Local,31.4,5.2,18,1\n"},
    {"No keeps it", "[cmdDelete]", std::nullopt, kDelete, kBoth, "", kTwo},
    {"a refused import changes nothing", "[cmdImport]", {}, "open: Import Norm Sets", kBoth,
     "Nothing was imported from {import}. Line 3: The mean is missing.", kTwo},
    {"a damaged file is set aside and told", "[cmdRename]", "x", "", "", "!The norm sets file was damaged and has been kept as {aside}; the "
     "list of norm sets starts empty. Line 2: a quoted field is not closed, or a quote stands inside a field without quotes.", "<none>",
     "name,mean,sd\n\"open"},
};

class TestNormSetsDialog : public QObject {
    Q_OBJECT
    RecordingPlatform platform;
    QTemporaryDir folder;

    static QString listed(const QWidget& dialog) {
        QStringList rows;
        const auto* list = dialog.findChild<QTreeWidget*>("lstNormSets");
        for (int i = 0; i < list->topLevelItemCount(); ++i) rows << list->topLevelItem(i)->text(0) + ": " + list->topLevelItem(i)->text(1);
        return rows.join('|');
    }

private slots:
    void init() { platform.reset(); }

    void dialog_data() { AddRows(kRows); }
    void dialog() {
        QFETCH(DialogRow, row);
        const QString path = folder.filePath("norms.csv");
        platform.openPath = folder.filePath("import.csv");
        NormSetStore store(path);
        QVERIFY(WriteFile(path, row.before) && WriteFile(platform.openPath, "name,mean,sd\nStroop,1,2\nTMT,,2\n"));
        platform.textAnswer = row.answer;
        platform.confirmAnswer = row.answer.has_value();
        frmNormSets dialog(store);
        dialog.show();
        QVERIFY(Activate(&dialog));
        Play(row.steps);
        QCOMPARE(platform.questions.join('|'), row.questions);
        QCOMPARE(listed(dialog), Shown(row.list));
        QCOMPARE(platform.messages.join('|'), QString(row.messages).replace("{import}", QDir::toNativeSeparators(platform.openPath))
                                                     .replace("{aside}", QDir::toNativeSeparators(store.setAsideAs())));
        QCOMPARE(FileBytes(path), row.after);
    }

    void exportThenImportGivesTheSameSets() {
        QVERIFY(WriteFile(folder.filePath("mine.csv"), kTwo));
        NormSetStore mine(folder.filePath("mine.csv")), theirs(folder.filePath("theirs.csv"));
        frmNormSets exporting(mine), importing(theirs);
        platform.savePath = platform.openPath = folder.filePath("exported.csv");
        exporting.cmdExport_Click();
        importing.cmdImport_Click();
        QCOMPARE(platform.messages, QStringList{"Norm sets imported: 2 added, 0 replaced."});
        QCOMPARE(listed(importing), Shown(kBoth));
        QCOMPARE(theirs.sets(), mine.sets());
        // Every control is named for screen readers, and every button has a letter of its own.
        QSet<QKeySequence> letters;
        for (const QWidget* control : importing.findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&importing)) continue;
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            if (const auto* button = qobject_cast<const QPushButton*>(control)) letters << QKeySequence::mnemonic(button->text());
        }
        QVERIFY(letters.size() == 5 && !letters.contains(QKeySequence()));
    }

};

QTEST_MAIN(TestNormSetsDialog)
#include "tst_normsetsdialog.moc"
