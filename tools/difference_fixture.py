#!/usr/bin/env python3
# Reference values for the score difference, against a test's norms or against a control sample.
#
# Norms: two scores X and Y of one person on one scale (SD 3, 15, 10 or 1), the reliabilities
# r_xx and r_yy and the correlation r_xy of the two scores: the difference d = X - Y, the critical
# difference z_crit * SD * sqrt(2 - r_xx - r_yy) and the base rate 100 * (1 - Phi(|d| / (SD *
# sqrt(2 - 2 r_xy)))), once and twice (either direction).
# Controls: a patient's X and Y against the controls' means, SDs, correlation r and number n:
# z_x, z_y, Z-DCC = (z_x - z_y) / sqrt(2 - 2r) and the revised standardized difference test of
# Crawford & Garthwaite (2005), t = sqrt((-b + sqrt(b^2 - 4ac)) / 2a) on n - 1 df, its two-tailed p
# and the percentage of controls more extreme, 100 p / 2.
#
# Independently of the program: the typed numbers as exact fractions, the square roots in
# 50-digit decimals, the normal and t tails from SciPy's special functions, each checked against
# scipy.integrate.quad over the density. Every shown text is rounded half away from zero from
# those values; a row whose value lies so near a rounding tie or a decision's edge that double
# precision could tip it is drawn again (the ties of exact decimals, which the program must keep,
# stay). Deterministic (fixed seed).
#
# Rerun with Debian's python3 and python3-scipy:
#   python3 tools/difference_fixture.py norms > tests/difference/fixtures/norms.csv
#   python3 tools/difference_fixture.py controls > tests/difference/fixtures/controls.csv

import csv
import math
import random
import sys
from decimal import ROUND_HALF_UP, Decimal, getcontext
from fractions import Fraction

from scipy import integrate, special

getcontext().prec = 50
SEED = 20261207
TOL = 1e-10
MARGIN = 1e-9  # relative distance from a tie or an edge that double precision keeps its side of
SCALE_SD = {"scaled": 3, "standard": 15, "t": 10, "z": 1}
SCALE_MEAN = {"scaled": 10, "standard": 100, "t": 50, "z": 0}
ALPHA = {90: 0.10, 95: 0.05}


class TooNear(Exception):
    """A value too near a rounding tie or a decision's edge to be a fair test of double precision."""


def t_pdf(x, df):
    log_c = special.gammaln((df + 1) / 2) - special.gammaln(df / 2) - 0.5 * math.log(df * math.pi)
    return math.exp(log_c - (df + 1) / 2 * math.log1p(x * x / df))


def norm_pdf(x, df=None):
    return math.exp(-0.5 * x * x) / math.sqrt(2 * math.pi)


def upper_tail(x, df=None):
    """P(X > x) for x >= 0, the normal without df, checked against quad over the density."""
    tail = special.ndtr(-x) if df is None else special.stdtr(df, -x)
    by_quad = integrate.quad(norm_pdf if df is None else t_pdf, x, math.inf, args=(df,), epsabs=0, epsrel=1e-13, limit=500)[0]
    assert abs(tail - by_quad) <= TOL * by_quad, (x, df, tail, by_quad)
    return tail


def z_crit(level):
    q = -special.ndtri(ALPHA[level] / 2)
    assert abs(upper_tail(q) - ALPHA[level] / 2) <= TOL * ALPHA[level]
    return q


def dec(value):
    if isinstance(value, Decimal):
        return value
    return Decimal(value.numerator) / Decimal(value.denominator) if isinstance(value, Fraction) else Decimal(repr(value))


def shown(value, places, exact=False):
    """Rounded half away from zero; an inexact value must keep clear of the tie."""
    d = dec(value)
    step = Decimal(1).scaleb(-places)
    if not exact:
        distance = abs((abs(d) / step) % 1 - Decimal("0.5"))
        if distance * step <= Decimal(MARGIN) * max(Decimal(1), abs(d)):
            raise TooNear(value)
    text = str(d.quantize(step, rounding=ROUND_HALF_UP))
    return text[1:] if text.startswith("-") and Decimal(text) == 0 else text


def percent_text(value, places):
    """A percentage: "< 0.1" or "> 99.9" where it shows as 0 or 100."""
    text = shown(value, places)
    step = Decimal(1).scaleb(-places)
    if value < 50 and Decimal(text) == 0:
        return f"< {step}"
    if value > 50 and Decimal(text) == 100:
        return f"> {100 - step}"
    return text


def p_text(p):
    text = shown(p, 3)
    return "< 0.001" if text == "0.000" else text


def clear_of(value, edge):
    if abs(value - edge) <= MARGIN * max(1.0, abs(edge)):
        raise TooNear((value, edge))


def norms(row):
    x, y, rxx, ryy, rxy = (Fraction(row[k]) for k in ("x", "y", "rxx", "ryy", "rxy"))
    sd, level = SCALE_SD[row["scale"]], int(row["level"])
    d = x - y
    critical = z_crit(level) * sd * float(dec(2 - rxx - ryy).sqrt())
    clear_of(abs(float(d)), critical)
    one = 100 * upper_tail(float(abs(d)) / (sd * float(dec(2 - 2 * rxy).sqrt())))
    return {"difference": shown(d, 2 if row["scale"] == "z" else 0, exact=True), "critical": shown(critical, 2),
            "significant": "yes" if abs(d) >= critical else "no", "base_rate": percent_text(one, 1),
            "base_rate_two": percent_text(2 * one, 1), "critical_value": critical, "base_rate_value": one}


def rsdt(zx, zy, r, n):
    """The revised standardized difference test as published, in 50-digit decimals."""
    a = (1 + r) * (1 - r * r)
    b = (1 - r) * (4 * (n - 1) ** 2 + 4 * (1 + r) * (n - 1) + (1 + r) * (5 + r))
    c = -2 * (zx - zy) ** 2 * n * (n - 1) ** 2 / (n + 1)
    t = ((-dec(b) + dec(b * b - 4 * a * c).sqrt()) / dec(2 * a)).sqrt()
    return t if zx >= zy else -t


def controls(row):
    x, y, mx, sx, my, sy, r = (Fraction(row[k]) for k in ("x", "y", "mx", "sx", "my", "sy", "r"))
    n, level = int(row["n"]), int(row["level"])
    zx, zy = (x - mx) / sx, (y - my) / sy
    zdcc = dec(zx - zy) / dec(2 - 2 * r).sqrt()
    t = rsdt(zx, zy, r, n)
    p = 2 * upper_tail(abs(float(t)), n - 1)
    clear_of(p, ALPHA[level])
    return {"zx": shown(zx, 2, exact=True), "zy": shown(zy, 2, exact=True), "zdcc": shown(zdcc, 2), "t": shown(t, 2),
            "df": str(n - 1), "p": p_text(p), "more_extreme": percent_text(50 * p, 2),
            "verdict": "Significant difference" if p < ALPHA[level] else "No significant difference",
            "zdcc_value": float(zdcc), "t_value": float(t), "p_value": p}


def text(value, places):
    """A number as a clinician would type it: 13.8, 0.95, 104."""
    s = f"{value:.{places}f}"
    return s.rstrip("0").rstrip(".") if "." in s else s


def random_norms(rng):
    scale = rng.choice(list(SCALE_SD))
    places = 2 if scale == "z" else 0
    mean, sd = SCALE_MEAN[scale], SCALE_SD[scale]
    x, y = (text(mean + sd * rng.uniform(-2.5, 2.5), places) for _ in range(2))
    rxx, ryy = (text(rng.uniform(0.6, 0.98), 2) for _ in range(2))
    return {"case": "random", "x": x, "y": y, "scale": scale, "rxx": rxx, "ryy": ryy,
            "rxy": text(rng.uniform(-0.3, 0.9), 2), "level": rng.choice(["90", "95"])}


def random_controls(rng):
    mean, sd, places = rng.choice([(50, 10, 0), (24.3, 4.1, 0), (100, 15, 0), (0, 1, 2), (12.5, 3.2, 1), (61.8, 14.6, 1)])
    mx, my = (text(mean + sd * rng.uniform(-0.3, 0.3), 1) for _ in range(2))
    sx, sy = (text(sd * rng.uniform(0.7, 1.3), 2) for _ in range(2))
    zx, zy = rng.uniform(-5, 1.5), rng.uniform(-3, 1.5)
    return {"case": "random", "x": text(float(mx) + float(sx) * zx, places), "y": text(float(my) + float(sy) * zy, places),
            "mx": mx, "sx": sx, "my": my, "sy": sy, "r": text(rng.uniform(-0.5, 0.95), 2),
            "n": str(rng.choice([3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 40, 50, 100, 500])), "level": rng.choice(["90", "95"])}


def norms_row(case, x, y, scale, rxx, ryy, rxy, level="95"):
    return dict(case=case, x=x, y=y, scale=scale, rxx=rxx, ryy=ryy, rxy=rxy, level=level)


def controls_row(case, x, y, mx, sx, my, sy, r, n, level="95"):
    return dict(case=case, x=x, y=y, mx=mx, sx=sx, my=my, sy=sy, r=r, n=n, level=level)


def at_critical(case, d, scale, level, above):
    """Reliabilities of four places whose critical difference shows as d, lying just above or below it."""
    zc, sd = z_crit(int(level)), SCALE_SD[scale]
    # The sum of the reliabilities that puts the critical difference a fifth of a shown step from d.
    s = 2 - ((float(d) + (0.002 if above else -0.002)) / (zc * sd)) ** 2
    for k in sorted(range(-20, 21), key=abs):
        total = round(s, 4) + k / 10000
        rxx = round(total / 2, 4)
        row = norms_row(case, d, "0", scale, text(rxx, 4), text(total - rxx, 4), "0.5", level)
        out = norms(row)
        if (out["critical_value"] > float(d)) == above and out["critical"] == f"{Decimal(d):.2f}":
            return row
    raise AssertionError(f"no reliabilities give a critical difference of {d}")


def at_alpha(case, level, above):
    """A patient's X, given to four places, whose p lies just above or below 1 - confidence."""
    r, n = Fraction("0.6"), 12
    target = special.stdtrit(n - 1, 1 - ALPHA[level] / 2)
    a = (1 + r) * (1 - r * r)
    b = (1 - r) * (4 * (n - 1) ** 2 + 4 * (1 + r) * (n - 1) + (1 + r) * (5 + r))
    # The zx - zy whose t is the critical t, from a t^4 + b t^2 + c = 0.
    gap = math.sqrt(float(a * target ** 4 + b * target ** 2) * (n + 1) / (2 * n * (n - 1) ** 2))
    x = -gap * 10 + 50  # zy 0, controls' mean 50 and SD 10
    for nudge in range(0, 50):
        candidate = Decimal(repr(x)).quantize(Decimal("0.0001")) + Decimal(nudge if above else -nudge) / 10000
        row = controls_row(case, str(candidate), "20", "50", "10", "20", "5", "0.6", str(n), str(level))
        p = controls(row)["p_value"]
        if (p > ALPHA[level]) == above and abs(p - ALPHA[level]) < 1e-4:
            return row
    raise AssertionError(case)


HAND_NORMS = [
    norms_row("the issue's example", "112", "94", "standard", "0.94", "0.88", "0.45"),
    norms_row("the same at 90%", "112", "94", "standard", "0.94", "0.88", "0.45", "90"),
    norms_row("the other way round", "94", "112", "standard", "0.94", "0.88", "0.45"),
    norms_row("no difference", "100", "100", "standard", "0.9", "0.9", "0.6"),
    norms_row("far apart, base rate below 0.1%", "3", "-3", "z", "0.9", "0.9", "0.9"),
    norms_row("a negative correlation", "60", "45", "t", "0.8", "0.85", "-0.2"),
    norms_row("scaled scores", "13", "7", "scaled", "0.86", "0.79", "0.52", "90"),
    norms_row("a z difference of exactly a half-step", "0.125", "0", "z", "0.9", "0.9", "0.5"),
    norms_row("and below zero", "-0.125", "0", "z", "0.9", "0.9", "0.5"),
    norms_row("decimals whose difference is exact only in decimal", "1.36", "1.235", "z", "0.9", "0.9", "0.5"),
]

HAND_CONTROLS = [
    controls_row("the issue's example", "-3.857", "-1.875", "0", "1", "0", "1", "0.68", "20"),
    controls_row("the same at 90%", "-3.857", "-1.875", "0", "1", "0", "1", "0.68", "20", "90"),
    controls_row("no difference", "40", "40", "50", "10", "50", "10", "0.5", "10"),
    controls_row("the smallest sample", "12", "30", "25", "4", "28", "5", "0.4", "3"),
    controls_row("p below 0.001, under 0.01% more extreme", "-8", "0", "0", "1", "0", "1", "0.5", "100"),
    controls_row("a negative correlation", "35", "62", "48.2", "9.6", "55.1", "11.3", "-0.35", "25"),
    controls_row("raw scores with decimals", "23", "41.5", "31.4", "6.2", "38.9", "7.75", "0.52", "40"),
    controls_row("z exactly a half-step, only in decimal", "1000.03", "987.65", "1000", "2", "987.7", "2", "0.5", "30"),
]


def main():
    mode = sys.argv[1] if len(sys.argv) > 1 else ""
    rng = random.Random(SEED)
    if mode == "norms":
        compute, inputs, results, values = norms, ["case", "x", "y", "scale", "rxx", "ryy", "rxy", "level"], \
            ["difference", "critical", "significant", "base_rate", "base_rate_two"], ["critical_value", "base_rate_value"]
        rows = HAND_NORMS + [at_critical("at the critical difference, just above", "0.83", "z", "95", True),
                             at_critical("just below", "0.83", "z", "95", False),
                             at_critical("a whole critical difference, just above", "12", "standard", "95", True),
                             at_critical("just below", "12", "standard", "90", False)]
        draw = random_norms
    elif mode == "controls":
        compute, inputs, results, values = controls, ["case", "x", "y", "mx", "sx", "my", "sy", "r", "n", "level"], \
            ["zx", "zy", "zdcc", "t", "df", "p", "more_extreme", "verdict"], ["zdcc_value", "t_value", "p_value"]
        rows = HAND_CONTROLS + [at_alpha("p just above 0.05", 95, True), at_alpha("p just below 0.05", 95, False),
                                at_alpha("p just above 0.10", 90, True), at_alpha("p just below 0.10", 90, False)]
        draw = random_controls
    else:
        sys.exit("usage: difference_fixture.py norms|controls")

    computed = [compute(row) for row in rows]
    while len(rows) < 300:
        row = draw(rng)
        try:
            computed.append(compute(row))
        except TooNear:
            continue
        rows.append(row)
    check(mode, computed)

    writer = csv.writer(sys.stdout, lineterminator="\n")
    writer.writerow(inputs + results + values)
    for row, out in zip(rows, computed):
        writer.writerow([row[k] for k in inputs] + [out[k] for k in results] + ["%.17g" % (out[k] + 0.0) for k in values])


def check(mode, computed):
    """The published examples, and rows on both sides of every decision."""
    first = computed[0]
    if mode == "norms":
        assert [first[k] for k in ("difference", "critical", "significant", "base_rate", "base_rate_two")] == \
            ["18", "12.47", "yes", "12.6", "25.3"], first
        assert {c["significant"] for c in computed} == {"yes", "no"}
        assert {"< 0.1", "> 99.9"} <= {c["base_rate"] for c in computed} | {c["base_rate_two"] for c in computed}
    else:
        assert [first[k] for k in ("zx", "zy", "zdcc", "t", "df", "p", "more_extreme", "verdict")] == \
            ["-3.86", "-1.88", "-2.48", "-2.30", "19", "0.033", "1.65", "Significant difference"], first
        assert {c["verdict"] for c in computed} == {"Significant difference", "No significant difference"}
        assert "< 0.001" in {c["p"] for c in computed} and "< 0.01" in {c["more_extreme"] for c in computed}


if __name__ == "__main__":
    main()
