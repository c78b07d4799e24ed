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

It also writes tests/data/inference_extremes.tsv: cases at the ends of what the boxes take
(a level typed in either box of the pair, variances next to the ends of the doubles), each
computed with mpmath at 40 digits from the exact doubles the boxes read. Its lines carry,
before the level, the box it was typed in ("NCon" confidence, "NSig" significance):

  test      type side H0 N1 N2 X1 X2 S1 S2 box level | region statistic reject ncon2 nsig2 aux
  interval  type      N1 N2 X1 X2 S1 S2 box level    | interval ncon2 nsig2 margin point1 point2 aux
"""

import math
import os
import sys

from mpmath import mp, mpf
from scipy import stats

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data")
OUT = os.path.join(DATA, "inference_cases.tsv")
OUT_EXTREMES = os.path.join(DATA, "inference_extremes.tsv")

INF = 1.024e300
TIE_MARGIN = 1e-8  # relative: about how far apart two sound computations of a point can lie


def read(text):
    """A typed number: plain, a percentage or a quotient."""
    if text.endswith("%"):
        return float(text[:-1]) / 100
    if "/" in text:
        a, b = text.split("/")
        return float(a) / float(b)
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


# --- Extremes, at 40 digits --------------------------------------------------------------

mp.dps = 40
HALF = mpf(1) / 2


def fmt40(x, what):
    """Six significant digits of an mpmath number, half up, as the result boxes show them.
    The digits come from the exact value, not from a double: a subnormal result keeps them."""
    if x == 0:
        return "0"
    a = abs(x)
    e = int(mp.floor(mp.log10(a)))
    scaled = a * mpf(10) ** (5 - e)
    if scaled >= 10 ** 6:  # log10 rounded up across a power of ten
        e, scaled = e + 1, scaled / 10
    frac = scaled - mp.floor(scaled)
    if abs(frac - HALF) / scaled < TIE_MARGIN:
        sys.exit(f"{what} = {x} is too close to a rounding tie; change the case")
    r = int(mp.floor(scaled + HALF))
    if r == 10 ** 6:
        r, e = 10 ** 5, e + 1
    digits = str(r).rstrip("0")
    if -4 <= e < 15:  # plain decimals, as the number text writes them
        if e >= len(digits) - 1:
            text = digits + "0" * (e - len(digits) + 1)
        elif e >= 0:
            text = digits[:e + 1] + "." + digits[e + 1:]
        else:
            text = "0." + "0" * (-e - 1) + digits
    else:
        mant = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        text = mant + "E" + ("-" if e < 0 else "+") + str(abs(e)).rjust(2, "0")
    return ("-" if x < 0 else "") + text


def root(f, x0, what):
    """The root of f next to x0, checked."""
    x = mp.findroot(f, mpf(x0))
    if abs(f(x)) > mpf(10) ** -30:
        sys.exit(f"{what}: no root found next to {x0}")
    return x


def norm_upper(p):
    """The z with P(Z > z) = p."""
    if p > HALF:
        return -norm_upper(1 - p)
    return root(lambda z: mp.log(mp.erfc(z / mp.sqrt(2)) / 2) - mp.log(p),
                stats.norm.isf(float(p)), "normal point")


def t_upper(p, k):
    """The t with P(T > t) = p for k degrees of freedom, p <= 1/2."""
    k = mpf(k)
    tail = lambda t: mp.betainc(k / 2, HALF, 0, k / (k + t * t), regularized=True) / 2
    return root(lambda t: mp.log(tail(t)) - mp.log(p), stats.t.isf(float(p), float(k)),
                "t point")


def chi2_upper(p, df):
    """The x with P(chi-square > x) = p; the lower tail as 1 - Q at doubled precision."""
    df = mpf(df)
    q = lambda x: mp.gammainc(df / 2, x / 2, mp.inf, regularized=True)
    with mp.workdps(80):
        if p <= HALF:
            f = lambda x: mp.log(q(x)) - mp.log(p)
        else:
            f = lambda x: mp.log(1 - q(x)) - mp.log(1 - p)
        return +root(f, stats.chi2.isf(float(p), float(df)), "chi-square point")


def f_upper(p, ia, ib):
    """The x with P(F > x) = p for ia and ib degrees of freedom."""
    ia, ib = mpf(ia), mpf(ib)
    if p <= HALF:
        f = lambda x: mp.log(mp.betainc(ib / 2, ia / 2, 0, ib / (ib + ia * x),
                                        regularized=True)) - mp.log(p)
    else:
        f = lambda x: mp.log(mp.betainc(ia / 2, ib / 2, 0, ia * x / (ia * x + ib),
                                        regularized=True)) - mp.log(1 - p)
    return root(f, stats.f.isf(float(p), float(ia), float(ib)), "F point")


def level_of(box, text):
    """The significance the computations use: the one typed, or 1 - the level typed."""
    v = mpf(read(text))
    return v if box == "NSig" else 1 - v


def exact(boxes):
    return {k: (mpf(read(t)) if t != "-" else mpf(0)) for k, t in boxes.items()}


def bound40(x, what):
    if x <= -INF:
        return "-oo"
    if x >= INF:
        return "+oo"
    return fmt40(x, what)


def semi40(alpha):
    return fmt40((1 - alpha / 2) * 100, "ncon2") + " %", fmt40(alpha / 2 * 100, "nsig2") + " %"


def welch40(n1, n2, s1, s2):
    w1, w2 = s1 / n1, s2 / n2
    q = (w1 + w2) ** 2 / (w1 ** 2 / (n1 - 1) + w2 ** 2 / (n2 - 1))
    if abs(q - mp.floor(q) - HALF) < mpf(10) ** -9:
        sys.exit(f"Welch's quotient {q} is too close to a tie")
    return mp.floor(q + HALF)


def region40(dist, side, alpha, k1=0, k2=0):
    upper_point = {"N": lambda p: norm_upper(p), "T": lambda p: t_upper(p, k1),
                   "X": lambda p: chi2_upper(p, k1), "F": lambda p: f_upper(p, k1, k2)}[dist]
    symmetric = dist in ("N", "T")
    if side == 1:
        if symmetric:
            c = upper_point(alpha / 2)
            return -c, c
        return upper_point(1 - alpha / 2), upper_point(alpha / 2)
    if side == 0:
        return (-upper_point(alpha) if symmetric else upper_point(1 - alpha)), INF
    return (-INF if symmetric else 0), upper_point(alpha)


def test40(typ, side, boxes, box, level):
    v = exact(boxes)
    h0, n1, n2, x1, x2, s1, s2 = (v[k] for k in ("H0", "N1", "N2", "X1", "X2", "S1", "S2"))
    alpha = level_of(box, level)
    aux = None
    k1 = k2 = 0
    if typ in (0, 1):
        stat, dist, k1 = (x1 - h0) / mp.sqrt(s1 / n1), "N" if typ == 0 else "T", n1 - 1
    elif typ == 2:
        stat, dist, k1 = (n1 - 1) * s1 / h0, "X", n1 - 1
    elif typ == 3:
        stat, dist = (x1 - h0) * n1 / mp.sqrt(n1 * h0 * (1 - h0)), "N"
    elif typ in (4, 5):
        stat, dist = (x1 - x2 - h0) / mp.sqrt(s1 / n1 + s2 / n2), "N"
        if typ == 5:
            aux = welch40(n1, n2, s1, s2)
            dist, k1 = "T", aux
    elif typ == 6:
        aux = mp.sqrt(((n1 - 1) * s1 + (n2 - 1) * s2) / (n1 + n2 - 2))
        stat, dist, k1 = ((x1 - x2 - h0) / aux) / mp.sqrt(1 / n1 + 1 / n2), "T", n1 + n2 - 2
    elif typ == 7:
        stat, dist, k1, k2 = s1 / s2, "F", n1 - 1, n2 - 1
    else:
        aux = (n1 * x1 + n2 * x2) / (n1 + n2)
        stat, dist = (x1 - x2) / mp.sqrt(aux * (1 - aux) * (1 / n1 + 1 / n2)), "N"
    lower, upper = region40(dist, side, alpha, k1, k2)
    for end in (lower, upper):
        if abs(end) < INF and abs(stat - end) <= mpf(10) ** -9 * abs(stat):
            sys.exit(f"test {typ} {boxes}: the statistic is too close to a critical point")
    reject = 1 if (stat < lower or stat > upper) else 0
    ncon2, nsig2 = semi40(alpha) if side == 1 else ("", "")
    region_text = "( " + bound40(lower, "lower") + "  ,   " + bound40(upper, "upper") + " )"
    return [region_text, fmt40(stat, "statistic"), str(reject), ncon2, nsig2,
            fmt40(aux, "aux") if aux is not None else ""]


def interval40(typ, boxes, box, level):
    v = exact(boxes)
    n1, n2, x1, x2, s1, s2 = (v[k] for k in ("N1", "N2", "X1", "X2", "S1", "S2"))
    a2 = level_of(box, level) / 2
    aux = None
    margin = -1
    if typ == 2:
        p1, p2 = chi2_upper(a2, n1 - 1), chi2_upper(1 - a2, n1 - 1)
        lower, upper = (n1 - 1) * s1 / p1, (n1 - 1) * s1 / p2
    elif typ == 7:
        p1, p2 = f_upper(1 - a2, n2 - 1, n1 - 1), f_upper(a2, n2 - 1, n1 - 1)
        lower, upper = s1 / s2 * p1, s1 / s2 * p2
    else:
        if typ in (0, 3, 4, 8):
            point = norm_upper(a2)
        elif typ == 5:
            aux = welch40(n1, n2, s1, s2)
            point = t_upper(a2, aux)
        else:
            point = t_upper(a2, n1 - 1 if typ == 1 else n1 + n2 - 2)
        spread = {0: lambda: mp.sqrt(s1 / n1), 1: lambda: mp.sqrt(s1 / n1),
                  3: lambda: mp.sqrt((1 - x1) * x1 / n1),
                  4: lambda: mp.sqrt(s1 / n1 + s2 / n2), 5: lambda: mp.sqrt(s1 / n1 + s2 / n2),
                  8: lambda: mp.sqrt(x1 * (1 - x1) / n1 + x2 * (1 - x2) / n2)}
        centre = x1 if typ in (0, 1, 3) else x1 - x2
        if typ == 6:
            aux = mp.sqrt(((n1 - 1) * s1 + (n2 - 1) * s2) / (n1 + n2 - 2))
            sd = aux * mp.sqrt(1 / n1 + 1 / n2)
        else:
            sd = spread[typ]()
        p1 = p2 = point
        margin = point * sd
        lower, upper = centre - margin, centre + margin
    ncon2, nsig2 = semi40(a2 * 2)
    return [" ( " + fmt40(lower, "lower") + "  ,   " + fmt40(upper, "upper") + " )", ncon2, nsig2,
            fmt40(margin, "margin") if margin >= 0 else "", fmt40(p1, "point1"),
            fmt40(p2, "point2"), fmt40(aux, "aux") if aux is not None else ""]


# type, H0, N1, N2, X1, X2, S1, S2, box, level (each test runs with the three tails)
EXTREME_TESTS = [
    # A significance typed with more digits than its 6-digit partner, as a number, a
    # percentage or a fraction, and one so small that 1 - alpha rounds to 1.
    (0, "10", "25", "-", "10.5", "-", "4", "-", "NSig", "0.0001234"),
    (0, "10", "25", "-", "10.5", "-", "4", "-", "NSig", "0.00001234"),
    (0, "10", "25", "-", "10.5", "-", "4", "-", "NSig", "5E-8"),
    (0, "10", "25", "-", "10.5", "-", "4", "-", "NSig", "0.001234%"),
    (0, "10", "25", "-", "10.5", "-", "4", "-", "NSig", "1E-17"),
    (0, "10", "25", "-", "10.5", "-", "4", "-", "NCon", "0.99987654321"),
    (1, "5", "12", "-", "5.8", "-", "1.44", "-", "NSig", "1/7777"),
    (2, "4", "11", "-", "-", "-", "6", "-", "NSig", "0.00002345"),
    (7, "-", "10", "15", "-", "-", "4", "9", "NSig", "0.0001234"),
    # Variances next to the ends of the doubles: a standard error or a pooled deviation
    # whose square is no double, Welch's terms whose squares are none, a sum of sizes or a
    # difference of means that overflows where the statistic does not.
    (0, "0", "10", "-", "1E-162", "-", "5E-324", "-", "NCon", "0.95"),
    (5, "0", "10", "15", "0.5", "0", "1E+299", "1", "NCon", "0.95"),
    (5, "0", "10", "15", "7.67E-81", "0", "4E-161", "1.5E-160", "NCon", "0.95"),
    (5, "0", "2", "2", "1", "2", "1E+300", "1E+300", "NCon", "0.95"),
    (6, "0", "2", "2", "1", "2", "1E+308", "1E+308", "NCon", "0.95"),
    (6, "0", "10", "15", "1E+154", "0", "1E+308", "1E+307", "NCon", "0.95"),
    (2, "5E+299", "1000000001", "-", "-", "-", "5.0000001E+299", "-", "NCon", "0.95"),
    (4, "0", "1", "1", "1.7E+308", "-1.7E+308", "1E+200", "1E+200", "NCon", "0.95"),
    (8, "-", "1E+308", "1.5E+308", "0.2", "0.6", "-", "-", "NCon", "0.95"),
]

# type, N1, N2, X1, X2, S1, S2, box, level
EXTREME_INTERVALS = [
    (0, "25", "-", "10.5", "-", "4", "-", "NSig", "0.0001234"),
    (1, "12", "-", "5.8", "-", "1.44", "-", "NSig", "5E-8"),
    (2, "11", "-", "-", "-", "6", "-", "NSig", "1/7777"),
    (5, "10", "15", "20.5", "18.1", "4", "9", "NSig", "0.01234%"),
    (7, "10", "15", "-", "-", "4", "9", "NSig", "0.00002345"),
    (0, "10", "-", "0", "-", "5E-324", "-", "NCon", "0.95"),
    (0, "1E+300", "-", "0", "-", "5E-324", "-", "NCon", "0.95"),
    (5, "10", "15", "0.5", "0", "1E+299", "1", "NCon", "0.95"),
    (5, "10", "15", "7.67E-81", "0", "4E-161", "1.5E-160", "NCon", "0.95"),
    (5, "2", "2", "1", "2", "1E+300", "1E+300", "NCon", "0.95"),
    (6, "2", "2", "1", "2", "1E+308", "1E+308", "NCon", "0.95"),
    (2, "1000000001", "-", "-", "-", "5E+299", "-", "NCon", "0.95"),
    (8, "1E+308", "1.5E+308", "0.2", "0.6", "-", "-", "NCon", "0.95"),
]


def extremes():
    lines = []
    keys = ("H0", "N1", "N2", "X1", "X2", "S1", "S2")
    for typ, *texts, box, level in EXTREME_TESTS:
        boxes = dict(zip(keys, texts))
        for side in (0, 1, 2):
            lines.append(["test", str(typ), str(side), *texts, box, level,
                          *test40(typ, side, boxes, box, level)])
    for typ, *texts, box, level in EXTREME_INTERVALS:
        boxes = dict(zip(keys[1:], texts))
        lines.append(["interval", str(typ), *texts, box, level,
                      *interval40(typ, boxes, box, level)])
    return lines


def write(path, title, lines):
    with open(path, "w") as f:
        f.write(title + ", from tools/inference_reference.py\n")
        for line in lines:
            f.write("\t".join(line) + "\n")
    print(f"{len(lines)} cases written to {os.path.normpath(path)}")


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
    write(OUT, "# Worked cases of the tests and intervals", lines)
    write(OUT_EXTREMES, "# Tests and intervals at the ends of the boxes, at 40 digits", extremes())


if __name__ == "__main__":
    main()
