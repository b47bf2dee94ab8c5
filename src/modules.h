#pragma once

namespace modVelmora {

// Makes every module window of the program available to the shell.
void RegisterModuleWindows();

}  // namespace modVelmora
