#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

#include "recordingplatform.h"
#include "shell/moduleframe.h"

// A window against velmora-cli: every row of a velmora-cli fixture is computed by velmora-cli and
// typed into the window, in both label systems, and the window shows each result velmora-cli
// gives, or its message.

// A row of velmora-cli's output by its columns' lowercase names.
using CliRecord = QHash<QString, QString>;

// One run of velmora-cli, or of the script that stands in for velmora-cli.exe under Wine: its exit code,
// standard output and standard error, with the input, if any, on its standard input (a Windows build's
// checks give it in a file instead: under Wine its end was now and then missed) and XDG_CONFIG_HOME set
// when a folder is given. Under Wine a start now and then fails, or the program does not run (no output,
// no message and an exit code that is not velmora-cli's 0, 1 or 2): that run is made again. A run that
// still does not start, end or exit normally stops the test.
struct CliRun {
    int exitCode = -1;
    QByteArray output, errors;
};
CliRun RunCli(const QString& program, const QStringList& arguments, const QByteArray& input = {}, const QString& configHome = {});

struct CliAgreement {
    modVelmora::Module module;
    QString command;  // velmora-cli's
    QString fixture;  // its input, in tests/cli/fixtures
    // The settings stored before the start and the steps that enter the row (see Play); no steps
    // for a row the window has no way to take.
    std::function<std::pair<QStringList, QString>(const CliRecord& row)> entry;
    // What the window then shows, as Check reads it.
    std::function<QStringList(const CliRecord& row)> seen;
    bool labelled = true;  // the command gives descriptive labels
    QStringList options = {};  // velmora-cli's options besides the file's ("--against", "controls")
};

// Runs every row; returns how many were compared.
int CheckAgainstCli(const CliAgreement& agreement, RecordingPlatform& platform);

// A text of the program in the user's language.
QString Translated(const char* context, const QString& english);
