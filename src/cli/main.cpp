// velmora-cli: Velmora's numbers for one value on the command line, or for
// every row of a CSV file. Exit status 0 when everything was computed, 1 when
// a value or row failed, 2 for a usage error.
#include <CLI/CLI.hpp>
#include <QDate>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "age/datetext.h"
#include "change/reliablechange.h"
#include "cli/commands.h"
#include "cli/csvtable.h"
#include "rawscore/normsets.h"

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
};

// The norm sets saved in Velmora, read when a row first names one. velmora-cli only reads the file:
// a damaged one stays where it is and fails the rows that name a set.
std::variant<NormValues, std::string> savedNormSet(std::string_view name) {
    static const QString path = modVelmora::NormSetsPath();
    static const modVelmora::NormSetsReading saved = modVelmora::ReadNormSetsFile(path);
    if (!saved.problem.isEmpty())
        return "the norm sets file " + path.toStdString() + " cannot be used: " + saved.problem.toStdString();
    const modVelmora::NormSet* set = modVelmora::FindNormSet(saved.sets, QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (!set) return "no norm set named \"" + std::string(name) + "\"";
    return NormValues{set->mean.toStdString(), set->sd.toStdString(), set->n.toStdString(), set->reverse};
}

Context desktopContext(const Options& options) {
    return {modVelmora::ReadYearMonthDay, modVelmora::ToYearMonthDay(QDate::currentDate()),
            modVelmora::LabelSystemNamed(options.labels).value_or(modVelmora::LabelSystem::Aacn), options.decimalComma,
            savedNormSet};
}

// The options given, by column: the values of the columns a file does not have.
Fields givenFields(const Options& options) {
    Fields given;
    for (const auto& [column, text] : options.named) given.byColumn.emplace_back(column, text);
    if (options.reverse) given.byColumn.emplace_back("reverse", "1");
    return given;
}

int usage(const std::string& problem) {
    std::fprintf(stderr, "velmora-cli: %s (velmora-cli --help tells more)\n", problem.c_str());
    return kUsage;
}

int runCsv(Command command, const Options& options) {
    const std::string& path = options.csv.empty() ? "-" : options.csv;
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (!in) return usage("cannot read " + path + ": " + std::strerror(errno));
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(in == stdin ? nullptr : in, std::fclose);
    const CsvStreams streams{[in](char* buffer, std::size_t size) { return std::fread(buffer, 1, size, in); },
                             [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); },
                             [](std::string_view line) { std::fprintf(stderr, "%.*s\n", int(line.size()), line.data()); }};
    try {
        const CsvFormat format{options.delimiter == "\\t" ? '\t' : options.delimiter[0], options.tsv};
        return RunCsv(command, desktopContext(options), streams, format, givenFields(options)).failed ? kFailed : 0;
    } catch (const UsageError& error) {
        return usage(error.what());
    }
}

// The lines of one value: each result with its name, or a method's results for change.
std::vector<std::pair<std::string, std::string>> oneValueLines(Command command, const Outcome& outcome, bool extended,
                                                               const Context& context, const Options& options) {
    const std::vector<std::string>& r = outcome.results;
    const bool labelled = context.labels != modVelmora::LabelSystem::None;
    std::vector<std::pair<std::string, std::string>> lines;
    switch (command) {
        case Command::Convert:
            lines = {{"", r[0]}};
            break;
        case Command::Age:
            lines = {{"years", r[0]}, {"months", r[1]}, {"days", r[2]}, {"age", r[3]}};
            if (extended) lines.insert(lines.end(), {{"due date", r[4]}, {"corrected age", r[8]}});
            return lines;
        case Command::Score:
            lines = {{"z-score", r[0]}, {"percentile", r[1]}};
            // A norm set without a sample size has no t-test.
            if (extended && !r[2].empty())
                lines.insert(lines.end(), {{"t", r[2]}, {"adjusted percentile", r[3]},
                                           {"95% CI", r[4] + " to " + r[5] + (outcome.reversed ? " (% above the score)" : " (% below the score)")},
                                           {"z-CC", r[6] + " (95% CI " + r[7] + " to " + r[8] + ")"}});
            break;
        case Command::Interval: {
            const char* const names[] = {"percentile", "scaled score", "standard score", "T-score", "z-score", "stanine", "sten", "NCE"};
            for (size_t i = 0; i < std::size(names); ++i) lines.emplace_back(names[i], r[i]);
            if (labelled) lines.emplace_back("label", r[8]);
            const size_t at = labelled ? 9 : 8;  // centre, low, high, percentile low and high
            if (!r[at].empty()) lines.emplace_back("estimated true score", r[at]);
            lines.emplace_back((options.named.count("level") ? options.named.at("level") : std::string("95")) + "% CI",
                               r[at + 1] + " to " + r[at + 2]);
            lines.emplace_back("percentiles", r[at + 3] + " to " + r[at + 4]);
            return lines;
        }
        case Command::Change: {
            using modVelmora::ChangeMethod;
            size_t at = 0;  // each method's columns, the regression's with its df
            for (const ChangeMethod method : {ChangeMethod::JacobsonTruax, ChangeMethod::Chelune, ChangeMethod::Iverson,
                                              ChangeMethod::CrawfordGarthwaite}) {
                const bool regression = method == ChangeMethod::CrawfordGarthwaite;
                if (!r[at].empty()) {  // a method whose entries are missing has none
                    const std::string statistic = regression ? "t " + r[at + 2] + " (" + r[at + 3] + " df)" : "z " + r[at + 2];
                    lines.emplace_back(modVelmora::MethodName(method), "expected " + r[at] + ", SE " + r[at + 1] + ", " + statistic +
                                                                           ", p " + r[at + (regression ? 4 : 3)] + ": " +
                                                                           r[at + (regression ? 5 : 4)]);
                }
                at += regression ? 6 : 5;
            }
            for (auto& [name, line] : lines) name.resize(std::max<size_t>(name.size(), 29), ' ');
            return lines;
        }
    }
    if (labelled) lines.emplace_back("label", r.back());
    return lines;
}

// One value: a line for each result, its name aligned before it.
int runOne(Command command, const Options& options) {
    const Fields given = givenFields(options);
    const std::vector<std::string> required = RequiredColumns(command, given("norms").has_value());
    for (const std::string& column : required)
        if (!given(column)) return usage("missing " + std::string(column == required[0] ? "" : "--") + column);
    const std::vector<std::string> extending = ExtendingColumns(command);
    const bool extended = std::any_of(extending.begin(), extending.end(), [&](const std::string& column) { return given(column).has_value(); });
    const Context context = desktopContext(options);
    Outcome outcome;
    Compute(command, given, extended, context, outcome);
    if (!outcome.error.empty()) {
        std::fprintf(stderr, "velmora-cli: %s\n", outcome.error.c_str());
        return kFailed;
    }
    for (const auto& [name, value] : oneValueLines(command, outcome, extended, context, options))
        std::printf(name.empty() ? "%s%s\n" : "%-21s%s\n", name.c_str(), value.c_str());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    CLI::App app{"Velmora's percentiles, score conversions and ages, for one value or a CSV file.", "velmora-cli"};
    app.require_subcommand(1);
    // A path such as /data/scores.csv is a path on Windows too, not a /option; its commands inherit this.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", VELMORA_VERSION);
    Options options;
    std::map<Command, CLI::App*> commands;
    const auto csvOption = [&](CLI::App* command, const char* columns) {
        command->add_option("--csv", options.csv, std::string("read rows from a CSV FILE with a header (- or nothing for standard input); columns ") + columns +
                                                      "; an option given serves as the value of a column the file does not have")
            ->expected(0, 1)
            ->type_name("FILE");
        command->add_option("--delimiter", options.delimiter, "the character between the fields of the file, and of the rows written: , (the default), ; or \\t")
            ->check(CLI::IsMember({",", ";", "\\t"}))
            ->type_name("CHAR");
        command->add_flag("--decimal-comma", options.decimalComma, "numbers in the file, read and written, have a decimal comma (1,5)");
        command->add_flag("--tsv", options.tsv, "write the rows with tabs between the fields, for pasting into a table");
    };
    // Arguments that give one value; a file gives its own.
    std::map<CLI::App*, std::vector<std::string>> positionals;
    const auto positional = [&](CLI::App* command, const char* name, const char* column, const char* type, const char* help) {
        command->add_option(name, options.named[column], help)->type_name(type);
        positionals[command].push_back(name);
    };
    const auto named = [&](CLI::App* command, const char* name, const char* type, const char* help) {
        command->add_option(std::string("--") + name, options.named[name], help)->type_name(type);
    };

    CLI::App* score = commands[Command::Score] = app.add_subcommand("score", "A raw score against the norms: z-score and percentile; with --n (or a norm set with n) also t, the adjusted percentile, its 95% interval and z-CC.");
    positional(score, "RAW", "raw", "NUMBER", "the raw score");
    named(score, "mean", "M", "mean of the normative sample");
    named(score, "sd", "S", "standard deviation of the normative sample");
    named(score, "n", "N", "size of the normative sample, for the t-test of a small sample");
    score->add_flag("--reverse", options.reverse, "low scores are good (errors, reaction times)");
    named(score, "norms", "NAME", "a norm set saved in Velmora (Manage Norm Sets, kept in ~/.config/Velmora/norms.csv): its mean, SD, n and Reverse, instead of --mean, --sd, --n and --reverse");
    named(score, "decimals", "D", "decimal places of the percentile, 0 to 4 (default 1)");
    const auto labelsOption = [&](CLI::App* command) {
        command->add_option("--labels", options.labels, "descriptive labels: aacn (AACN 2020, the default), wechsler or none")
            ->check(CLI::IsMember({"aacn", "wechsler", "none"}))
            ->type_name("SYSTEM");
    };
    labelsOption(score);
    csvOption(score, "raw,mean,sd and optional n,reverse,decimals, or raw and norms (a saved norm set's name) for mean,sd,n,reverse");

    CLI::App* convert = commands[Command::Convert] = app.add_subcommand("convert", "A score from one scale to another: percentile, scaled, standard, t or z.");
    positional(convert, "VALUE", "value", "NUMBER", "the score to convert");
    named(convert, "from", "SCALE", "the scale of VALUE: percentile, scaled, standard, t or z");
    named(convert, "to", "SCALE", "the scale wanted: percentile, scaled, standard, t or z");
    named(convert, "decimals", "D", "decimal places of a percentile or z-score, 0 to 4 (default 1; a z-score shows at least 2)");
    labelsOption(convert);
    csvOption(convert, "value,from,to and optional decimals");

    CLI::App* age = commands[Command::Age] = app.add_subcommand("age", "The age in years, months and days at the test date (today when left out).");
    positional(age, "BIRTH", "birth", "DATE", "the birth date, in a form the age window reads or ISO 8601");
    positional(age, "TEST", "test", "DATE", "the test date (default today)");
    named(age, "gestation", "W[+D]", "gestation at birth in weeks or weeks+days (30+2): the age corrected for prematurity");
    csvOption(age, "birth and optional test, gestation");

    CLI::App* interval = commands[Command::Interval] = app.add_subcommand("interval", "A score's confidence interval from the test's reliability, and the score on every scale.");
    positional(interval, "SCORE", "score", "NUMBER", "the score");
    named(interval, "scale", "SCALE", "the scale of SCORE: percentile, scaled, standard, t or z");
    named(interval, "reliability", "R", "the test's reliability, greater than 0 and less than 1");
    interval->add_option("--level", options.named["level"], "the confidence: 90 or 95 (default 95)")->check(CLI::IsMember({"90", "95"}))->type_name("PERCENT");
    interval->add_option("--centre", options.named["centre"], "obtained (the score, with the SEM; the default) or true (the estimated true score, with the SEE)")
        ->check(CLI::IsMember({"obtained", "true"}))
        ->type_name("CENTRE");
    named(interval, "decimals", "D", "decimal places of the percentiles, 0 to 4 (default 1)");
    labelsOption(interval);
    csvOption(interval, "score,scale,reliability and optional level,centre,decimals");

    CLI::App* change = commands[Command::Change] = app.add_subcommand("change", "Has the patient changed between a test and a retest? Four reliable change methods side by side.");
    positional(change, "X1", "x1", "NUMBER", "the test score");
    positional(change, "X2", "x2", "NUMBER", "the retest score");
    named(change, "sd1", "S", "the SD at test of the retest study");
    named(change, "r", "R", "the test-retest correlation, greater than 0 and less than 1");
    named(change, "sd2", "S", "the SD at retest (Iverson; with the means and n, the regression)");
    named(change, "m1", "M", "the mean at test (with --m2: the practice effect)");
    named(change, "m2", "M", "the mean at retest");
    named(change, "n", "N", "the size of the retest sample, 3 to 9999 (the regression)");
    change->add_option("--level", options.named["level"], "the confidence, two-tailed: 90 (the default) or 95")->check(CLI::IsMember({"90", "95"}))->type_name("PERCENT");
    change->add_flag("--reverse", options.reverse, "low scores are good (errors, reaction times)");
    csvOption(change, "x1,x2,sd1,r and optional sd2,m1,m2,n,level,reverse");

    if (argc > 1 && argv[1][0] != '-' && std::none_of(commands.begin(), commands.end(), [&](const auto& command) { return command.second->get_name() == argv[1]; }))
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
    for (const auto& [command, subcommand] : commands) {
        if (!subcommand->parsed()) continue;
        if (subcommand->count("--csv") == 0) return runOne(command, options);
        for (const std::string& name : positionals[subcommand])
            if (subcommand->count(name)) return usage("--csv takes " + name + " from the file");
        return runCsv(command, options);
    }
    return kUsage;
}
