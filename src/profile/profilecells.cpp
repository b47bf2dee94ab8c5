#include "profile/profilecells.h"

#include <QtGlobal>
#include <algorithm>

#include "common/fields.h"

namespace modVelmora {

namespace {

const char* const kNoScore = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter a score.");
const char* const kScoreNotNumber = QT_TRANSLATE_NOOP("modVelmora::Messages", "The score is not a number.");
const char* const kNoScale = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please choose the score's scale.");
const char* const kUnknownScale = QT_TRANSLATE_NOOP(
    "modVelmora::Messages", "The scale is none of Percentile, Scaled Score, Standard Score, T-Score and Z-Score.");
const char* const kReliabilityNotNumber = QT_TRANSLATE_NOOP("modVelmora::Messages", "The reliability is not a number.");

bool named(const QString& text, const QStringList& names) {
    const QString wanted = text.trimmed();
    return std::any_of(names.begin(), names.end(), [&](const QString& name) { return wanted.compare(name, Qt::CaseInsensitive) == 0; });
}

// A cell's number with "." for its point; none for a text that is not wholly a number.
std::optional<std::string> cellNumber(const QString& cell) {
    std::string text = cell.trimmed().toStdString();
    std::replace(text.begin(), text.end(), ',', '.');
    if (!IsPlainNumber(text, '.')) return std::nullopt;
    return text;
}

// The lines and cells of tab-separated text, quoted cells unquoted; blank lines left out.
std::vector<QStringList> tabbedLines(const QString& text) {
    std::vector<QStringList> lines;
    QStringList cells{QString()};
    bool quoted = false, quotable = true;  // quotable: nothing yet in the cell
    const auto endLine = [&] {
        if (cells.size() > 1 || !cells.first().trimmed().isEmpty()) lines.push_back(cells);
        cells = QStringList{QString()};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') cells.last() += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"') cells.last() += text[++i];
            else quoted = false;
        } else if (c == u'"' && quotable) {
            quoted = true;
        } else if (c == u'\t') {
            cells << QString();
            quotable = true;
            continue;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            endLine();
            quotable = true;
            continue;
        } else {
            cells.last() += c;
        }
        quotable = false;
    }
    endLine();
    return lines;
}

}  // namespace

std::optional<ScoreScale> ScaleOfText(const QString& text, const ScaleNames& names) {
    for (int scale = 0; scale < kScaleCount; ++scale)
        if (named(text, names[static_cast<std::size_t>(scale)])) return static_cast<ScoreScale>(scale);
    return std::nullopt;
}

CellReading ReadProfileCells(const ProfileCells& cells, const ScaleNames& names, const ProfileEntry& choices) {
    const auto at = [&cells](ProfileColumn column) { return cells[static_cast<std::size_t>(column)].trimmed(); };
    if (std::all_of(cells.begin(), cells.end(), [](const QString& cell) { return cell.trimmed().isEmpty(); })) return {};
    const auto problem = [](const char* why, ProfileColumn cell) { return CellReading{std::nullopt, why, cell}; };
    if (at(ProfileColumn::Score).isEmpty()) return problem(kNoScore, ProfileColumn::Score);
    const std::optional<std::string> score = cellNumber(at(ProfileColumn::Score));
    if (!score) return problem(kScoreNotNumber, ProfileColumn::Score);
    if (at(ProfileColumn::Scale).isEmpty()) return problem(kNoScale, ProfileColumn::Scale);
    const std::optional<ScoreScale> scale = ScaleOfText(at(ProfileColumn::Scale), names);
    if (!scale) return problem(kUnknownScale, ProfileColumn::Scale);
    std::optional<std::string> reliability = std::string();
    if (!at(ProfileColumn::Reliability).isEmpty()) reliability = cellNumber(at(ProfileColumn::Reliability));
    if (!reliability) return problem(kReliabilityNotNumber, ProfileColumn::Reliability);
    ProfileEntry entry = choices;
    entry.score = *score;
    entry.scale = *scale;
    entry.reliability = *reliability;
    return {entry, nullptr, ProfileColumn::Score};
}

PastedRows ReadPastedRows(const QString& text, int firstColumn, const ProfileColumnNames& columns) {
    PastedRows pasted;
    std::vector<QStringList> lines = tabbedLines(text);
    // Where each cell of a line goes; -1 for none.
    std::vector<int> place;
    if (!lines.empty()) {
        const QStringList& first = lines.front();
        const bool numbers = std::any_of(first.begin(), first.end(), [](const QString& cell) { return cellNumber(cell).has_value(); });
        const bool namesScore = std::any_of(first.begin(), first.end(), [&](const QString& cell) {
            return named(cell, columns[static_cast<std::size_t>(ProfileColumn::Score)]);
        });
        pasted.header = namesScore && !numbers;
    }
    if (pasted.header) {
        for (const QString& cell : lines.front()) {
            int column = -1;
            for (int c = 0; c < kProfileEntryColumns && column < 0; ++c)
                if (named(cell, columns[static_cast<std::size_t>(c)]) && std::find(place.begin(), place.end(), c) == place.end()) column = c;
            place.push_back(column);
        }
        lines.erase(lines.begin());
    }
    for (const QStringList& line : lines) {
        ProfileCells& row = pasted.rows.emplace_back();
        for (qsizetype i = 0; i < line.size(); ++i) {
            const int column = pasted.header ? (std::size_t(i) < place.size() ? place[std::size_t(i)] : -1)
                                             : std::clamp(firstColumn, 0, kProfileEntryColumns) + int(i);
            if (column < 0 || column >= kProfileEntryColumns) continue;
            row[static_cast<std::size_t>(column)] = line[i].trimmed();
            pasted.given[static_cast<std::size_t>(column)] = true;
        }
    }
    return pasted;
}

}  // namespace modVelmora
