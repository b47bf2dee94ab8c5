#include "modules.h"

#include "age/frmagecalculator.h"
#include "calculator/frmcalculator.h"
#include "change/frmreliablechange.h"
#include "converter/frmscoreconverter.h"
#include "difference/frmscoredifference.h"
#include "interval/frmscoreinterval.h"
#include "profile/frmscoreprofile.h"
#include "rawscore/frmrawscoreconverter.h"

namespace modVelmora {

namespace {

template <class Window>
ModuleFactory make() {
    return [](Settings& settings) { return std::make_unique<Window>(settings); };
}

}  // namespace

std::map<Module, ModuleFactory> ModuleWindows() {
    return {{Module::RawScore, make<frmRawScoreConverter>()},
            {Module::ScoreConverter, make<frmScoreConverter>()},
            {Module::AgeCalculator, make<frmAgeCalculator>()},
            {Module::Calculator, make<frmCalculator>()},
            {Module::ScoreInterval, make<frmScoreInterval>()},
            {Module::ReliableChange, make<frmReliableChange>()},
            {Module::ScoreDifference, make<frmScoreDifference>()},
            {Module::ScoreProfile, make<frmScoreProfile>()}};
}

}  // namespace modVelmora
