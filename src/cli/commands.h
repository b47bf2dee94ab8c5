#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "common/operation.h"

// velmora-cli's commands: one operation of a module each.

namespace modVelmora::cli {

// In the order --help lists them, which the session's CSV also gives their columns.
std::span<const Operation* const> Commands();
// The command of that word, of several the one the given fields choose (the first when they name
// none); nullptr when there is none.
const Operation* CommandNamed(std::string_view word, const Fields& given = {});
// Every command's columns, its choice's option then its entry's then its results (labels
// included), each name once where it first comes: the columns of a session's CSV.
std::vector<std::string_view> ColumnOrder();

}  // namespace modVelmora::cli
