#include "stats/smallsample.h"

#include <cmath>

#include "stats/numbers.h"

namespace modVelmora {

double LogGamma(double z) {
    const int k = static_cast<int>(std::floor(6 - z));
    if (k >= 1) z += k;
    const float r = static_cast<float>(1 / (z * z));
    const float rOver99 = r / 99.0f;
    const float twelveZ = static_cast<float>(12 * z);
    const double c = (1 - r * (1.0 / 30 - r * (1.0 / 105 - r * (1.0 / 140 - rOver99)))) / twelveZ;
    double g = (z - 0.5) * std::log(z) - z + 0.918938533204673 + c;
    for (int i = 0; i < k; ++i) {
        z -= 1;
        g -= std::log(z);
    }
    return g;
}

float BetaSeries(float a, float b, float f) {
    a = a / 2;
    b = b / 2;
    const float x = static_cast<float>(b / (static_cast<double>(a) * f + b));
    float L = static_cast<float>(LogGamma(static_cast<double>(a) + b));
    L = static_cast<float>(L - LogGamma(a));
    L = static_cast<float>(L - LogGamma(static_cast<double>(b) + 1));
    L = static_cast<float>(L + b * std::log(static_cast<double>(x)) +
                           a * std::log(1 - static_cast<double>(x)));
    // Below about e^-87 the leading term leaves the single-precision range.
    if (!(L > -87)) return -1;

    a = a + b;
    b = b + 1;
    L = static_cast<float>(std::exp(static_cast<double>(L)));
    const float eps = static_cast<float>(1e-11 / L);
    float d = static_cast<float>(static_cast<double>(a) * x / b);
    float s = static_cast<float>(1 + static_cast<double>(d));
    float previous = 0;
    // A 16-bit term counter bounds the series at 32,767 terms.
    for (int i = 1; i <= INT16_MAX; ++i) {
        d = static_cast<float>((static_cast<double>(a) + i) * d * x / (static_cast<double>(b) + i));
        s = static_cast<float>(static_cast<double>(s) + d);
        if (d < eps && d < previous) break;
        previous = d;
    }
    return static_cast<float>(static_cast<double>(s) * L);
}

float TwoSidedTailProbability(float t2, std::int16_t df) {
    // 31 is 20/m + 1 + 10/sqrt(m) for m = 1, the numerator degrees of freedom.
    float P;
    if (t2 < df && t2 < 31) {
        P = static_cast<float>(1 - static_cast<double>(BetaSeries(df, 1, static_cast<float>(1 / static_cast<double>(t2)))));
    } else {
        P = BetaSeries(1, df, t2);
    }
    if (P > 1 || P < 0) P = t2 > 1 ? 0.0f : (t2 == 1 ? 0.5f : 1.0f);
    return P;
}

SmallSampleResult SmallN(float rawScore, float mean, float sd, std::int16_t n, bool reverse,
                         unsigned decimals) {
    const std::int16_t df = static_cast<std::int16_t>(n - 1);
    const double factor = std::sqrt((n + 1.0) / n);
    const float t = static_cast<float>((static_cast<double>(rawScore) - mean) / (sd * factor));
    if (t == 0) return {0, 50};

    const float t2 = static_cast<float>(static_cast<double>(t) * t);
    const double shownT = RoundToPlaces(t, 4);

    const float P = TwoSidedTailProbability(t2, df);
    const float half = P / 2;
    const float adjusted = half * 100;
    const bool above = rawScore > mean;
    const float shown = above != reverse ? 100 - adjusted : adjusted;
    return {reverse ? -shownT : shownT,
            static_cast<float>(RoundToPlaces(shown, static_cast<int>(decimals)))};
}

}  // namespace modVelmora
