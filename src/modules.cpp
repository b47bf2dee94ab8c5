#include "modules.h"

#include "age/frmagecalculator.h"
#include "calculator/frmcalculator.h"
#include "converter/frmscoreconverter.h"
#include "rawscore/frmrawscoreconverter.h"

namespace modVelmora {

std::map<Module, ModuleFactory> ModuleWindows() {
    return {{Module::RawScore, [] { return std::make_unique<frmRawScoreConverter>(); }},
            {Module::ScoreConverter, [] { return std::make_unique<frmScoreConverter>(); }},
            {Module::AgeCalculator, [] { return std::make_unique<frmAgeCalculator>(); }},
            {Module::Calculator, [] { return std::make_unique<frmCalculator>(); }}};
}

}  // namespace modVelmora
