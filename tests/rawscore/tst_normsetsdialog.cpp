#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "rawscore/frmnormsets.h"
#include "rows.h"
#include "scenario.h"

using namespace modVelmora;
const QByteArray kTwo = "name,mean,sd,n,reverse\nWMS Local,31.4,5.2,18,1\nTrails A,20,4,,0\n";

// The dialog over a file written since its store was loaded: the user's keys and clicks ("|" lets an edit
// close), the answer to the question asked (a name, or Yes), then the questions, the table, the messages and the file.
struct DialogRow {
    const char* name; QString steps; std::optional<QString> answer; QString questions, list, messages; QByteArray after, before = kTwo,
        imported = "name,mean,sd\nStroop,1,2\nTMT,,2\n";
};
Q_DECLARE_METATYPE(DialogRow)

const QString kBoth = "Trails A;20;4;;0;;;|WMS Local;31.4;5.2;18;1;;;";
const QByteArray kHeader = "name,mean,sd,n,reverse,source,ages,notes\n", kBothWritten = kHeader + "WMS Local,31.4,5.2,18,1,,,\nTrails A,20,4,,0,,,\n";
const QString kRename = "text: Rename Norm Set | New name for \"Trails A\": | Trails A", kDelete = "confirm: Delete the norm set \"Trails A\"?";
const QString kToSource = "{Right}{Right}{Right}{Right}{Right}";
const DialogRow kRows[] = {
    {"Rename… asks with the name; the list follows", "[cmdRename]", "Trails B ", kRename,
     "Trails B;20;4;;0;;;|WMS Local;31.4;5.2;18;1;;;", "", kHeader + "WMS Local,31.4,5.2,18,1,,,\nTrails B,20,4,,0,,,\n"},
    {"F2 edits the cell, Enter keeps it; another set's name is refused", "{F2}wms local\r|", {}, "", kBoth,
     "There is already a norm set named \"WMS Local\".", kTwo},
    {"typing edits; Esc drops an edit", kToSource + "Heaton et al. 2004, ages 60-69\r|{Right}60\x1b|", {}, "",
     "Trails A;20;4;;0;Heaton et al. 2004, ages 60-69;;|WMS Local;31.4;5.2;18;1;;;", "",
     kHeader + "WMS Local,31.4,5.2,18,1,,,\nTrails A,20,4,,0,\"Heaton et al. 2004, ages 60-69\",,\n"},
    {"numbers typed as the user writes them; a bad one is refused and the cell restored", "{Right}20.5\r|{Right}0\r|", {}, "",
     "Trails A;20.5;4;;0;;;|WMS Local;31.4;5.2;18;1;;;", "The SD must be a number greater than 0, of at most 8 characters, with a point "
     "for decimals: 0", kHeader + "WMS Local,31.4,5.2,18,1,,,\nTrails A,20.5,4,,0,,,\n"},
    {"Space ticks Reverse; Ctrl+Z undoes it", "{Right}{Right}{Right}{Right} |{Ctrl+Z}|", {}, "", kBoth, "", kBothWritten},
    {"Ctrl+Shift+Z and Ctrl+Y redo", kToSource + "Heaton\r|{Ctrl+Z}|{Ctrl+Shift+Z}|{Ctrl+Z}|{Ctrl+Y}|{Ctrl+Y}|", {}, "",
     "Trails A;20;4;;0;Heaton;;|WMS Local;31.4;5.2;18;1;;;", "", kHeader + "WMS Local,31.4,5.2,18,1,,,\nTrails A,20,4,,0,Heaton,,\n"},
    {"a rename and a deletion undone", "[cmdRename]|[cmdDelete]|{Ctrl+Z}|{Ctrl+Z}|", "Trails B", kRename + "|confirm: Delete the norm set \"Trails B\"?",
     kBoth, "", kBothWritten},
    {"Delete asks; Yes deletes, and a set stays selected", "{Delete}[cmdRename]", "WMS Local", kDelete + "|text: Rename Norm Set | New name "
     "for \"WMS Local\": | WMS Local", "WMS Local;31.4;5.2;18;1;;;", "", kHeader + "WMS Local,31.4,5.2,18,1,,,\n"},
    {"No keeps it", "[cmdDelete]", std::nullopt, kDelete, kBoth, "", kTwo},
    {"a refused import changes nothing", "[cmdImport]", {}, "open: Import Norm Sets", kBoth,
     "Nothing was imported from {import}. Line 3: The mean is missing.", kTwo},
    {"an import is not undone, nor an edit before it", kToSource + "Heaton\r|[cmdImport]|{Ctrl+Z}|", {}, "open: Import Norm Sets",
     "Trails A;20;4;;0;Golden;;|WMS Local;31.4;5.2;18;1;;;", "Norm sets imported: 0 added, 1 replaced.",
     kHeader + "WMS Local,31.4,5.2,18,1,,,\nTrails A,20,4,,0,Golden,,\n", kTwo, "name,mean,sd,source\nTrails A,20,4,Golden\n"},
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
        const auto* table = dialog.findChild<QTableWidget*>("tblNormSets");
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << (column == frmNormSets::ReverseColumn ? QString::number(table->item(row, column)->checkState() == Qt::Checked)
                                                               : table->item(row, column)->text());
            rows << cells.join(';');
        }
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
        QVERIFY(WriteFile(path, row.before) && WriteFile(platform.openPath, row.imported));
        platform.textAnswer = row.answer;
        platform.confirmAnswer = row.answer.has_value();
        frmNormSets dialog(store);
        dialog.show();
        QVERIFY(Activate(&dialog));
        for (const QString& steps : row.steps.split('|')) {
            Play(Shown(steps));
            for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();  // a closing editor's change arrives queued, twice
        }
        QVERIFY(dialog.isVisible());  // neither Enter nor Esc in a cell closes it
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
