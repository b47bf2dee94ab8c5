#include "modules.h"

#include "age/frmagecalculator.h"
#include "calculator/frmcalculator.h"
#include "converter/frmscoreconverter.h"
#include "rawscore/frmrawscoreconverter.h"
#include "shell/modvelmora.h"

namespace modVelmora {

void RegisterModuleWindows() {
    RegisterModule(frmRawScoreConverter::kModuleNumber, [] { return std::make_unique<frmRawScoreConverter>(); });
    RegisterModule(frmScoreConverter::kModuleNumber, [] { return std::make_unique<frmScoreConverter>(); });
    RegisterModule(frmAgeCalculator::kModuleNumber, [] { return std::make_unique<frmAgeCalculator>(); });
    RegisterModule(frmCalculator::kModuleNumber, [] { return std::make_unique<frmCalculator>(); });
}

}  // namespace modVelmora
