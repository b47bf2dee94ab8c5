#include "agreement.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include "rows.h"
#include "scenario.h"

namespace {

QList<CliRecord> cliRows(const CliAgreement& agreement, const QString& labels) {
    QStringList arguments = QStringList{agreement.command, "--csv", VELMORA_TESTS_DIR "/cli/fixtures/" + agreement.fixture} + agreement.options;
    if (agreement.labelled) arguments << "--labels" << labels;
    const QStringList lines = QString::fromUtf8(RunVelmoraCli(arguments).output).split('\n', Qt::SkipEmptyParts);
    const QStringList header = CsvFields(lines.value(0));
    QList<CliRecord> rows;
    for (const QString& line : lines.mid(1)) {
        const QStringList fields = CsvFields(line);
        CliRecord& row = rows.emplaceBack();
        for (qsizetype i = 0; i < header.size(); ++i) row[header[i].toLower()] = fields.value(i);
    }
    return rows;
}

// velmora-cli's own reading of a field ("raw is not a number: 12abc", "the row has more fields than
// the header") never reaches a window, whose boxes it never meets.
bool readingError(const CliRecord& row) {
    const QString& error = row["error"];
    if (error.startsWith("the row ")) return true;
    for (auto field = row.begin(); field != row.end(); ++field)
        if (error.startsWith(field.key() + ' ')) return true;
    return false;
}

// velmora-cli names the column of a date it cannot read ("Invalid Date in birth: 30.2.2000"); the
// window's message is the part before, its box being in sight.
QString windowMessage(const CliRecord& row) {
    QString error = row["error"];
    for (auto field = row.begin(); field != row.end(); ++field)
        if (error.endsWith(" in " + field.key() + ": " + field.value())) return error.chopped(field.key().size() + field.value().size() + 6);
    return error;
}

}  // namespace

CliRun RunVelmoraCli(const QStringList& arguments) {
    QProcess cli;
    // Under Wine the start itself now and then fails with an internal error, and the next one succeeds.
    for (int attempt = 0; attempt < 5; ++attempt) {
        cli.start(VELMORA_CLI, arguments);
        if (cli.waitForStarted(60000)) break;
        QTest::qWait(200);
    }
    if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit)
        qFatal("velmora-cli %s did not run: %s", qPrintable(arguments.join(' ')), qPrintable(cli.errorString()));
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
}

QString Translated(const char* context, const QString& english) {
    return QCoreApplication::translate(context, english.toUtf8().constData());
}

int CheckAgainstCli(const CliAgreement& agreement, RecordingPlatform& platform) {
    int compared = 0;
    for (const QString& labels : agreement.labelled ? QStringList{"aacn", "wechsler"} : QStringList{"aacn"}) {
        for (const CliRecord& row : cliRows(agreement, labels)) {
            if (readingError(row)) continue;
            const auto [stored, steps] = agreement.entry(row);
            if (steps.isEmpty()) continue;
            // The system is stored before the start, so the window calculates in it from the first.
            StartProgram(agreement.module, stored + QStringList{"Descriptive Labels=" + labels});
            platform.reset();
            Play(steps);
            // The message's icon is the window's own affair.
            if (!row["error"].isEmpty())
                QTest::qCompare(platform.messages.join('|').remove('!'), Translated("modVelmora::Messages", windowMessage(row)), "messages",
                                "velmora-cli's error", __FILE__, __LINE__);
            else
                Check(agreement.seen(row), platform);
            StopProgram();
            ++compared;
            if (QTest::currentTestFailed()) {
                qWarning("%s in %s: %s", qPrintable(agreement.command), qPrintable(labels), qPrintable(QStringList(row.values()).join(',')));
                return compared;
            }
        }
    }
    return compared;
}
