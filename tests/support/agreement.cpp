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
    const QStringList lines = QString::fromUtf8(RunCli(VELMORA_CLI, arguments).output).split('\n', Qt::SkipEmptyParts);
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

CliRun RunCli(const QString& program, const QStringList& arguments, const QByteArray& input, const QString& configHome) {
    for (int attempt = 1;; ++attempt) {
        QProcess cli;
        if (!configHome.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_CONFIG_HOME", configHome);
            cli.setProcessEnvironment(environment);
        }
        cli.start(program, arguments);
        if (!cli.waitForStarted(60000) && attempt < 5) {
            QTest::qWait(200);
            continue;
        }
        cli.write(input);
        cli.closeWriteChannel();
        if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit)
            qFatal("velmora-cli %s did not run: %s", qPrintable(arguments.join(' ')), qPrintable(cli.errorString()));
        CliRun run{cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
        if (run.exitCode <= 2 || !run.output.isEmpty() || !run.errors.isEmpty() || attempt >= 3) return run;
        qWarning("velmora-cli did not run (exit code %d); once more", run.exitCode);
    }
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
