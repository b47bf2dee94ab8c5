#include <QtTest>

#include "agreement.h"
#include "rows.h"
#include "scenario.h"

using namespace modVelmora;
constexpr Module Win = Module::ScoreInterval;
const QString kYellow = "#ffff00", kWhite = "#ffffff";
const QString k130 = "130\t.9\r", kInterval130 = "lblInterval=95% CI 121 to 139";
const QString kDescribed130 = "description:picBellCurve=Bell curve: Standard Score 130, 95% CI 121 to 139";
const QString kReliability = "messages=Please enter a reliability greater than 0 and less than 1.";
const QString kPercentile = "messages=Please enter a percentile that is greater than 0 and less than 100.";
const QStringList kT = {"Interval Scale=3", "Interval Confidence=90"}, kZ = {"Interval Scale=4"};

const Scenario kRows[] = {
    {"an out-of-date picture and interval are not copied", Win, {}, k130 + "[txtReliability=.8][cmdCopyPicture][cmdCopy]",
     {"clipboard image=", "clipboard=(clipboard untouched)", "beeps=2"}},
    {"Enter moves on to the reliability, then calculates", Win, {}, "130\r.9\r", {"messages=", kInterval130, "focus=cmdClear"}},
    {"standard 130, r .90, 95% around the obtained score", Win, {}, k130,
     {kInterval130, "lblPercentileBand=Percentiles 91.6 to 99.6", "lblCentre=", "focus=cmdClear", "messages=", "beeps=0"}},
    {"its estimated true score", Win, {"Interval Centre=true"}, k130,
     {"lblCentre=Estimated true score 127.0", "lblInterval=95% CI 118 to 136", "lblPercentileBand=Percentiles 88.7 to 99.2"}},
    {"T-score 35, r .80, 90%", Win, kT, "35\t.80\r", {"lblInterval=90% CI 28 to 42", "lblPercentileBand=Percentiles 1.3 to 22.2"}},
    {"the score on every scale", Win, kT, "35\t.8\r",
     {"lblPercentile=6.7", "lblScaled=6", "lblStandard=78", "lblTScore=35", "lblZScore=-1.50", "lblStanine=2", "lblSten=3",
      "lblNCE=18", "lblDescription=Below average score", "name:lblDescription=Descriptive label"}},
    {"the picture says what it shows", Win, {}, k130, {kDescribed130 + ", Exceptionally high score."}},
    {"another label system relabels result and picture", Win, {}, k130 + "[mnuLabelswechsler]",
     {"lblDescription=Extremely high", kDescribed130 + ", Extremely high."}},
    {"under None neither has a label", Win, {}, k130 + "[mnuLabelsnone]", {"shown:lblDescription=0", kDescribed130 + "."}},
    // Refused entries, as the computation decides.
    {"reliability 1.2 keeps the results", Win, {}, k130 + "[txtReliability=1.2][cmdCalculate]",
     {kReliability, "focus=txtReliability", "txtReliability=1.2", kInterval130}},
    {"no reliability", Win, {}, "100\r\r", {kReliability, "focus=txtReliability", "lblInterval="}},
    {"percentile 100 empties results and picture", Win, {"Interval Scale=0"}, "50\t.9\r[txtScore=100][cmdCalculate][cmdCopyPicture]",
     {kPercentile, "txtScore=", "focus=txtScore", "lblInterval=", "lblPercentile=", "clipboard image=", "description:picBellCurve="}},
    {"an empty score only beeps", Win, {}, "[cmdCalculate]", {"beeps=1", "messages=", "focus=txtScore"}},
    // Keys as they are typed.
    {"a standard score refuses a point", Win, {}, "1.5", {"txtScore=15", "beeps=1"}},
    {"a z-score takes it", Win, kZ, "-1.5", {"txtScore=-1.5", "beeps=0"}},
    {"and the user's separator in both boxes", Win, kZ, Shown("1.5") + "\t" + Shown(".9") + "\r",
     {"lblZScore=1.50", "lblInterval=95% CI 0.88 to 2.12", "beeps=0"}},
    {"Tab passes each group at its choice, then Calculate", Win, {}, "\t\t\t\t\t", {"focus=cmdCalculate"}},
    {"letters beep in both boxes, minus in the reliability", Win, {}, "1a\tb.9-", {"txtScore=1", "txtReliability=.9", "beeps=3"}},
    // Choices, Esc and the clipboard.
    {"choices are stored at once", Win, {}, "[optScale3][optConfidence0][optCentre1]",
     {"stored:Interval Scale=3", "stored:Interval Confidence=90", "stored:Interval Centre=true", "focus=txtScore",
      "colour:optScale3=" + kYellow, "colour:optScale2=" + kWhite, "colour:optCentre1=" + kYellow}},
    {"and restored at the next start", Win, kT + QStringList{"Interval Centre=true"}, "",
     {"checked:optScale3=1", "checked:optConfidence0=1", "checked:optCentre1=1", "colour:optConfidence0=" + kYellow}},
    {"a choice empties results and picture", Win, {}, k130 + "[optConfidence0][cmdCopyPicture][cmdCopy]",
     {"lblInterval=", "lblStandard=", "lblDescription=", "clipboard image=", "clipboard="}},
    {"Esc clears", Win, {}, k130 + "\x1b", {"txtScore=", "txtReliability=", "lblInterval=", "lblNCE=", "focus=txtScore"}},
    {"copy takes the interval", Win, {}, k130 + "[cmdCopy]", {"clipboard=95% CI 121 to 139"}},
    {"Copy Picture at twice its size", Win, {}, k130 + "[cmdCopyPicture]", {"clipboard image=840x400"}},
};

// Where the user saves the picture ("" cancels), the file then written and the message.
struct SaveRow { const char* name; const char* steps; const char* saveAs; const char* written; const char* message; };
Q_DECLARE_METATYPE(SaveRow)
const char* const kSave = "130\t.9\r[cmdSavePicture]";
const SaveRow kSaveRows[] = {
    {"as PNG", kSave, "curve.png", "curve.png", ""}, {"as SVG", kSave, "curve.svg", "curve.svg", ""},
    {"a name without a type as PNG", kSave, "curve", "curve.png", ""}, {"nothing when the user cancels", kSave, "", "", ""},
    {"nothing before a result", "[cmdSavePicture]", "curve.png", "", ""},
    {"a folder that does not exist", kSave, "none/curve.png", "", "The picture could not be saved to {folder}/none/curve.png: No such file or folder."},
};

// The Score Interval window as a user works it.
// A scale's number in the settings, by velmora-cli's name in any letter case.
QString Index(const QString& scale) { return QString::number(static_cast<int>(ScaleNamed(scale.toStdString()).value_or(ScoreScale::ZScore))); }

class TestScoreIntervalWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void window_data() { AddRows(kRows); }
    void window() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    // Every row of velmora-cli's score intervals typed into the window shows velmora-cli's texts, in both label systems.
    void windowAgreesWithTheCommandLine() {
        const auto text = [](const char* source) { return Translated("modVelmora::frmScoreInterval", source); };
        const CliAgreement intervals{
            Win, "interval", "intervals.csv",
            [](const CliRecord& row) {
                const QString level = row["level"].isEmpty() ? "95" : row["level"];
                // An empty score only beeps.
                if (row["score"].isEmpty()) return std::pair{QStringList(), QString()};
                return std::pair{QStringList{"Interval Scale=" + Index(row["scale"]), "Interval Confidence=" + level,
                                             "Interval Centre=" + (row["centre"].isEmpty() ? "obtained" : row["centre"]),
                                             "Number of Decimals=" + (row["decimals"].isEmpty() ? "1" : row["decimals"])},
                                 "[txtScore=" + Shown(row["score"]) + "][txtReliability=" + Shown(row["reliability"]) + "][cmdCalculate]"};
            },
            [&text](const CliRecord& row) {
                const QString level = row["level"].isEmpty() ? "95" : row["level"];
                return QStringList{"lblPercentile=" + row["percentile"], "lblScaled=" + row["scaled"], "lblStandard=" + row["standard"],
                                   "lblTScore=" + row["t_score"], "lblZScore=" + row["z"], "lblStanine=" + row["stanine"],
                                   "lblSten=" + row["sten"], "lblNCE=" + row["nce"],
                                   "lblDescription=" + Translated("modVelmora::Labels", row["label"]),
                                   "lblInterval=" + text("%1% CI %2 to %3").arg(level, row["low"], row["high"]),
                                   "lblPercentileBand=" + text("Percentiles %1 to %2").arg(row["percentile_low"], row["percentile_high"]),
                                   "lblCentre=" + (row["true_score"].isEmpty() ? QString() : text("Estimated true score %1").arg(row["true_score"]))};
            }};
        QVERIFY(CheckAgainstCli(intervals, platform) >= 12);
    }

    void savePicture_data() { AddRows(kSaveRows); }
    void savePicture() {
        QFETCH(SaveRow, row);
        QTemporaryDir folder;
        StartProgram(Win);
        platform.reset();
        if (*row.saveAs) platform.savePath = folder.filePath(row.saveAs);
        Play(row.steps);
        QCOMPARE(platform.messages.join('|'), QDir::toNativeSeparators(QString(row.message).replace("{folder}", folder.path())));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), *row.written ? QStringList{row.written} : QStringList());
        const QString written = folder.filePath(row.written);
        if (written.endsWith(".png")) QCOMPARE(QImage(written).size(), QSize(420, 200));
        QFile svg(written);
        if (written.endsWith(".svg")) QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
        StopProgram();
    }
};

QTEST_MAIN(TestScoreIntervalWindow)
#include "tst_scoreintervalwindow.moc"
