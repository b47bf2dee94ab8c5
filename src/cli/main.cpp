// velmora-cli: Velmora's numbers for one value on the command line, or for
// every row of a CSV file. Exit status 0 when everything was computed, 1 when
// a value or row failed, 2 for a usage error or a file that could not be read
// or written.
#include <CLI/CLI.hpp>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <sys/stat.h>

#include "age/datetext.h"
#include "age/ageoperation.h"
#include "change/changeoperation.h"
#include "cli/commands.h"
#include "converter/conversionoperation.h"
#include "difference/differenceoperation.h"
#include "interval/intervaloperation.h"
#include "cli/csvtable.h"
#include "profile/profilechart.h"
#include "profile/profileoperation.h"
#include "common/version.h"
#include "rawscore/normsets.h"
#include "rawscore/rawscoreoperation.h"

using namespace modVelmora;
using namespace modVelmora::cli;

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct Options {
    std::map<std::string, std::string> named;  // by column name; positional values too
    bool reverse = false;
    std::string csv;
    std::string labels = "aacn";
    std::string delimiter = ",";
    bool decimalComma = false;
    bool tsv = false;
    std::string dateOrder;  // of all-numeric dates; the regional settings' when empty
    std::string picture;    // profile: the file the profile is drawn in
};

// The lines one value prints: each result's name, and its text.
using Lines = std::vector<std::pair<std::string, std::string>>;

// A command as velmora-cli offers it: its module's operation, its arguments, and how one value is printed.
struct Command {
    const Operation* operation;
    CLI::App* app;
    std::vector<std::string> positionals;  // arguments that give one value; a file gives its own
    std::vector<std::string_view> positionalColumns;  // the columns they stand for
    std::function<Lines(const NamedTexts& results, bool extended, const FieldContext& context, const Options& options)> lines;
};

// The norm sets saved in Velmora, read when a row first names one. velmora-cli only reads the file:
// a damaged one stays where it is and fails the rows that name a set.
std::variant<NamedTexts, std::string> savedNormSet(std::string_view name) {
    static const QString path = NormSetsPath();
    static const NormSetsReading saved = ReadNormSetsFile(path);
    if (!saved.problem.isEmpty()) return "the norm sets file " + path.toStdString() + " cannot be used: " + saved.problem.toStdString();
    const NormSet* set = saved.sets.find(QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (!set) return "no norm set named \"" + std::string(name) + "\"";
    return NormSetFields(*set);
}

// The order of day, month and year in all-numeric dates: the option's, or the regional settings'.
DateConventions dateConventions(const Options& options) {
    DateConventions conventions = SystemDateConventions();
    conventions.order = DateOrderNamed(options.dateOrder).value_or(conventions.order);
    return conventions;
}

FieldContext desktopContext(const Options& options) {
    return {[conventions = dateConventions(options)](std::string_view text) { return ReadYearMonthDayIn(text, conventions); },
            ToYearMonthDay(QDate::currentDate()), LabelSystemNamed(options.labels).value_or(LabelSystem::Aacn), options.decimalComma,
            savedNormSet};
}

// "dmy (day.month.year)".
std::string orderInWords(DateOrder order) {
    const char* const words[] = {"month/day/year", "day.month.year", "year-month-day"};  // by DateOrder
    return std::string(DateOrderName(order)) + " (" + words[static_cast<int>(order)] + ")";
}

// The options given, by column: the values of the columns a file does not have.
Fields givenFields(const Options& options) {
    Fields given;
    for (const auto& [column, text] : options.named) given.byName.emplace_back(column, text);
    if (options.reverse) given.byName.emplace_back("reverse", "1");
    return given;
}

std::string joined(const std::vector<std::string_view>& columns) {
    std::string text;
    for (const std::string_view column : columns) text += (text.empty() ? "" : ",") + std::string(column);
    return text;
}

// A line on standard error, whole even where it holds a NUL byte.
void say(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
}

int usage(const std::string& problem) {
    say("velmora-cli: " + problem + " (velmora-cli --help tells more)");
    return kUsage;
}

// The input could not be read or the output written: the run stops, as what it wrote is not whole.
struct StreamError : std::runtime_error {
    StreamError(const std::string& what, int error) : std::runtime_error(what + ": " + std::strerror(error ? error : EIO)) {}
};

int streamFailed(const StreamError& error) {
    say(std::string("velmora-cli: ") + error.what());
    return kUsage;
}

// The pieces each command's set-up puts together.
Command newCommand(CLI::App& app, const Operation& operation, const char* description) {
    return {&operation, app.add_subcommand(std::string(operation.command()), description), {}, {}, {}};
}

void positional(Command& command, Options& options, const char* name, const char* column, const char* type, const char* help) {
    command.app->add_option(name, options.named[column], help)->type_name(type);
    command.positionals.emplace_back(name);
    command.positionalColumns.emplace_back(column);
}

void named(Command& command, Options& options, const char* name, const char* type, const char* help) {
    command.app->add_option(std::string("--") + name, options.named[name], help)->type_name(type);
}

void levelOption(Command& command, Options& options, const char* help) {
    command.app->add_option("--level", options.named["level"], help)->check(CLI::IsMember({"90", "95"}))->type_name("PERCENT");
}

void centreOption(Command& command, Options& options) {
    command.app->add_option("--centre", options.named["centre"], "obtained (the score, with the SEM; the default) or true (the estimated true "
                                                                 "score, with the SEE)")
        ->check(CLI::IsMember({"obtained", "true"}))
        ->type_name("CENTRE");
}

void labelsOption(Command& command, Options& options);
void csvOptions(Command& command, Options& options, const std::string& more = {});

// A score on its scale with the test's reliability, the interval's confidence and centre, the
// decimals, the labels and --csv: what interval and profile take alike.
void scoreWithReliability(Command& command, Options& options, const char* reliabilityHelp, const char* decimalsHelp) {
    positional(command, options, "SCORE", "score", "NUMBER", "the score");
    named(command, options, "scale", "SCALE", "the scale of SCORE: percentile, scaled, standard, t or z");
    named(command, options, "reliability", "R", reliabilityHelp);
    levelOption(command, options, "the confidence: 90 or 95 (default 95)");
    centreOption(command, options);
    named(command, options, "decimals", "D", decimalsHelp);
    labelsOption(command, options);
    csvOptions(command, options);
}

void labelsOption(Command& command, Options& options) {
    command.app->add_option("--labels", options.labels, "descriptive labels: aacn (AACN 2020, the default), wechsler or none")
        ->check(CLI::IsMember({"aacn", "wechsler", "none"}))
        ->type_name("SYSTEM");
}

// --csv and how its rows are read and written; the columns named as the operation reads them, and
// more telling what else the command takes.
void csvOptions(Command& command, Options& options, const std::string& more) {
    const Operation& operation = *command.operation;
    const std::string columns = joined(operation.requiredColumns()) + " and optional " + joined(operation.optionalColumns()) + more;
    command.app->add_option("--csv", options.csv, "read rows from a CSV FILE with a header (- or nothing for standard input); columns " +
                                                      columns + "; an option given serves as the value of a column the file does not have")
        ->expected(0, 1)
        ->type_name("FILE");
    command.app->add_option("--delimiter", options.delimiter, "the character between the fields of the file, and of the rows written: , (the default), ; or \\t")
        ->check(CLI::IsMember({",", ";", "\\t"}))
        ->type_name("CHAR");
    command.app->add_flag("--decimal-comma", options.decimalComma, "numbers in the file, read and written, have a decimal comma (1,5)");
    command.app->add_flag("--tsv", options.tsv, "write the rows with tabs between the fields, for pasting into a table");
}

void addLabel(Lines& lines, const NamedTexts& r, const FieldContext& context) {
    if (context.labels != LabelSystem::None) lines.emplace_back("label", r["label"]);
}

Command setUpScore(CLI::App& app, Options& options) {
    Command score = newCommand(app, RawScoreOperation(), "A raw score against the norms: z-score and percentile; with --n (or a norm set "
                                                         "with n) also t, the adjusted percentile, its 95% interval and z-CC.");
    positional(score, options, "RAW", "raw", "NUMBER", "the raw score");
    named(score, options, "mean", "M", "mean of the normative sample");
    named(score, options, "sd", "S", "standard deviation of the normative sample");
    named(score, options, "n", "N", "size of the normative sample, for the t-test of a small sample");
    score.app->add_flag("--reverse", options.reverse, "low scores are good (errors, reaction times)");
    named(score, options, "norms", "NAME", "a norm set saved in Velmora (Manage Norm Sets, kept in ~/.config/Velmora/norms.csv): its mean, "
                                           "SD, n and Reverse, instead of --mean, --sd, --n and --reverse");
    named(score, options, "decimals", "D", "decimal places of the percentile, 0 to 4 (default 1)");
    labelsOption(score, options);
    csvOptions(score, options, ", or raw and norms (a saved norm set's name) for mean,sd,n,reverse");
    score.lines = [](const NamedTexts& r, bool extended, const FieldContext& context, const Options& options) {
        Lines lines = {{"z-score", r["z"]}, {"percentile", r["percentile"]}};
        // A norm set without a sample size has no t-test; a set's Reverse, like --reverse, turns the interval's side.
        if (extended && !r["t"].empty()) {
            const bool reversed = ReadRawScoreEntry(givenFields(options), extended, context).reverse;
            lines.insert(lines.end(), {{"t", r["t"]},
                                       {"adjusted percentile", r["adjusted_percentile"]},
                                       {"95% CI", r["ci_low"] + " to " + r["ci_high"] + (reversed ? " (% above the score)" : " (% below the score)")},
                                       {"z-CC", r["zcc"] + " (95% CI " + r["zcc_low"] + " to " + r["zcc_high"] + ")"}});
        }
        addLabel(lines, r, context);
        return lines;
    };
    return score;
}

Command setUpConvert(CLI::App& app, Options& options) {
    Command convert = newCommand(app, ConversionOperation(), "A score from one scale to another: percentile, scaled, standard, t or z.");
    positional(convert, options, "VALUE", "value", "NUMBER", "the score to convert");
    named(convert, options, "from", "SCALE", "the scale of VALUE: percentile, scaled, standard, t or z");
    named(convert, options, "to", "SCALE", "the scale wanted: percentile, scaled, standard, t or z");
    named(convert, options, "decimals", "D", "decimal places of a percentile or z-score, 0 to 4 (default 1; a z-score shows at least 2)");
    labelsOption(convert, options);
    csvOptions(convert, options);
    convert.lines = [](const NamedTexts& r, bool, const FieldContext& context, const Options&) {
        Lines lines = {{"", r["result"]}};
        addLabel(lines, r, context);
        return lines;
    };
    return convert;
}

Command setUpAge(CLI::App& app, Options& options) {
    Command age = newCommand(app, AgeOperation(), "The age in years, months and days at the test date (today when left out).");
    positional(age, options, "BIRTH", "birth", "DATE", "the birth date, in a form the age window reads or ISO 8601");
    positional(age, options, "TEST", "test", "DATE", "the test date (default today)");
    named(age, options, "gestation", "W[+D]", "gestation at birth in weeks or weeks+days (30+2): the age corrected for prematurity");
    age.app->add_option("--date-order", options.dateOrder, "the order of day, month and year in dates of three numbers, on the command line "
                                                           "and in the file: dmy, mdy or ymd; without it the regional settings', here " +
                                                               orderInWords(SystemDateConventions().order))
        ->check(CLI::IsMember({"dmy", "mdy", "ymd"}))
        ->type_name("ORDER");
    csvOptions(age, options);
    age.lines = [](const NamedTexts& r, bool extended, const FieldContext&, const Options& options) {
        Lines lines = {{"years", r["years"]}, {"months", r["months"]}, {"days", r["days"]}, {"age", r["age"]},
                       {"months and days", r["total_months"] + " months " + r["days"] + " days"}};
        if (extended) {
            lines.insert(lines.end(), {{"due date", r["due_date"]}, {"corrected age", r["corrected_age"]}});
            if (!r["corrected_total_months"].empty())
                lines.emplace_back("corrected in months", r["corrected_total_months"] + " months " + r["corrected_days"] + " days");
        }
        lines.emplace_back("dates read as", orderInWords(dateConventions(options).order));
        return lines;
    };
    return age;
}

Command setUpInterval(CLI::App& app, Options& options) {
    Command interval = newCommand(app, IntervalOperation(), "A score's confidence interval from the test's reliability, and the score on every scale.");
    scoreWithReliability(interval, options, "the test's reliability, greater than 0 and less than 1",
                         "decimal places of the percentiles, 0 to 4 (default 1)");
    interval.lines = [](const NamedTexts& r, bool, const FieldContext& context, const Options& options) {
        Lines lines = {{"percentile", r["percentile"]}, {"scaled score", r["scaled"]}, {"standard score", r["standard"]},
                       {"T-score", r["t_score"]},       {"z-score", r["z"]},          {"stanine", r["stanine"]},
                       {"sten", r["sten"]},             {"NCE", r["nce"]}};
        addLabel(lines, r, context);
        if (!r["true_score"].empty()) lines.emplace_back("estimated true score", r["true_score"]);
        const auto level = options.named.find("level");
        lines.emplace_back((level == options.named.end() ? std::string("95") : level->second) + "% CI", r["low"] + " to " + r["high"]);
        lines.emplace_back("percentiles", r["percentile_low"] + " to " + r["percentile_high"]);
        return lines;
    };
    return interval;
}

Command setUpChange(CLI::App& app, Options& options) {
    Command change = newCommand(app, ChangeOperation(), "Has the patient changed between a test and a retest? Four reliable change methods side by side.");
    positional(change, options, "X1", "x1", "NUMBER", "the test score");
    positional(change, options, "X2", "x2", "NUMBER", "the retest score");
    named(change, options, "sd1", "S", "the SD at test of the retest study");
    named(change, options, "r", "R", "the test-retest correlation, greater than 0 and less than 1");
    named(change, options, "sd2", "S", "the SD at retest (Iverson; with the means and n, the regression)");
    named(change, options, "m1", "M", "the mean at test (with --m2: the practice effect)");
    named(change, options, "m2", "M", "the mean at retest");
    named(change, options, "n", "N", "the size of the retest sample, 3 to 9999 (the regression)");
    levelOption(change, options, "the confidence, two-tailed: 90 or 95 (the default)");
    change.app->add_flag("--reverse", options.reverse, "low scores are good (errors, reaction times)");
    csvOptions(change, options);
    change.lines = [](const NamedTexts& r, bool, const FieldContext&, const Options&) {
        Lines lines;
        const std::pair<ChangeMethod, std::string> methods[] = {{ChangeMethod::JacobsonTruax, "jt_"},
                                                                {ChangeMethod::Chelune, "chelune_"},
                                                                {ChangeMethod::Iverson, "iverson_"},
                                                                {ChangeMethod::CrawfordGarthwaite, "cg_"}};
        for (const auto& [method, prefix] : methods) {
            const auto at = [&r, &prefix](const char* column) { return r[prefix + column]; };
            if (at("expected").empty()) continue;  // a method whose entries are missing has none
            const std::string statistic = method == ChangeMethod::CrawfordGarthwaite ? "t " + at("t") + " (" + at("df") + " df)" : "z " + at("z");
            std::string name = MethodName(method);
            name.resize(std::max<std::size_t>(name.size(), 29), ' ');
            lines.emplace_back(name, "expected " + at("expected") + ", SE " + at("se") + ", " + statistic + ", p " + at("p") + ": " + at("verdict"));
        }
        return lines;
    };
    return change;
}

Command setUpDifference(CLI::App& app, Options& options) {
    Command difference = newCommand(app, DifferenceOperation(DifferenceAgainst::Norms),
                                    "Is the difference between two scores of one patient real, and how rare is it? Against the test's norms "
                                    "or, for a single case, against a control sample.");
    positional(difference, options, "X", "x", "NUMBER", "the first score");
    positional(difference, options, "Y", "y", "NUMBER", "the second score");
    difference.app->add_option("--against", options.named["against"], "norms (the default: two scores of one battery) or controls (a single case "
                                                                      "against a control sample, Crawford & Garthwaite's revised standardized "
                                                                      "difference test)")
        ->check(CLI::IsMember({"norms", "controls"}))
        ->type_name("WHAT");
    named(difference, options, "scale", "SCALE", "norms: the scale of X and Y: scaled, standard, t or z");
    named(difference, options, "rxx", "R", "norms: the reliability of X, greater than 0 and less than 1");
    named(difference, options, "ryy", "R", "norms: the reliability of Y, greater than 0 and less than 1");
    named(difference, options, "rxy", "R", "norms: the correlation of X and Y in the norm sample, greater than -1 and less than 1");
    named(difference, options, "mx", "M", "controls: the controls' mean on X");
    named(difference, options, "sx", "S", "controls: the controls' SD on X");
    named(difference, options, "my", "M", "controls: the controls' mean on Y");
    named(difference, options, "sy", "S", "controls: the controls' SD on Y");
    named(difference, options, "r", "R", "controls: the correlation of X and Y in the controls, greater than -1 and less than 1");
    named(difference, options, "n", "N", "controls: the number of controls, 3 to 9999");
    levelOption(difference, options, "the confidence, two-tailed: 90 or 95 (the default)");
    const Operation& controls = DifferenceOperation(DifferenceAgainst::Controls);
    csvOptions(difference, options, " (with --against norms, the default); with --against controls " + joined(controls.requiredColumns()) +
                                        " and optional " + joined(controls.optionalColumns()));
    difference.lines = [](const NamedTexts& r, bool, const FieldContext&, const Options& options) {
        const auto level = options.named.find("level"), against = options.named.find("against");
        const std::string percent = (level == options.named.end() ? std::string("95") : level->second) + "%";
        if (against == options.named.end() || against->second == "norms")
            return Lines{{"difference", r["difference"]},
                         {"critical difference", r["critical"] + " (" + percent + ")"},
                         {"significant", r["significant"]},
                         {"base rate", r["base_rate"] + "% (" + r["base_rate_two"] + "% either direction)"}};
        return Lines{{"z x", r["zx"]},
                     {"z y", r["zy"]},
                     {"Z-DCC", r["zdcc"]},
                     {"t", r["t"] + " (" + r["df"] + " df)"},
                     {"p", r["p"]},
                     {"more extreme", r["more_extreme"] + "% of controls"},
                     {"verdict", r["verdict"] + " (" + percent + ")"}};
    };
    return difference;
}

Command setUpProfile(CLI::App& app, Options& options) {
    Command profile = newCommand(app, ProfileOperation(), "A battery's scores at once: each test's percentile, standard score and label, "
                                                          "with its reliability also its interval on the standard scale; --picture draws "
                                                          "the profile.");
    named(profile, options, "test", "NAME", "the test's name");
    scoreWithReliability(profile, options, "the test's reliability, greater than 0 and less than 1; without it, no interval",
                         "decimal places of the percentile, 0 to 4 (default 1)");
    profile.app->add_option("--picture", options.picture, "also draw the profile of the rows computed, as FILE.svg or FILE.png")
        ->type_name("FILE");
    profile.lines = [](const NamedTexts& r, bool, const FieldContext& context, const Options& options) {
        Lines lines = {{"percentile", r["percentile"]}, {"standard score", r["standard"]}};
        addLabel(lines, r, context);
        const auto level = options.named.find("level");
        if (!r["low"].empty())
            lines.emplace_back((level == options.named.end() ? std::string("95") : level->second) + "% CI", r["low"] + " to " + r["high"]);
        return lines;
    };
    return profile;
}

// The profile of the rows computed, drawn when --picture names a file.
struct Picture {
    ProfileChartModel model;
    void add(const Fields& fields, const Outcome& outcome) {
        if (!outcome.error.empty()) return;
        const std::string_view test = FieldText(fields, "test");
        model.rows.push_back(ProfileChartRowOf(QString::fromUtf8(test.data(), qsizetype(test.size())), outcome.results));
    }
};

// Writes the picture; the status of the rows, or kFailed when it cannot be written.
int drawPicture(Picture& picture, const Options& options, const FieldContext& context, int status) {
    if (options.picture.empty()) return status;
    // Fonts need an application; velmora-cli has no display to show anything on.
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Qt's own notices (no runtime folder, say) would mix with velmora-cli's lines on standard error.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "velmora-cli";
    static char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    picture.model.bands = BellCurveBands(context.labels);
    picture.model.decimalSeparator = QString(QLatin1Char(options.decimalComma ? ',' : '.'));
    const QString path = QString::fromStdString(options.picture);
    const QString why = SaveProfileChart(picture.model, path, ProfileChartSize(picture.model, kProfileChartWidth));
    if (why.isEmpty()) return status;
    say("velmora-cli: the picture could not be written to " + options.picture + ": " + why.toStdString());
    return kFailed;
}

int runCsv(const Operation& operation, const Options& options) {
    const std::string& path = options.csv.empty() ? "-" : options.csv;
    const std::string name = path == "-" ? "standard input" : path;
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (!in) return usage("cannot read " + path + ": " + std::strerror(errno));
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(in == stdin ? nullptr : in, std::fclose);
    Picture picture;
    // A folder opens as a file here and only its first read fails.
    if (struct stat status {}; ::fstat(fileno(in), &status) == 0 && S_ISDIR(status.st_mode)) return usage(name + " is a folder, not a file");
    const CsvStreams streams{[in, &name](char* buffer, std::size_t size) {
                                 const std::size_t got = std::fread(buffer, 1, size, in);
                                 if (got == 0 && std::ferror(in)) throw StreamError("cannot read " + name, errno);
                                 return got;
                             },
                             [](std::string_view text) {
                                 if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
                                     throw StreamError("cannot write standard output", errno);
                             },
                             [](std::string_view line) { say(line); },
                             // Rows are kept only for a picture: a long stream otherwise runs in little memory.
                             [&picture, &options](const Fields& fields, const Outcome& outcome) {
                                 if (!options.picture.empty()) picture.add(fields, outcome);
                             }};
    try {
        const CsvFormat format{options.delimiter == "\\t" ? '\t' : options.delimiter[0], options.tsv};
        const FieldContext context = desktopContext(options);
        const int status = RunCsv(operation, context, streams, format, givenFields(options)).failed ? kFailed : 0;
        return drawPicture(picture, options, context, status);
    } catch (const UsageError& error) {
        return usage(error.what());
    } catch (const StreamError& error) {
        return streamFailed(error);
    }
}

// One value: a line for each result, its name aligned before it.
int runOne(const Command& command, const Operation& operation, const Options& options) {
    const Fields given = givenFields(options);
    const std::vector<std::string_view> required = operation.requiredColumns(given("norms").has_value());
    const auto& positionals = command.positionalColumns;
    for (const std::string_view column : required)
        if (!given(column))
            return usage("missing " + std::string(std::find(positionals.begin(), positionals.end(), column) == positionals.end() ? "--" : "") +
                         std::string(column));
    const std::vector<std::string_view> extending = operation.extendingColumns();
    const bool extended = std::any_of(extending.begin(), extending.end(), [&](std::string_view column) { return given(column).has_value(); });
    const FieldContext context = desktopContext(options);
    Outcome outcome;
    operation.compute(given, extended, context, outcome);
    Picture picture;
    picture.add(given, outcome);
    if (!outcome.error.empty()) {
        say("velmora-cli: " + outcome.error);
        return drawPicture(picture, options, context, kFailed);
    }
    for (const auto& [name, value] : command.lines(outcome.results, extended, context, options))
        std::printf(name.empty() ? "%s%s\n" : "%-21s%s\n", name.c_str(), value.c_str());
    // The lines go out before the picture is drawn; a full disk is told of here, with its reason.
    if (std::fflush(stdout) != 0) return streamFailed(StreamError("cannot write standard output", errno));
    return drawPicture(picture, options, context, 0);
}

int run(int argc, char* argv[]) {
    CLI::App app{"Velmora's numbers for one value or a CSV file: percentiles, score conversions, ages, score intervals, reliable change, "
                 "score differences and score profiles.",
                 "velmora-cli"};
    app.require_subcommand(1);
    // A path such as /data/scores.csv is a path on Windows too, not a /option; its commands inherit this.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", kProgramVersion);
    Options options;
    const Command commands[] = {setUpScore(app, options),    setUpConvert(app, options), setUpAge(app, options),
                                setUpInterval(app, options), setUpChange(app, options),  setUpDifference(app, options),
                                setUpProfile(app, options)};

    if (argc > 1 && argv[1][0] != '-' && std::none_of(std::begin(commands), std::end(commands), [&](const Command& command) {
            return command.app->get_name() == argv[1];
        }))
        return usage(std::string("unknown command ") + argv[1]);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        return usage(error.what());
    }
    // Options left out are not fields at all.
    std::erase_if(options.named, [](const auto& field) { return field.second.empty(); });
    if (const QString suffix = QFileInfo(QString::fromStdString(options.picture)).suffix().toLower();
        !options.picture.empty() && suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        return usage("--picture must name a .svg or .png file: " + options.picture);
    for (const Command& command : commands) {
        if (!command.app->parsed()) continue;
        // Of a command's operations, the one its options choose.
        const Operation& operation = *CommandNamed(command.operation->command(), givenFields(options));
        if (command.app->count("--csv") == 0) return runOne(command, operation, options);
        for (const std::string& name : command.positionals)
            if (command.app->count(name)) return usage("--csv takes " + name + " from the file");
        return runCsv(operation, options);
    }
    return kUsage;
}
}  // namespace

int main(int argc, char* argv[]) {
    const int status = run(argc, argv);
    // What is still buffered goes out now: a full disk or a closed output fails the run, not only its first
    // write; a run stopped already has said why.
    errno = 0;
    if (status != kUsage && (std::fflush(stdout) != 0 || std::ferror(stdout) || std::fclose(stdout) != 0))
        return streamFailed(StreamError("cannot write standard output", errno));
    return status;
}
