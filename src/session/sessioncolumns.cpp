#include "session/sessioncolumns.h"

#include "cli/commands.h"

namespace modVelmora {

QStringList CliColumnOrder() {
    using cli::Command;
    QStringList order;
    const auto add = [&order](const std::vector<std::string>& columns) {
        for (const std::string& column : columns)
            if (!order.contains(QString::fromStdString(column))) order.append(QString::fromStdString(column));
    };
    for (const Command command : {Command::Score, Command::Convert, Command::Age, Command::Interval, Command::Change}) {
        add(cli::RequiredColumns(command));
        add(cli::OptionalColumns(command));
        add(cli::ResultColumns(command, true, LabelSystem::Aacn));
    }
    return order;
}

}  // namespace modVelmora
