#include "cli/commands.h"

#include <algorithm>

#include "age/ageoperation.h"
#include "change/changeoperation.h"
#include "converter/conversionoperation.h"
#include "difference/differenceoperation.h"
#include "interval/intervaloperation.h"
#include "profile/profileoperation.h"
#include "rawscore/rawscoreoperation.h"

namespace modVelmora::cli {

std::span<const Operation* const> Commands() {
    static const Operation* const commands[] = {&RawScoreOperation(), &ConversionOperation(), &AgeOperation(),
                                                &IntervalOperation(), &ChangeOperation(), &DifferenceOperation(DifferenceAgainst::Norms),
                                                &DifferenceOperation(DifferenceAgainst::Controls), &ProfileOperation()};
    return commands;
}

const Operation* CommandNamed(std::string_view word, const Fields& given) {
    for (const Operation* command : Commands()) {
        if (command->command() != word) continue;
        // A choice left out takes the word's first operation.
        const std::optional<Choice> choice = command->choice();
        const std::optional<std::string_view> chosen = choice ? given(choice->option) : std::nullopt;
        if (!chosen || *chosen == choice->value) return command;
    }
    return nullptr;
}

std::vector<std::string_view> ColumnOrder() {
    std::vector<std::string_view> order;
    for (const Operation* command : Commands()) {
        std::vector<std::string_view> columns;
        if (const std::optional<Choice> choice = command->choice()) columns.push_back(choice->option);
        const std::vector<std::string_view> required = command->requiredColumns();
        columns.insert(columns.end(), required.begin(), required.end());
        for (const auto& more : {command->optionalColumns(), command->resultColumns(true, LabelSystem::Aacn)})
            columns.insert(columns.end(), more.begin(), more.end());
        for (const std::string_view column : columns)
            if (std::find(order.begin(), order.end(), column) == order.end()) order.push_back(column);
    }
    return order;
}

}  // namespace modVelmora::cli
