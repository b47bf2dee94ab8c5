#include "session/sessioncolumns.h"

#include "cli/commands.h"

namespace modVelmora {

QStringList CliColumnOrder() {
    using cli::Command;
    QStringList order;
    // A name a command uses twice (interval's centre: the choice, then the estimated true score) comes twice.
    const auto add = [&order](const std::vector<std::string>& columns) {
        QStringList own;
        for (const std::string& column : columns) {
            const QString name = QString::fromStdString(column);
            if (order.count(name) <= own.count(name)) order.append(name);
            own.append(name);
        }
    };
    for (const Command command : {Command::Score, Command::Convert, Command::Age, Command::Interval, Command::Change}) {
        std::vector<std::string> columns = cli::RequiredColumns(command);
        for (const auto& more : {cli::OptionalColumns(command), cli::ResultColumns(command, true, LabelSystem::Aacn)})
            columns.insert(columns.end(), more.begin(), more.end());
        add(columns);
    }
    return order;
}

}  // namespace modVelmora
