#!/usr/bin/env python3
# Reference values for the reliable-change calculator.
#
# For each row of test score X1, retest score X2 and retest-study norms
# (SD at test and retest, means at test and retest, r, n) it computes the
# expected retest score, its standard error, z (or t), the two-tailed p and the
# 90% / 95% ranges of retest scores that are not a reliable change, by
# Jacobson & Truax (1991), Chelune et al. (1993), Iverson (2001) and the
# regression method of Crawford & Garthwaite (2007).
#
# Library: SciPy's special functions (ndtr/ndtri for the normal distribution,
# stdtr/stdtrit for Student's t). Every p value and every critical value is
# checked against scipy.integrate.quad over the density before anything is
# written. Deterministic (fixed seed).
#
# Rerun with Debian's python3 and python3-scipy:
#   python3 tools/change_fixture.py > tests/change/fixtures/reliablechange.csv

import csv
import math
import random
import sys
from fractions import Fraction

from scipy import integrate, special

SEED = 20240611
TOL = 1e-10
TAILS = {90: Fraction(5, 100), 95: Fraction(25, 1000)}  # area in each tail outside the range
METHODS = ("jt", "chelune", "iverson", "cg")


def norm_pdf(x, df=None):
    return math.exp(-0.5 * x * x) / math.sqrt(2 * math.pi)


def t_pdf(x, df):
    # Written out from the gamma function so it shares no code with stdtr.
    log_c = special.gammaln((df + 1) / 2) - special.gammaln(df / 2) - 0.5 * math.log(df * math.pi)
    return math.exp(log_c - (df + 1) / 2 * math.log1p(x * x / df))


def upper_tail_by_quad(x, df):
    pdf = norm_pdf if df is None else t_pdf
    return integrate.quad(pdf, x, math.inf, args=(df,), epsabs=0, epsrel=1e-13, limit=500)[0]


def two_tailed_p(stat, df):
    # The lower tail itself, not 1 - cdf, so tiny p values keep their digits.
    p = 2 * (special.ndtr(-abs(stat)) if df is None else special.stdtr(df, -abs(stat)))
    by_quad = 2 * upper_tail_by_quad(abs(stat), df)
    assert abs(p - by_quad) <= TOL * by_quad, (stat, df, p, by_quad)  # relative, so tiny p values are held too
    return p


def critical_value(tail, df):
    if df is None:
        q = -special.ndtri(float(tail))
    else:
        # stdtrit stops its root search near 1e-9 relative; Newton steps on stdtr finish the job.
        q = -special.stdtrit(df, float(tail))
        for _ in range(4):
            q += (special.stdtr(df, -q) - float(tail)) / t_pdf(q, df)
    pdf = norm_pdf(q) if df is None else t_pdf(q, df)
    error = (upper_tail_by_quad(q, df) - float(tail)) / pdf  # how far q sits from the quantile quad sees
    assert abs(error) <= TOL, (tail, df, q, error)
    return q


CRIT_CACHE = {}


def crit(tail, df):
    if (tail, df) not in CRIT_CACHE:
        CRIT_CACHE[tail, df] = critical_value(tail, df)
    return CRIT_CACHE[tail, df]


def compute(row):
    """Returns {method: (expected, se, stat, p, df, {level: (low, high)})} for the methods that apply."""
    # Inputs are exact decimals as typed; differences and variances are formed exactly
    # so only the final square root and division round.
    q = {k: (Fraction(v) if v != "" else None) for k, v in row.items()}
    x1, x2, s1, s2, m1, m2, n, r = (q[k] for k in ("x1", "x2", "sd1", "sd2", "m1", "m2", "n", "r"))
    have_means = m1 is not None
    practice = m2 - m1 if have_means else Fraction(0)

    terms = {}  # method: (expected, deviation of X2 from it, SE squared, df)
    terms["jt"] = (x1, x2 - x1, 2 * s1 * s1 * (1 - r), None)
    if have_means:
        terms["chelune"] = (x1 + practice, x2 - x1 - practice, 2 * s1 * s1 * (1 - r), None)
    if s2 is not None:
        terms["iverson"] = (x1 + practice, x2 - x1 - practice, (s1 * s1 + s2 * s2) * (1 - r), None)
    if have_means and s2 is not None and n is not None:
        predicted = m2 + r * s2 / s1 * (x1 - m1)
        se2 = (s2 * s2 * (1 - r * r) * (n - 1) / (n - 2)
               * (1 + 1 / n + (x1 - m1) ** 2 / (s1 * s1 * (n - 1))))
        terms["cg"] = (predicted, x2 - predicted, se2, int(n) - 2)

    out = {}
    for method, (expected, deviation, se2, df) in terms.items():
        se = math.sqrt(se2)
        stat = float(deviation) / se
        e = float(expected)
        ranges = {lvl: (e - crit(t, df) * se, e + crit(t, df) * se) for lvl, t in TAILS.items()}
        out[method] = (e, se, stat, two_tailed_p(stat, df), df, ranges)
    return out


def text(value, decimals):
    """A number as a clinician would type it: 13.8, 0.95, 104."""
    s = f"{value:.{decimals}f}"
    return s.rstrip("0").rstrip(".") if "." in s else s


# (mean, SD, lowest, highest, decimals of a score): scaled, standard, T and two raw-score scales
SCALES = [
    (10, 3, 1, 19, 0),
    (100, 15, 40, 160, 0),
    (50, 10, 20, 90, 0),
    (24, 5, 0, 48, 0),     # e.g. a word-list total
    (38, 12, 10, 150, 1),  # e.g. seconds on a timed task
]
N_LANDMARKS = [3, 4, 5, 10, 30, 100, 1000, 9999]
R_LANDMARKS = [0.5, 0.6, 0.7, 0.75, 0.8, 0.85, 0.9, 0.95, 0.98]
# which optional norms are left out: (means, sd2, n)
PATTERNS = [((), 40), (("means",), 15), (("sd2",), 15), (("n",), 15),
            (("sd2", "n"), 5), (("means", "sd2"), 5), (("means", "n"), 5), (("means", "sd2", "n"), 5)]


def random_row(rng):
    mean, sd, lo, hi, dec = rng.choice(SCALES)
    s1 = round(sd * rng.uniform(0.8, 1.2), 1)
    s2 = round(s1 * rng.uniform(0.85, 1.25), 1)
    m1 = round(mean + sd * rng.uniform(-0.3, 0.3), 1)
    practice = {"up": 1, "down": -1, "none": 0}[rng.choice(["up", "down", "none"])]
    m2 = round(m1 + practice * sd * rng.uniform(0.05, 0.5), 1)
    r = rng.choice(R_LANDMARKS) if rng.random() < 0.5 else round(rng.uniform(0.5, 0.98), 2)
    n = rng.choice(N_LANDMARKS) if rng.random() < 0.5 else int(round(math.exp(rng.uniform(math.log(3), math.log(9999)))))
    spread = 3.5 if rng.random() < 0.1 else 1.2  # some far from the mean, where the regression SE grows
    x1 = min(hi, max(lo, round(rng.gauss(m1, spread * sd), dec)))
    shift = rng.choice([0, 0.5, 1, 1.645, 2, 2.5, 3, 5]) * rng.choice([-1, 1]) + rng.uniform(-0.3, 0.3)
    x2 = min(hi, max(lo, round(x1 + (m2 - m1) + shift * s1 * math.sqrt(2 * (1 - r)), dec)))
    left_out = rng.choices([p for p, _ in PATTERNS], weights=[w for _, w in PATTERNS])[0]
    return {"x1": text(x1, dec), "x2": text(x2, dec), "sd1": text(s1, 1),
            "sd2": "" if "sd2" in left_out else text(s2, 1),
            "m1": "" if "means" in left_out else text(m1, 1),
            "m2": "" if "means" in left_out else text(m2, 1),
            "n": "" if "n" in left_out else str(n), "r": text(r, 2)}


def row(x1, x2, sd1, sd2, m1, m2, n, r):
    return dict(x1=x1, x2=x2, sd1=sd1, sd2=sd2, m1=m1, m2=m2, n=n, r=r)


HAND_PICKED = [
    row("104", "96", "13.8", "15", "100", "104.3", "50", "0.95"),  # the published worked example
    row("104", "96", "13.8", "15", "", "", "50", "0.95"),          # same without the means
    row("104", "96", "13.8", "", "100", "104.3", "50", "0.95"),
    row("104", "96", "13.8", "", "", "", "", "0.95"),              # J&T alone
    row("104", "96", "13.8", "15", "100", "104.3", "", "0.95"),
    row("12", "9", "3", "3.1", "10", "10.8", "3", "0.98"),         # smallest study, df = 1
    row("7", "13", "2.9", "3.4", "9.6", "10.1", "3", "0.5"),
    row("145", "130", "15", "16.2", "100", "103", "3", "0.7"),     # X1 far from M1 in a tiny study
    row("61", "55", "10", "9.6", "50.4", "52.1", "4", "0.8"),
    row("88", "112", "14.2", "15.5", "99.1", "101.9", "9999", "0.5"),
    row("100", "100", "15", "15", "100", "100", "30", "0.9"),      # no change at all
    row("10", "11", "3", "3", "10", "11", "10", "0.8"),            # X2 exactly at the Chelune/Iverson expectation
    row("53", "57", "10", "10", "50", "54", "5", "0.85"),          # X2 at the Chelune/Iverson expectation, just above the regression's
    row("100", "40", "15", "", "", "", "", "0.98"),                # z = -20: p far below 1e-80
    row("40", "160", "15", "15", "100", "100", "1000", "0.98"),
    row("22", "31.5", "4.7", "5.2", "23.4", "25.1", "100", "0.66"),
    row("41.5", "33.2", "12.6", "10.9", "38.2", "34.7", "30", "0.72"),  # timed task, negative practice effect
]


def check_worked_example():
    got = compute(HAND_PICKED[0])
    published = {"jt": (104.00, 4.36, -1.83, 0.067), "chelune": (108.30, 4.36, -2.82, 0.005),
                 "iverson": (108.30, 4.56, -2.70, 0.007), "cg": (108.43, 4.78, -2.60, 0.012)}
    for method, (expected, se, stat, p) in published.items():
        e, s, z, pv, _, _ = got[method]
        assert (round(e, 2), round(s, 2), round(z, 2), round(pv, 3)) == (expected, se, stat, p), (method, got[method])
    assert got["cg"][4] == 48
    _, s, z, _, _, _ = compute(HAND_PICKED[1])["iverson"]
    assert (round(s, 3), round(z, 2)) == (4.558, -1.76)
    # the usual two-sided 90% and 95% normal quantiles
    assert (round(crit(TAILS[90], None), 7), round(crit(TAILS[95], None), 7)) == (1.6448536, 1.959964)


def check_coverage(rows, results):
    full = [r for r, res in zip(rows, results) if "cg" in res]
    assert {int(r["n"]) for r in full} >= set(N_LANDMARKS)
    assert {float(r["r"]) for r in full} >= {0.5, 0.98}
    assert all(0.5 <= float(r["r"]) <= 0.98 for r in rows)
    practice = {(Fraction(r["m2"]) > Fraction(r["m1"])) - (Fraction(r["m2"]) < Fraction(r["m1"])) for r in full}
    assert practice == {-1, 0, 1}
    for method in METHODS:
        signs = {(res[method][2] > 0) - (res[method][2] < 0) for res in results if method in res}
        assert signs == {-1, 0, 1}, method
    patterns = {(r["m1"] == "", r["sd2"] == "", r["n"] == "") for r in rows}
    assert len(patterns) == 8


def main():
    check_worked_example()
    rng = random.Random(SEED)
    rows = HAND_PICKED + [random_row(rng) for _ in range(400)]
    results = [compute(r) for r in rows]
    check_coverage(rows, results)

    inputs = ["x1", "x2", "sd1", "sd2", "m1", "m2", "n", "r"]
    header = list(inputs)
    for m in METHODS:
        header += [f"{m}_expected", f"{m}_se", f"{m}_t" if m == "cg" else f"{m}_z", f"{m}_p"]
    header.append("cg_df")
    for m in METHODS:
        header += [f"{m}_low90", f"{m}_high90", f"{m}_low95", f"{m}_high95"]

    def num(v):
        return "%.17g" % (v + 0.0)  # + 0.0 turns -0 into 0

    writer = csv.writer(sys.stdout, lineterminator="\n")
    writer.writerow(header)
    for r, res in zip(rows, results):
        line = [r[k] for k in inputs]
        for m in METHODS:
            line += [num(v) for v in res[m][:4]] if m in res else [""] * 4
        line.append(str(res["cg"][4]) if "cg" in res else "")
        for m in METHODS:
            line += [num(v) for lvl in (90, 95) for v in res[m][5][lvl]] if m in res else [""] * 4
        writer.writerow(line)


if __name__ == "__main__":
    main()
