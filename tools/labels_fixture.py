#!/usr/bin/python3
"""Band edges of the descriptive labels reached from every scale, for velmora-cli's tests.

Writes labels.csv (the entries) and labels.aacn.csv / labels.wechsler.csv (what
`velmora-cli convert --csv` must print for them) into the folder given. The
standard score is worked out here independently, with numpy's single precision
and the exact inverse normal of the standard library:
    /usr/bin/python3 tools/labels_fixture.py tests/cli/fixtures
"""
import sys
from statistics import NormalDist

import numpy as np

f32 = np.float32
AACN = ["Exceptionally low score", "Below average score", "Low average score", "Average score",
        "High average score", "Above average score", "Exceptionally high score"]
WECHSLER = ["Extremely low", "Very low", "Low average", "Average", "High average", "Very high", "Extremely high"]
LOWEST = [70, 80, 90, 110, 120, 130]  # the lowest standard score of each band above the first


def z_of(scale, text):
    x = f32(float(text))
    if scale == "percentile":
        return f32(NormalDist().inv_cdf(float(f32(float(text) / 100))))
    mean, sd = {"scaled": (10, 3), "standard": (100, 15), "t": (50, 10), "z": (0, 1)}[scale]
    return f32((float(x) - mean) / sd)


def entry(scale, s):
    """The text a clinician would type for standard score s on a scale, to four decimals."""
    z = (s - 100) / 15
    value = {"scaled": 10 + 3 * z, "standard": s, "t": 50 + 10 * z, "z": z, "percentile": 100 * NormalDist().cdf(z)}[scale]
    return f"{value:.4f}".rstrip("0").rstrip(".")


def band(s):
    return sum(s >= lowest for lowest in LOWEST)


rows = []
for lowest in LOWEST:
    for s in (lowest - 1, lowest - 0.5, lowest, lowest + 0.5):  # both sides of the edge, and halves
        for scale in ("percentile", "scaled", "standard", "t", "z"):
            if scale == "percentile" and s % 1:
                continue  # a percentile cannot be typed onto a half
            text = entry(scale, s)
            standard = float(np.rint(f32(15.0 * float(z_of(scale, text)) + 100)))
            rows.append((text, scale, int(standard)))

folder = sys.argv[1]
with open(f"{folder}/labels.csv", "w") as out:
    out.write("value,from,to\n" + "".join(f"{text},{scale},standard\n" for text, scale, _ in rows))
for name, labels in (("aacn", AACN), ("wechsler", WECHSLER)):
    with open(f"{folder}/labels.{name}.csv", "w") as out:
        out.write("value,from,to,result,label,error\n")
        out.write("".join(f"{text},{scale},standard,{s},{labels[band(s)]},\n" for text, scale, s in rows))
print(len(rows), "rows")
