#!/usr/bin/python3
"""Worked cases of the nine hypothesis tests and the nine confidence intervals.

Each case is computed here from its textbook formula with scipy.stats (Debian's
python3-scipy) for the percentage points, independently of the program's own number
library, and written with the program's result formatting (6 significant digits, rounded
half up, "0" before a leading point). The tests in tests/inference compare the panels' texts
with these, string for string.

Writes tests/data/inference_cases.tsv, one case a line:

  test      type side H0 N1 N2 X1 X2 S1 S2 Level | region statistic reject ncon2 nsig2 aux
  interval  type      N1 N2 X1 X2 S1 S2 Level    | interval ncon2 nsig2 margin point1 point2 aux

Inputs are the texts typed into the boxes ("-" for a box the type hides); an empty
expected text is a box the result area hides. A case whose 6-digit text, or whose decision,
lies too close to a rounding tie or to a critical point to be settled by doubles stops the
script: change its inputs. The build never runs this; run it by hand with /usr/bin/python3
after changing a case, and commit its output.
"""

import math
import os
import sys

from scipy import stats

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data",
                   "inference_cases.tsv")

INF = 1.024e300
TIE_MARGIN = 1e-8  # relative: about how far apart two sound computations of a point can lie


def read(text):
    """A typed number: plain, or a percentage."""
    if text.endswith("%"):
        return float(text[:-1]) / 100
    return float(text)


def check_tie(x, what):
    """Stops when x lies so near a tie of its 6-digit rounding that a tiny error flips it."""
    if x == 0 or abs(x) >= 1e300:
        return
    a = abs(x)
    e = math.floor(math.log(a) / math.log(10))
    scaled = a * 10.0 ** (5 - e)
    frac = scaled - math.floor(scaled)
    if abs(frac - 0.5) / scaled < TIE_MARGIN:
        sys.exit(f"{what} = {x!r} is too close to a rounding tie; change the case")


def fmt(x, n=6, what="value"):
    """Six significant digits, half up, as the result boxes show them."""
    check_tie(x, what)
    if x == 0:
        return "0"
    a = abs(x)
    e = math.floor(math.log(a) / math.log(10))
    m = e - n
    s = 10.0 ** (-1 - m)
    r = math.floor(a * s + 0.5) / s
    t = "{:.15g}".format(r)
    if "e" in t:
        mant, exp = t.split("e")
        t = mant + "E" + exp[0] + exp[1:].rjust(2, "0")
    return ("-" if x < 0 else "") + t


def bound(x, what):
    if x <= -1e300:
        return "-oo"
    if x >= 1e300:
        return "+oo"
    return fmt(x, what=what)


def semi(alpha):
    return fmt((1 - alpha / 2) * 100) + " %", fmt(alpha / 2 * 100) + " %"


def welch(n1, n2, s1, s2):
    w1, w2 = s1 / n1, s2 / n2
    q = (w1 + w2) * (w1 + w2) / (w1 * w1 / (n1 - 1) + w2 * w2 / (n2 - 1))
    return math.floor(q * 1.0 + 0.5)


def pooled_s(n1, n2, s1, s2):
    return math.sqrt(((n1 - 1) * s1 + (n2 - 1) * s2) / (n1 + n2 - 2))


# --- Tests ---------------------------------------------------------------------------

def region(dist, side, alpha, k1=0, k2=0):
    """The acceptance region: (lower, upper) for side 0 left, 1 two-sided, 2 right."""
    if dist == "N":
        if side == 1:
            c = stats.norm.ppf(1 - alpha / 2)
            return -c, c
        c = stats.norm.ppf(1 - alpha)
        return (-c, INF) if side == 0 else (-INF, c)
    if dist == "T":
        if side == 1:
            c = stats.t.isf(alpha / 2, k1)
            return -c, c
        c = stats.t.isf(alpha, k1)
        return (-c, INF) if side == 0 else (-INF, c)
    if dist == "X":
        if side == 1:
            return stats.chi2.isf(1 - alpha / 2, k1), stats.chi2.isf(alpha / 2, k1)
        return (stats.chi2.isf(1 - alpha, k1), INF) if side == 0 else (0, stats.chi2.isf(alpha, k1))
    if side == 1:
        return stats.f.isf(1 - alpha / 2, k1, k2), stats.f.isf(alpha / 2, k1, k2)
    return (stats.f.isf(1 - alpha, k1, k2), INF) if side == 0 else (0, stats.f.isf(alpha, k1, k2))


def test_case(typ, side, boxes):
    v = {k: (read(t) if t != "-" else 0.0) for k, t in boxes.items()}
    h0, n1, n2, x1, x2, s1, s2 = (v[k] for k in ("H0", "N1", "N2", "X1", "X2", "S1", "S2"))
    alpha = 1 - v["Level"]
    aux = None
    k1 = k2 = 0
    if typ == 0:
        stat, dist = (x1 - h0) / math.sqrt(s1 / n1), "N"
    elif typ == 1:
        stat, dist, k1 = (x1 - h0) / math.sqrt(s1 / n1), "T", int(n1 - 1)
    elif typ == 2:
        stat, dist, k1 = (n1 - 1) * s1 / h0, "X", n1 - 1
    elif typ == 3:
        stat, dist = (x1 - h0) * n1 / math.sqrt(n1 * h0 * (1 - h0)), "N"
    elif typ == 4:
        stat, dist = (x1 - x2 - h0) / math.sqrt(s1 / n1 + s2 / n2), "N"
    elif typ == 5:
        aux = welch(n1, n2, s1, s2)
        stat, dist, k1 = (x1 - x2 - h0) / math.sqrt(s1 / n1 + s2 / n2), "T", int(aux)
    elif typ == 6:
        aux = pooled_s(n1, n2, s1, s2)
        stat, dist, k1 = ((x1 - x2 - h0) / aux) / math.sqrt(1 / n1 + 1 / n2), "T", int(n1 + n2 - 2)
    elif typ == 7:
        stat, dist, k1, k2 = s1 / s2, "F", int(n1 - 1), int(n2 - 1)
    else:
        aux = (n1 * x1 + n2 * x2) / (n1 + n2)
        stat = (x1 - x2) / math.sqrt(aux * (1 - aux) * (1 / n1 + 1 / n2))
        dist = "N"
    lower, upper = region(dist, side, alpha, k1, k2)
    for end in (lower, upper):
        if abs(end) < 1e300 and stat != 0 and abs(stat - end) <= 1e-6 * abs(stat):
            sys.exit(f"test {typ} {boxes}: the statistic is too close to a critical point")
    reject = 1 if (stat < lower or stat > upper) else 0
    ncon2, nsig2 = semi(alpha) if side == 1 else ("", "")
    return [bound(lower, "lower"), bound(upper, "upper"), fmt(stat, what="statistic"), str(reject),
            ncon2, nsig2, fmt(aux, what="aux") if aux is not None else ""]


# --- Intervals -----------------------------------------------------------------------

def interval_case(typ, boxes):
    v = {k: (read(t) if t != "-" else 0.0) for k, t in boxes.items()}
    n1, n2, x1, x2, s1, s2 = (v[k] for k in ("N1", "N2", "X1", "X2", "S1", "S2"))
    alpha = 1 - v["Level"]
    a2 = alpha / 2
    z = stats.norm.ppf(1 - a2)
    aux = None
    margin = -1
    if typ in (2, 7):
        if typ == 2:
            p1, p2 = stats.chi2.isf(a2, n1 - 1), stats.chi2.isf(1 - a2, n1 - 1)
            lower, upper = (n1 - 1) * s1 / p1, (n1 - 1) * s1 / p2
        else:
            p1 = stats.f.isf(1 - a2, n2 - 1, n1 - 1)
            p2 = stats.f.isf(a2, n2 - 1, n1 - 1)
            lower, upper = s1 / s2 * p1, s1 / s2 * p2
    else:
        if typ == 0:
            centre, point, spread = x1, z, math.sqrt(s1 / n1)
        elif typ == 1:
            centre, point, spread = x1, stats.t.isf(a2, n1 - 1), math.sqrt(s1 / n1)
        elif typ == 3:
            centre, point, spread = x1, z, math.sqrt((1 - x1) * x1 / n1)
        elif typ == 4:
            centre, point, spread = x1 - x2, z, math.sqrt(s1 / n1 + s2 / n2)
        elif typ == 5:
            aux = welch(n1, n2, s1, s2)
            centre, point, spread = x1 - x2, stats.t.isf(a2, aux), math.sqrt(s1 / n1 + s2 / n2)
        elif typ == 6:
            aux = pooled_s(n1, n2, s1, s2)
            centre, point = x1 - x2, stats.t.isf(a2, n1 + n2 - 2)
            spread = aux * math.sqrt(1 / n1 + 1 / n2)
        else:
            centre, point = x1 - x2, z
            spread = math.sqrt(x1 * (1 - x1) / n1 + x2 * (1 - x2) / n2)
        p1 = p2 = point
        margin = point * spread
        lower, upper = centre - margin, centre + margin
    ncon2, nsig2 = semi(alpha)
    return [" ( " + bound(lower, "lower") + "  ,   " + bound(upper, "upper") + " )", ncon2, nsig2,
            fmt(margin, what="margin") if margin >= 0 else "", fmt(p1, what="point1"),
            fmt(p2, what="point2"), fmt(aux, what="aux") if aux is not None else ""]


# type, H0, N1, N2, X1, X2, S1, S2, Level (each test runs with the three tails)
TESTS = [
    (0, "10", "25", "-", "10.5", "-", "4", "-", "0.95"),
    (0, "10", "16", "-", "11.2", "-", "2.25", "-", "0.99"),
    (1, "5", "12", "-", "5.8", "-", "1.44", "-", "0.95"),
    (1, "100", "30", "-", "97.3", "-", "36", "-", "90%"),
    (1, "3", "2", "-", "5.5", "-", "0.8", "-", "0.9"),
    (2, "4", "11", "-", "-", "-", "6", "-", "0.95"),
    (2, "2.5", "20", "-", "-", "-", "1.1", "-", "0.9"),
    (2, "0.5", "6", "-", "-", "-", "0.35", "-", "0.98"),
    (3, "0.5", "100", "-", "0.58", "-", "-", "-", "0.95"),
    (3, "0.3", "250", "-", "0.25", "-", "-", "-", "0.99"),
    (4, "0", "30", "40", "52.3", "49.8", "25", "36", "0.95"),
    (4, "1.5", "12", "15", "7.1", "4.9", "2", "3", "0.9"),
    (5, "0", "10", "15", "20.5", "18.1", "4", "9", "0.95"),
    (5, "0", "10", "10", "3.2", "2.1", "2", "2", "0.99"),
    (6, "0", "10", "15", "20.5", "18.1", "4", "9", "0.95"),
    (6, "-1", "8", "11", "14.2", "16.9", "3.5", "2.8", "0.9"),
    (7, "-", "10", "15", "-", "-", "4", "9", "0.95"),
    (7, "-", "22", "16", "-", "-", "12.5", "4.1", "0.9"),
    (7, "-", "5", "2", "-", "-", "3.3", "0.4", "0.95"),
    (8, "-", "200", "150", "0.42", "0.35", "-", "-", "0.95"),
    (8, "-", "50", "60", "0.3", "0.3", "-", "-", "0.95"),
]

# type, N1, N2, X1, X2, S1, S2, Level
INTERVALS = [
    (0, "25", "-", "10.5", "-", "4", "-", "0.95"),
    (0, "40", "-", "-3.7", "-", "12", "-", "0.9"),
    (1, "12", "-", "5.8", "-", "1.44", "-", "0.95"),
    (1, "30", "-", "97.3", "-", "36", "-", "99%"),
    (1, "2", "-", "5.5", "-", "0.8", "-", "0.9"),
    (2, "11", "-", "-", "-", "6", "-", "0.95"),
    (2, "20", "-", "-", "-", "1.1", "-", "0.9"),
    (3, "100", "-", "0.58", "-", "-", "-", "0.95"),
    (3, "250", "-", "0.25", "-", "-", "-", "0.99"),
    (4, "30", "40", "52.3", "49.8", "25", "36", "0.95"),
    (4, "12", "15", "7.1", "4.9", "2", "3", "0.9"),
    (5, "10", "15", "20.5", "18.1", "4", "9", "0.95"),
    (5, "10", "10", "3.2", "2.1", "2", "2", "0.99"),
    (6, "10", "15", "20.5", "18.1", "4", "9", "0.95"),
    (6, "8", "11", "14.2", "16.9", "3.5", "2.8", "0.9"),
    (7, "10", "15", "-", "-", "4", "9", "0.95"),
    (7, "21", "16", "-", "-", "12.5", "4.1", "0.9"),
    (7, "2", "5", "-", "-", "3.3", "0.4", "0.95"),
    (8, "200", "150", "0.42", "0.35", "-", "-", "0.95"),
    (8, "50", "60", "0.3", "0.3", "-", "-", "0.95"),
]


def main():
    lines = []
    for typ, *texts in TESTS:
        boxes = dict(zip(("H0", "N1", "N2", "X1", "X2", "S1", "S2", "Level"), texts))
        for side in (0, 1, 2):
            lower, upper, stat, reject, ncon2, nsig2, aux = test_case(typ, side, boxes)
            region_text = "( " + lower + "  ,   " + upper + " )"
            lines.append(["test", str(typ), str(side), *texts, region_text, stat, reject, ncon2,
                          nsig2, aux])
    for typ, *texts in INTERVALS:
        boxes = dict(zip(("N1", "N2", "X1", "X2", "S1", "S2", "Level"), texts))
        lines.append(["interval", str(typ), *texts, *interval_case(typ, boxes)])
    with open(OUT, "w") as f:
        f.write("# Worked cases of the tests and intervals, from tools/inference_reference.py\n")
        for line in lines:
            f.write("\t".join(line) + "\n")
    print(f"{len(lines)} cases written to {os.path.normpath(OUT)}")


if __name__ == "__main__":
    main()
