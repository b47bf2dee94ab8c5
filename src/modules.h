#pragma once

#include <map>

#include "shell/program.h"

namespace modVelmora {

// How each module window of the program is made.
std::map<Module, ModuleFactory> ModuleWindows();

}  // namespace modVelmora
