// Any bytes read as a session: never a crash; what is accepted is written and read back
// unchanged, and exports as CSV, HTML and tab-separated text with one line per row.
#include <cstdint>
#include <cstdlib>

#include "session/sessionexport.h"
#include "session/sessionrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace modVelmora;
    const SessionText read = ReadSession(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!read.damage.isEmpty()) return 0;
    const SessionText again = ReadSession(WriteSession(read.rows));
    if (!again.damage.isEmpty() || again.rows != read.rows) std::abort();

    if (!SessionCsv(read.rows, {"raw", "z", "test"}).startsWith(QStringLiteral("time,module,test"))) std::abort();
    QList<QStringList> table{{"time", "module", "test", "entry", "results"}};
    for (const SessionRow& row : read.rows) table.append({SessionTimeText(row.time), row.module, row.test, row.entry, row.results});
    const QStringList lines = TabSeparated(table).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].count(u'\t') != (i < table.size() ? 4 : 0) || lines.size() != table.size() + 1) std::abort();
    if (!HtmlTable(table).endsWith(QStringLiteral("</table>\n</body></html>\n"))) std::abort();
    return 0;
}
