#include "common/operation.h"

#include <QtGlobal>

#include "common/refusal.h"

namespace modVelmora {

const char* const kResultOutOfRange = QT_TRANSLATE_NOOP("modVelmora::Messages", "The result is out of range.");

void Operation::compute(const Fields& fields, bool extended, const FieldContext& context, Outcome& outcome) const {
    outcome.results.items.clear();
    outcome.error.clear();
    try {
        computeNamed(fields, extended, context, outcome.results);
    } catch (const FieldError& failure) {
        outcome.results.items.clear();
        for (const std::string_view column : resultColumns(extended, context.labels)) outcome.results.add(column, {});
        outcome.error = failure.reason();
    }
}

void ThrowOutOfRange(const Fields& fields, std::string_view column) {
    throw FieldError(std::string(column) + " is out of range: " + std::string(FieldText(fields, column)));
}

}  // namespace modVelmora
