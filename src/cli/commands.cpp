#include "cli/commands.h"

#include <algorithm>

#include "age/ageoperation.h"
#include "change/changeoperation.h"
#include "converter/conversionoperation.h"
#include "interval/intervaloperation.h"
#include "rawscore/rawscoreoperation.h"

namespace modVelmora::cli {

std::span<const Operation* const> Commands() {
    static const Operation* const commands[] = {&RawScoreOperation(), &ConversionOperation(), &AgeOperation(),
                                                &IntervalOperation(), &ChangeOperation()};
    return commands;
}

const Operation* CommandNamed(std::string_view word) {
    for (const Operation* command : Commands())
        if (command->command() == word) return command;
    return nullptr;
}

std::vector<std::string_view> ColumnOrder() {
    std::vector<std::string_view> order;
    for (const Operation* command : Commands()) {
        std::vector<std::string_view> columns = command->requiredColumns();
        for (const auto& more : {command->optionalColumns(), command->resultColumns(true, LabelSystem::Aacn)})
            columns.insert(columns.end(), more.begin(), more.end());
        for (const std::string_view column : columns)
            if (std::find(order.begin(), order.end(), column) == order.end()) order.push_back(column);
    }
    return order;
}

}  // namespace modVelmora::cli
