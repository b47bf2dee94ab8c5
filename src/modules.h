#pragma once

#include <map>

#include "program.h"

namespace modVelmora {

// How each module window of the program is made.
std::map<Module, ModuleFactory> ModuleWindows();

}  // namespace modVelmora
