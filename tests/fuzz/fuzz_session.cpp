// Any bytes read as a session and as its journal: never a crash; what is accepted is written and
// read back unchanged, a session exports as CSV, HTML and tab-separated text with one line per row,
// and a journal's changes apply to rows only where they name rows there are.
#include <cstdint>
#include <cstdlib>

#include "session/sessionexport.h"
#include "session/sessionrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace modVelmora;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const JournalText journal = ReadJournal(bytes);
    if (journal.damage.isEmpty()) {
        QByteArray text = JournalHeader(journal.snapshot);
        for (const SessionChange& change : journal.changes) text += JournalLine(change);
        const JournalText again = ReadJournal(text);
        if (!again.damage.isEmpty() || again.snapshot != journal.snapshot || again.changes.size() != journal.changes.size()) std::abort();
        QList<SessionRow> rows;
        QStringList patients{QString()};
        for (qsizetype i = 0; i < journal.changes.size(); ++i) {
            if (JournalLine(again.changes[i]) != JournalLine(journal.changes[i])) std::abort();
            const auto after = SizeAfter({rows.size(), patients.size()}, journal.changes[i]);
            if (!after) continue;
            ApplyChange(rows, patients, journal.changes[i]);
            if (rows.size() != after->rows || patients.size() != after->patients) std::abort();
        }
        // What the changes left is a session that reads back as itself.
        const SessionText whole = ReadSession(WriteSession(rows, patients));
        if (!whole.damage.isEmpty() || whole.rows != rows || whole.patients != patients) std::abort();
    }

    const SessionText read = ReadSession(bytes);
    if (!read.damage.isEmpty()) return 0;
    const SessionText again = ReadSession(WriteSession(read.rows, read.patients));
    if (!again.damage.isEmpty() || again.rows != read.rows || again.patients != read.patients) std::abort();

    if (!SessionCsv(read.rows, {"raw", "z", "test"}, read.patients).startsWith(QStringLiteral("time,patient,module,test"))) std::abort();
    QList<QStringList> table{{"time", "module", "test", "entry", "results"}};
    for (const SessionRow& row : read.rows) table.append({SessionTimeText(row.time), row.module, row.test, row.entry, row.results});
    const QStringList lines = TabSeparated(table).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].count(u'\t') != (i < table.size() ? 4 : 0) || lines.size() != table.size() + 1) std::abort();
    if (!HtmlTable(table).endsWith(QStringLiteral("</table>\n</body></html>\n"))) std::abort();
    return 0;
}
