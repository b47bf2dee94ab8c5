#include "modules.h"

#include "rawscore/frmrawscoreconverter.h"
#include "shell/modvelmora.h"

namespace modVelmora {

void RegisterModuleWindows() {
    RegisterModule(frmRawScoreConverter::kModuleNumber, [] { return std::make_unique<frmRawScoreConverter>(); });
}

}  // namespace modVelmora
