#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "interval/scoreinterval.h"

// The manual's worked examples are written as placeholders that the
// program's own routines fill in when the manual is built:
//   {{z RAW MEAN SD DECIMALS [reverse]}}          z-score as the raw score window shows it
//   {{percentile RAW MEAN SD DECIMALS [reverse]}} percentile as it shows it
//   {{tscore RAW MEAN SD N}}                      t value of the t-test option
//   {{adjusted RAW MEAN SD N DECIMALS}}           adjusted percentile
//   {{interval RAW MEAN SD N DECIMALS}}           its 95% interval ("58.5 to 96.0"); interval-low, interval-high one end
//   {{zcc RAW MEAN SD N}}                         z-CC with its 95% interval
//   {{convert FROM TO ENTRY DECIMALS}}            the score converter (percentile, scaled, standard, T, z)
//   {{ci SCALE SCORE R LEVEL obtained|true PART}}  the score interval: bounds, percentiles, centre or stanine;
//                                                 picture: its bell curve, as a Markdown image of a picture listed
//   {{change X1 X2 S1 S2 M1 M2 N R LEVEL METHOD [verdict]}}  a reliable change method's table row ("-" leaves an
//                                                 entry out), or its verdict and p
//   {{label SCALE ENTRY SYSTEM}}                  the descriptive label (aacn, wechsler); standard: its standard score
//   {{age BIRTH TEST}}                            the age calculator (ISO dates)
//   {{corrected BIRTH TEST WEEKS+DAYS}}           the age corrected for prematurity; due: the due date, ISO
//   {{calc KEYS}}                                 the calculator's display after the keys
//   {{version}}                                   the program's version

namespace helpdoc {

struct UnknownPlaceholder : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A bell curve the manual shows: the interval and the scale of its entry, drawn under the name
// its image refers to.
struct Picture {
    std::string name;
    modVelmora::IntervalReport report;
    modVelmora::ScoreScale scale;
};

struct FilledManual {
    std::string text;
    std::vector<Picture> pictures;
};

// Replaces every placeholder; throws UnknownPlaceholder for one it cannot fill.
FilledManual FillWorkedExamples(const std::string& text, const std::string& version);

}  // namespace helpdoc
