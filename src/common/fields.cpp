#include "common/fields.h"

#include <algorithm>
#include <charconv>

#include "common/yesno.h"

namespace modVelmora {

const std::string& NamedTexts::operator[](std::string_view name) const {
    static const std::string none;
    for (const auto& [field, text] : items)
        if (field == name) return text;
    return none;
}

Fields::Fields(const NamedTexts& texts) {
    for (const auto& [name, text] : texts.items) byName.emplace_back(name, text);
}

std::string_view FieldText(const Fields& fields, std::string_view name) {
    std::string_view text = fields(name).value_or("");
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsPlainNumber(std::string_view text, char point) {
    const std::string_view digits = text.substr(!text.empty() && text[0] == '-' ? 1 : 0);
    int points = 0, digitCount = 0;
    for (const char c : digits) {
        points += c == point;
        digitCount += c >= '0' && c <= '9';
    }
    return points <= 1 && digitCount > 0 && points + digitCount == int(digits.size());
}

std::string NumberField(const Fields& fields, std::string_view name, const FieldContext& context) {
    const char point = context.decimalComma ? ',' : '.';
    const std::string_view text = FieldText(fields, name);
    if (!text.empty() && !IsPlainNumber(text, point)) throw FieldError(std::string(name) + " is not a number: " + std::string(text));
    std::string number(text);
    std::replace(number.begin(), number.end(), point, '.');
    return number;
}

unsigned DecimalsField(const Fields& fields) {
    const std::string_view text = FieldText(fields, "decimals");
    if (text.empty()) return 1;
    unsigned decimals = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decimals);
    if (error != std::errc() || end != text.data() + text.size() || decimals > 4)
        throw FieldError("decimals must be a whole number from 0 to 4: " + std::string(text));
    return decimals;
}

bool YesNoField(const Fields& fields, std::string_view name) {
    const std::string_view text = FieldText(fields, name);
    if (const std::optional<bool> yes = ReadYesNo(text)) return *yes;
    throw FieldError(std::string(name) + " must be 0 or 1, true or false, yes or no: " + std::string(text));
}

ConfidenceLevel LevelField(const Fields& fields, ConfidenceLevel fallback) {
    const std::string_view text = FieldText(fields, "level");
    if (text.empty()) return fallback;
    if (text == "90") return ConfidenceLevel::Ninety;
    if (text == "95") return ConfidenceLevel::NinetyFive;
    throw FieldError("level must be 90 or 95: " + std::string(text));
}

}  // namespace modVelmora
