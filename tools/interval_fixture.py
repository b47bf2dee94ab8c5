#!/usr/bin/python3
"""Writes the table the interval estimates are checked against, computed
independently of Boost: the noncentral t by integrating the normal over the
chi-square distribution, and Brent's root finder (Debian's python3-scipy).
    tools/interval_fixture.py > tests/stats/fixtures/intervals.csv"""
import math
import random

from scipy import integrate, optimize, stats


def noncentral_t_cdf(t, df, delta):
    # P(T <= t) for T = (Z + delta) / W, W = sqrt(V / df) with V chi-square with df degrees of
    # freedom: the normal integrated over W, on the range where W has any weight.
    chi = stats.chi(df, scale=1 / math.sqrt(df))
    below = lambda w: stats.norm.cdf(t * w - delta) * chi.pdf(w)
    return integrate.quad(below, chi.ppf(1e-15), chi.isf(1e-15), epsabs=1e-14, epsrel=1e-12, limit=1000)[0]


def noncentrality(t0, df, probability):
    excess = lambda delta: noncentral_t_cdf(t0, df, delta) - probability
    low, high = t0 - 1, t0 + 1
    while excess(low) < 0:
        low -= 2 * (t0 - low)
    while excess(high) > 0:
        high += 2 * (high - t0)
    return optimize.brentq(excess, low, high, xtol=1e-12, rtol=1e-13)


def main():
    rng = random.Random(20261206)
    print("raw,mean,sd,n,percentile_low,percentile_high,zcc_low,zcc_high")
    cases = [(115, 100, 15, 10), (130, 100, 15, 5), (70, 100, 15, 20), (100, 100, 15, 10)]
    while len(cases) < 300:
        mean, sd = rng.choice([(100, 15), (50, 10), (10, 3), (0, 1)])
        n = rng.choice([2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 40, 50, 75, 100, 150, 250, 500])
        cases.append((round(mean + sd * rng.uniform(-4, 4), 2), mean, sd, n))
    for raw, mean, sd, n in cases:
        root = math.sqrt(n)
        t0 = (raw - mean) / sd * root
        low = noncentrality(t0, n - 1, 0.975) / root
        high = noncentrality(t0, n - 1, 0.025) / root
        percent = lambda z: 100 * stats.norm.cdf(z)
        print(f"{raw},{mean},{sd},{n},{percent(low):.10f},{percent(high):.10f},{low:.10f},{high:.10f}")


main()
