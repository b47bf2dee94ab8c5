#include "stats/tails.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <map>
#include <utility>

namespace modVelmora {

namespace {

namespace bm = boost::math;
// Nothing throws into a window: a value Boost cannot evaluate comes back non-finite and is refused.
// Worked in double, not Boost's default long double: several times faster, and p and the
// critical values agree far beyond the three decimals shown.
using Quiet = bm::policies::policy<bm::policies::domain_error<bm::policies::ignore_error>,
                                   bm::policies::overflow_error<bm::policies::ignore_error>,
                                   bm::policies::evaluation_error<bm::policies::ignore_error>,
                                   bm::policies::promote_double<false>>;

}  // namespace

double TwoTailedP(double statistic, std::optional<int> df) {
    return df ? 2 * bm::cdf(bm::complement(bm::students_t_distribution<double, Quiet>(*df), std::fabs(statistic)))
              : 2 * bm::cdf(bm::complement(bm::normal_distribution<double, Quiet>(), std::fabs(statistic)));
}

double TwoTailedCritical(double alpha, std::optional<int> df) {
    // A file's rows share a few of these, so each is worked out once.
    thread_local std::map<std::pair<int, double>, double> known;
    const auto key = std::make_pair(df.value_or(0), alpha);
    if (const auto found = known.find(key); found != known.end()) return found->second;
    const double value = df ? bm::quantile(bm::complement(bm::students_t_distribution<double, Quiet>(*df), alpha / 2))
                            : bm::quantile(bm::complement(bm::normal_distribution<double, Quiet>(), alpha / 2));
    return known.emplace(key, value).first->second;
}

double NormalQuantile(double p) {
    using DoublePolicy = bm::policies::policy<bm::policies::promote_double<false>>;
    return bm::quantile(bm::normal_distribution<double, DoublePolicy>(), p);
}

}  // namespace modVelmora
