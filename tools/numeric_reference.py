#!/usr/bin/python3
"""Reference values for the distribution routines of the number library.

Computes every value at 40 significant digits with mpmath (Debian's python3-mpmath) and
writes the tab-separated files that the numeric tests read:

  tests/data/numeric_reference.tsv  routine, up to three arguments, the exact value, and
                                    how far that value lies from a tie of its rounding to
                                    6 digits, relative to it (its 6-digit text is compared
                                    only where that is more than the error allowed)
  tests/data/critical_values.tsv    the published critical-value tables: t, chi-square
                                    and F points for df 1 to 30, 60 and 120 at upper tails
                                    0.05, 0.025 and 0.01, and normal points
  tests/data/deep_tails.tsv         the distribution panel's deep tails at 50 digits: t,
                                    chi-square and F points at P = 1E-20 to 1E-300, binomial
                                    (n up to 10^6) and Poisson (mean up to 10^5) regions, and
                                    a few dozen t, F and binomial requests each from a million
                                    degrees of freedom or trials on; --deep-tails writes only
                                    this file
  tests/data/large_df_reference.tsv the t, F and binomial from a million to 2147483647
                                    degrees of freedom or trials, as numeric_reference.tsv
                                    but with a fourth argument column (BinomialIntervalo);
                                    --large-df writes only this file
  tests/data/numeric_ends.tsv       the ends of the doubles and of the counts, as
                                    large_df_reference.tsv: the t beyond |t| = 1.34E+154,
                                    the count 2147483647, tiny chi-square and gamma shapes
                                    at subnormal points, the binomial up to n = 2^53, F's
                                    lower point at the least normal double
  tests/data/count_and_t_ends.tsv   the distribution panel at those ends, as deep_tails.tsv;
                                    --ends writes only these two files
  tests/data/beta_inverse_reference.tsv
                                    BetaIncInversa's root at 600 points drawn log-uniformly
                                    from a fixed seed (a from 1E-4 to 1E+4, b from 1E-2 to
                                    2E+9, y down to the subnormal doubles and up to
                                    1 - 1.1E-16), by findroot on mpmath's regularized betainc;
                                    --beta-inverse writes only this file (the main run
                                    leaves it, which takes half an hour)
  tests/data/beta_inverse_ends.tsv  BetaIncInversa's root at shapes from 1E-300 to 1E+300:
                                    closed forms at a shape of 1, the shapes next to where
                                    the inverse changes its method, and a log-uniform draw
                                    from a fixed seed, at both ends of the probabilities and,
                                    for a tiny shape, where its root is a double; two large
                                    shapes by the integral of the density about the mean,
                                    one shape from 1E+25 on by the gamma limit;
                                    --beta-inverse-ends writes only this file (the main run
                                    leaves it)

The arguments are doubles, written with 17 significant digits, and each value is the exact
value at that double (not at the decimal it was typed as). The build never runs this;
run it by hand with /usr/bin/python3 after changing the grid, and commit its output.
"""

import math
import multiprocessing
import os
import random
import signal
import sys
import time

import mpmath as mp
from mpmath import mpf

mp.mp.dps = 40
START = time.time()

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "tests", "data")

# Smallest value worth a row: below it the routines' own logarithm limits take over.
TINY = mpf("1e-300")


# --- The functions, exactly -------------------------------------------------------------

def log_beta_factor(a, b):
    """ln(Gamma(a+b) / (Gamma(a) Gamma(b)))."""
    return mp.loggamma(a + b) - mp.loggamma(a) - mp.loggamma(b)


def ibeta_fraction(a, b, x, xc):
    """I_x(a, b) by its continued fraction (modified Lentz), for x < (a+1)/(a+b+2)."""
    tiny = mpf(10) ** -1000
    eps = mpf(10) ** -(mp.mp.dps + 5)
    c, d = mpf(1), 1 - (a + b) * x / (a + 1)
    d = 1 / (d if abs(d) > tiny else tiny)
    h = d
    for m in range(1, 10**7):
        m2 = 2 * m
        for num in (m * (b - m) * x / ((a - 1 + m2) * (a + m2)),
                    -(a + m) * (a + b + m) * x / ((a + m2) * (a + 1 + m2))):
            d = 1 + num * d
            d = 1 / (d if abs(d) > tiny else tiny)
            c = 1 + num / c
            c = c if abs(c) > tiny else tiny
            h *= d * c
        if abs(d * c - 1) < eps:
            break
    else:
        raise ValueError("continued fraction did not converge at %s %s %s" % (a, b, x))
    return mp.exp(a * mp.log(x) + b * mp.log(xc) + log_beta_factor(a, b)) * h / a


def ibeta(a, b, x, xc=None):
    """Regularized incomplete beta; mpmath's own betainc fails when a and b are both large.
    xc = 1 - x, given exactly where x is close to 1."""
    a, b, x = mpf(a), mpf(b), mpf(x)
    xc = 1 - x if xc is None else mpf(xc)
    if x == 0:
        return mpf(0)
    if xc == 0:
        return mpf(1)
    if x < (a + 1) / (a + b + 2):
        return ibeta_fraction(a, b, x, xc)
    return 1 - ibeta_fraction(b, a, xc, x)


def self_check():
    """The beta and gamma forms above against mpmath's own, where those converge."""
    for a, b, x in [(2, 3, 0.4), (0.5, 0.5, 0.3), (10, 20, 0.5), (100, 3, 0.99),
                    (0.5, 50, 0.001), (30, 30, 0.5), (1.5, 7, 0.9), (7, 1.5, 0.2)]:
        mine = ibeta(a, b, x)
        theirs = mp.betainc(mpf(a), mpf(b), 0, mpf(x), regularized=True)
        assert abs(mine - theirs) <= mpf(10) ** -35 * theirs, (a, b, x, mine, theirs)
    for a, x in [(2.5, 1), (10, 3), (0.5, 0.2), (100, 90), (3, 3), (7, 20)]:
        theirs = mp.gammainc(mpf(a), 0, mpf(x), regularized=True)
        assert abs(gamma_p(a, x) - theirs) <= mpf(10) ** -35 * theirs, (a, x)
        assert abs(gamma_q(a, x) - (1 - theirs)) <= mpf(10) ** -35, (a, x)


def gamma_p_series(a, x):
    """P(a, x) by its series of positive terms, x^a e^-x / Gamma(a+1) * 1F1(1; a+1; x)."""
    pref = mp.exp(a * mp.log(x) - x - mp.loggamma(a + 1))
    return pref * mp.hyp1f1(1, a + 1, x, maxterms=10**7)


def gamma_q(a, x):
    """Regularized upper incomplete gamma; mpmath's lower one fails for large a."""
    a, x = mpf(a), mpf(x)
    if x <= a:
        return 1 - gamma_p_series(a, x)
    return mp.gammainc(a, x, mp.inf, regularized=True)


def gamma_p(a, x):
    a, x = mpf(a), mpf(x)
    if x <= a:
        return gamma_p_series(a, x)
    return 1 - mp.gammainc(a, x, mp.inf, regularized=True)


def normal_upper(z):
    return mp.ncdf(-mpf(z))


def t_upper(k, t):
    k, t = mpf(k), mpf(t)
    tail = ibeta(k / 2, mpf(1) / 2, k / (k + t * t), t * t / (k + t * t)) / 2
    return tail if t >= 0 else 1 - tail


def t_central(k, t):
    """P(|T| <= t), from the central part itself (1 - 2 P(T > t) keeps no digit of a tiny
    one)."""
    k, t = mpf(k), abs(mpf(t))
    if t == 0:
        return mpf(0)
    return ibeta(mpf(1) / 2, k / 2, t * t / (k + t * t), k / (k + t * t))


def t_central_inverse(k, p):
    """The t >= 0 with P(|T| <= t) = p."""
    p = mpf(p)
    if p >= mpf(1) / 2:
        return t_inverse(k, (1 - p) / 2)
    return mp.exp(solve(log_gap(lambda u: t_central(k, mp.exp(u)), p), mpf(-800), mpf(5)))


def f_upper(ia, ib, x):
    ia, ib, x = mpf(ia), mpf(ib), mpf(x)
    return ibeta(ib / 2, ia / 2, ib / (ib + ia * x), ia * x / (ib + ia * x))


def f_lower(ia, ib, x):
    ia, ib, x = mpf(ia), mpf(ib), mpf(x)
    return ibeta(ia / 2, ib / 2, ia * x / (ib + ia * x), ib / (ib + ia * x))


def binomial_cdf(k, n, p):
    k, n, p = int(k), int(n), mpf(p)
    if n <= 2000:
        return mp.fsum(mp.binomial(n, i) * p**i * (1 - p) ** (n - i) for i in range(k + 1))
    return ibeta(n - k, k + 1, 1 - p, p)


# --- Inverses: a root of a monotone function, in a variable where it is nearly linear ----

def solve(g, lo, hi):
    """The root of g (which changes sign once on [lo, hi]) to full working precision."""
    glo, ghi = g(lo), g(hi)
    if glo * ghi > 0:
        raise ValueError("no sign change on [%s, %s]" % (lo, hi))
    for _ in range(40):  # bisect until a secant method can take over
        mid = (lo + hi) / 2
        gm = g(mid)
        if gm == 0:
            return mid
        if (gm > 0) == (glo > 0):
            lo, glo = mid, gm
        else:
            hi, ghi = mid, gm
        if hi - lo < mpf("1e-3") * max(1, abs(mid)):
            break
    root = mp.findroot(g, (lo, hi), solver="illinois", tol=mpf(10) ** (-mp.mp.dps + 6),
                       maxsteps=200, verify=False)
    # g is a log ratio: near the root it is the relative error of the probability.
    if abs(g(root)) > mpf(10) ** (-mp.mp.dps + 12):
        raise ValueError("root not found on [%s, %s]" % (lo, hi))
    return root


def log_gap(f, target):
    """g(u) = ln f(u) - ln target, with an empty tail counted as far below the target."""
    lt = mp.log(target)

    def g(u):
        v = f(u)
        return mp.log(v) - lt if v > 0 else mpf(-10) ** 6
    return g


def normal_inverse(y):
    y = mpf(y)
    if y == mpf(1) / 2:
        return mpf(0)
    if y < mpf(1) / 2:
        return solve(log_gap(lambda z: mp.ncdf(z), y), mpf(-40), mpf(0))
    return solve(log_gap(lambda z: mp.ncdf(-z), 1 - y), mpf(0), mpf(40))


def gamma_q_inverse(a, y):
    """The x with Q(a, x) = y; 0 for a root below every double."""
    g = log_gap(lambda u: gamma_q(a, mp.exp(u)), y)
    if g(mpf(-800)) < 0:
        return mpf(0)
    return mp.exp(solve(g, mpf(-800), mpf(40)))


def beta_inverse(a, b, y):
    # in u = ln(x / (1 - x)), on the side where the probability is small
    def x_of(u):
        return 1 / (1 + mp.exp(-u)), 1 / (1 + mp.exp(u))
    y = mpf(y)
    if y <= mpf(1) / 2:
        u = solve(log_gap(lambda u: ibeta(a, b, *x_of(u)), y), mpf(-2000), mpf(2000))
    else:
        u = solve(log_gap(lambda u: ibeta(b, a, *x_of(-u)), 1 - y), mpf(-2000), mpf(2000))
    return x_of(u)[0]


def t_inverse(k, p):
    """The t with P(T > t) = p."""
    p = mpf(p)
    if p == mpf(1) / 2:
        return mpf(0)
    q = p if p < mpf(1) / 2 else 1 - p
    t = mp.exp(solve(log_gap(lambda u: t_upper(k, mp.exp(u)), q), mpf(-60), mpf(700)))
    return t if p < mpf(1) / 2 else -t


def f_inverse(ia, ib, y):
    """The x with P(F > x) = y; infinite for a point beyond e^700, far past every double."""
    y = mpf(y)
    if y <= mpf(1) / 2:
        g = log_gap(lambda u: f_upper(ia, ib, mp.exp(u)), y)
        if g(mpf(700)) > 0:
            return mp.inf
    else:
        g = log_gap(lambda u: f_lower(ia, ib, mp.exp(u)), 1 - y)
    return mp.exp(solve(g, mpf(-700), mpf(700)))


def sign_gamma(x):
    x = mpf(x)
    if x > 0:
        return mpf(1)
    return mpf(1) if int(mp.floor(x)) % 2 == 0 else mpf(-1)


def ln_gamma(x):
    x = mpf(x)
    if x > 0:
        return mp.loggamma(x)
    # reflection: |Gamma(x)| = pi / (|sin(pi x)| Gamma(1 - x))
    return mp.log(mp.pi) - mp.log(abs(mp.sin(mp.pi * x))) - mp.loggamma(1 - x)


# --- Output -----------------------------------------------------------------------------

def tie_distance(v):
    """How far v lies from a tie of its rounding to 6 significant digits, relative to v
    (at most about 0.5E-5); 1 for v = 0, which has no tie."""
    if v == 0:
        return mpf(1)
    a = abs(v)
    e = int(mp.floor(mp.log10(a)))
    scaled = a / mpf(10) ** (e - 5)  # six digits before the point
    frac = scaled - mp.floor(scaled)
    return abs(frac - mpf(1) / 2) / scaled


def arg_text(x):
    return "%.17g" % x if isinstance(x, float) else str(x)


class Table:
    def __init__(self, columns=3, floor=TINY):
        self.rows = []
        self.columns = columns  # argument columns
        self.floor = floor

    def add(self, routine, args, value):
        if not self.rows or self.rows[-1][0] != routine:
            print("%8.1f s  %s" % (time.time() - START, routine), file=sys.stderr, flush=True)
        value = mpf(value)
        if 0 < abs(value) < self.floor:
            return  # below the doubles the routines work in
        self.rows.append((routine, [arg_text(a) for a in args], mp.nstr(value, 22),
                          mp.nstr(tie_distance(value), 3)))

    def write(self, path, header):
        with open(path, "w") as f:
            f.write(header)
            for routine, args, value, tie in self.rows:
                args = args + ["-"] * (self.columns - len(args))
                f.write("\t".join([routine] + args + [value, tie]) + "\n")


# --- The grid ---------------------------------------------------------------------------

def frange(values):
    return [float(v) for v in values]


def grid():
    t = Table()

    xs = frange(["1e-300", "1e-10", "0.01", "0.1", "0.2", "0.3", "0.4", "0.49", "0.4999999",
                 "0.5", "0.6", "0.75", "1", "1.5", "2", "2.5", "3", "3.5", "4", "5", "5.9",
                 "6", "7", "9.99"])
    for x in xs + [-x for x in xs] + [0.0, 10.0, 12.0, -10.0, 30.0]:
        t.add("Erf", [x], mp.erf(mpf(x)))
    for x in frange(["-5", "-2", "-1", "-0.5", "-0.1", "0", "0.1", "0.3", "0.49", "0.5", "0.75",
                     "1", "1.5", "2", "2.99", "3", "4", "5", "6", "7", "8", "9", "9.99", "10", "12",
                     "15", "20", "25", "26", "26.5"]):
        t.add("ErfC", [x], mp.erfc(mpf(x)))

    for z in frange(["-40", "-10", "-8.3", "-5", "-3", "-1.96", "-1", "-0.5", "-1e-8", "0", "1e-8",
                     "0.1", "0.5", "1", "1.6448536269514722", "1.96", "2.5", "3", "4", "5", "6",
                     "7", "8", "8.2", "8.3", "9", "10", "12", "15", "20", "25", "30", "37",
                     "37.5", "40"]):
        t.add("NormalCola", [z], normal_upper(z))
    for z in frange(["0", "1e-300", "1e-100", "1e-10", "1e-5", "0.0001", "0.001", "0.1", "0.5",
                     "0.7", "1", "2", "5", "-1e-10", "-2"]):
        t.add("NormalCentral", [z], mp.erf(abs(mpf(z)) / mp.sqrt(2)))
    for p in frange(["1e-300", "1e-100", "1e-20", "1e-10", "1e-6", "9.9999999e-05", "0.0001",
                     "0.001", "0.1", "0.5", "0.9", "0.95", "0.999999", "0.999999999999999"]):
        t.add("NormalCentralInversa", [p], mp.sqrt(2) * mp.erfinv(mpf(p)))
    for y in frange(["1e-300", "1e-200", "1e-100", "1e-50", "1e-20", "1e-16", "1e-10", "1e-5",
                     "1e-3", "0.01", "0.025", "0.05", "0.1", "0.135", "0.13533528323661",
                     "0.1354", "0.2", "0.3", "0.4", "0.45", "0.49", "0.4999999999", "0.5",
                     "0.5000000001", "0.6", "0.7", "0.8", "0.86", "0.8646", "0.8647", "0.9",
                     "0.95", "0.975", "0.99", "0.999", "0.999999", "0.9999999999",
                     "0.999999999999999"]):
        t.add("NormalInversa", [y], normal_inverse(y))

    for x in frange(["1e-300", "1e-10", "0.001", "0.1", "0.5", "0.9", "1", "1.1", "1.5", "1.9",
                     "2", "2.1", "2.5", "3", "5.5", "10", "12.9", "13", "20", "100.5", "999",
                     "1000", "1e4", "1e6", "99999999", "100000001", "1e10", "1e100", "1e300",
                     "-0.5", "-1.5", "-2.5", "-10.3", "-33.7", "-34.5", "-40.5", "-100.25",
                     "-170.9", "-100000.5"]):
        t.add("LnGamma", [x], ln_gamma(x))
        t.add("LnGammaSign", [x], sign_gamma(x))
    for x in frange(["1e-10", "1e-5", "0.1", "0.5", "1", "1.5", "2", "2.5", "3", "4.5", "10",
                     "20.5", "33", "33.5", "50", "100", "143", "143.5", "150", "170.5", "171",
                     "171.6", "-0.5", "-1.5", "-2.5", "-10.3", "-32.5", "-33.5", "-50.5",
                     "-100.5", "-150.5", "-170.5"]):
        t.add("Gamma", [x], mp.gamma(mpf(x)))

    shapes = frange(["0.001", "0.1", "0.5", "1", "2.5", "10", "100", "10000", "1000000"])
    for a in shapes:
        am = mpf(a)
        points = set()
        for f in ["1e-6", "0.01", "0.1", "0.5", "0.9", "1", "1.1", "2", "5", "20"]:
            points.add(float(am * mpf(f)))
        for c in [-30, -5, -1, 1, 5, 30]:
            x = float(am + c * mp.sqrt(am))
            if x > 0:
                points.add(x)
        points.update([0.5, 1.0, 3.0, 50.0])
        for x in sorted(points):
            q, p = gamma_q(a, x), gamma_p(a, x)
            if q >= TINY:
                t.add("GammaIncSup", [a, x], q)
            if p >= TINY:
                t.add("GammaIncInf", [a, x], p)
        for y in frange(["1e-300", "1e-100", "1e-20", "1e-8", "1e-3", "0.05", "0.5", "0.95",
                         "0.999", "0.99999999", "0.9999999999", "0.999999999999999"]):
            x = gamma_q_inverse(a, y)
            if x > mpf("1e-290"):
                t.add("GammaIncSupInversa", [a, y], x)
            x = gamma_p_inverse(a, y)
            if x > mpf("1e-290"):
                t.add("GammaIncInfInversa", [a, y], x)

    dfs = frange(["0.5", "1", "2", "2.5", "3", "5", "10", "30", "100", "1000", "1e4", "1e5", "1e6"])
    for df in dfs:
        dm = mpf(df)
        points = {float(dm * mpf(f)) for f in ["1e-3", "0.1", "0.5", "1", "1.5", "2", "5", "10"]}
        points.update([0.0, -5.0, 1e-300, 3.841459, 1380.0, 1390.0])
        for x in sorted(points):
            v = gamma_q(dm / 2, mpf(x) / 2) if x > 0 else mpf(1)
            if v >= TINY:
                t.add("Ji2Cola", [df, x], v)
        for p in frange(["1e-300", "1e-100", "1e-10", "1e-5", "0.001", "0.01", "0.025", "0.05",
                         "0.1", "0.5", "0.9", "0.95", "0.99", "0.999", "0.999999", "0.9999999999",
                         "0.999999999999999"]):
            t.add("Ji2Inversa", [df, p], 2 * gamma_q_inverse(dm / 2, p))

    for k in [0, 1, 2, 5, 10, 100, 1000, 10000, 1000000]:
        lambdas = {0.001, 0.5, 3.0, 700.0}
        lambdas.update(float(mpf(k) * mpf(f)) for f in ["0.01", "0.5", "0.9", "1", "1.1", "2"])
        for lam in sorted(lambdas):
            v = gamma_q(k + 1, lam) if lam > 0 else mpf(1)
            if v >= TINY:
                t.add("PoissonAcum", [k, lam], v)

    pairs = [(0.5, 0.5), (0.5, 5.0), (1.0, 1.0), (2.0, 3.0), (2.5, 0.5), (10.0, 20.0),
             (100.0, 3.0), (0.5, 500.0), (50.0, 0.5), (1000.0, 1000.0), (1e4, 5e5),
             (5e5, 0.5), (0.5, 5e5), (5e5, 5e5), (1.0, 33.0), (0.5, 2.0)]
    for a, b in pairs:
        am, bm = mpf(a), mpf(b)
        mean = am / (am + bm)
        sd = mp.sqrt(am * bm / ((am + bm) ** 2 * (am + bm + 1)))
        points = set(frange(["1e-10", "1e-3", "0.1", "0.3", "0.5", "0.7", "0.9", "0.999",
                             "0.9999999999"]))
        for c in [-20, -3, -1, 0, 1, 3, 20]:
            x = mean + c * sd
            if 0 < x < 1:
                points.add(float(x))
        for x in sorted(points):
            v = ibeta(a, b, x)
            if v >= TINY:
                t.add("BetaInc", [a, b, x], v)
        for y in frange(["1e-300", "1e-100", "1e-20", "1e-8", "0.001", "0.05", "0.3", "0.5",
                         "0.7", "0.95", "0.999", "0.99999999", "0.99999999999999545"]):
            x = beta_inverse(am, bm, y)
            if mpf("1e-290") < x < 1 - mpf("1e-15"):
                t.add("BetaIncInversa", [a, b, y], x)

    ks = [1, 2, 3, 4, 5, 10, 29, 30, 100, 1000, 10000, 100000, 1000000]
    for k in ks:
        for tv in frange(["-1e6", "-50", "-5", "-2.0001", "-2", "-1.5", "-1", "-0.1", "0", "0.1",
                          "0.5", "1", "1.5", "2", "2.5", "3", "5", "10", "30"]):
            v = t_upper(k, tv)
            if v >= TINY:
                t.add("TStudentCola", [k, tv], v)
        for p in frange(["1e-300", "1e-100", "1e-20", "1e-10", "1e-7", "1e-4", "0.001", "0.01",
                         "0.025", "0.05", "0.1", "0.2", "0.25", "0.3", "0.4", "0.49", "0.5",
                         "0.51", "0.6", "0.75", "0.8", "0.9", "0.95", "0.975", "0.99", "0.999",
                         "0.9999999", "0.9999999999"]):
            v = t_inverse(k, p)
            if abs(v) < mpf("1e153"):  # beyond, the routine answers its infinite mark
                t.add("TStudentInversa", [k, p], v)
        for tv in frange(["0", "1e-300", "1e-100", "1e-10", "1e-4", "0.5", "2", "2.5", "-3",
                          "30"]):
            t.add("TStudentCentral", [k, tv], t_central(k, tv))
        for p in frange(["1e-300", "1e-100", "1e-10", "9.9999999e-05", "0.0001", "0.01", "0.5",
                         "0.95", "0.999999999999999"]):
            v = t_central_inverse(k, p)
            if v < mpf("1e153"):
                t.add("TStudentCentralInversa", [k, p], v)

    fpairs = [(1, 1), (1, 2), (2, 1), (3, 7), (5, 10), (10, 5), (30, 30), (1, 100000),
              (100000, 1), (100, 1000), (1000, 100000), (1000000, 1000000), (7, 1000000),
              (100000000, 1), (1, 100000000), (2000000, 3000000)]
    for ia, ib in fpairs:
        for x in frange(["0", "1e-6", "0.01", "0.1", "0.5", "1", "2", "5", "10", "100", "1e4",
                         "1e10", "1e50"]):
            v = f_upper(ia, ib, x)
            if v >= TINY:
                t.add("FSnedecorCola", [ia, ib, x], v)
        for y in frange(["1e-300", "1e-100", "1e-20", "1e-7", "1e-4", "0.001", "0.01", "0.05",
                         "0.1", "0.26", "0.5", "0.9", "0.95", "0.99", "0.999", "0.9999999"]):
            x = f_inverse(ia, ib, y)
            if mpf("1e-290") < x < mpf("1e290"):
                t.add("FSnedecorInversa", [ia, ib, y], x)

    for n in [1, 2, 5, 10, 20, 50, 100, 1000, 100000]:
        counts = sorted({0, 1, n // 4, n // 2, (3 * n) // 4, n - 1} - {n})
        for k in counts:
            for p in frange(["0", "1e-6", "0.01", "0.1", "0.3", "0.5", "0.7", "0.9", "0.99", "1"]):
                v = binomial_cdf(k, n, p)
                if v >= TINY:
                    t.add("BinomialAcum", [float(k), float(n), p], v)
    return t


def critical_values():
    t = Table()
    dfs = list(range(1, 31)) + [60, 120]
    alphas = [0.05, 0.025, 0.01]
    for alpha in alphas:
        for df in dfs:
            t.add("t", [df, "-", alpha], t_inverse(df, alpha))
            t.add("chi2", [df, "-", alpha], 2 * gamma_q_inverse(mpf(df) / 2, alpha))
            for df2 in dfs:
                t.add("F", [df, df2, alpha], f_inverse(df, df2, alpha))
    for level in [0.9, 0.95, 0.975, 0.99, 0.995]:
        t.add("normal", ["-", "-", level], normal_inverse(level))
    return t


# --- Deep tails, as the distribution panel is asked for them ---------------------------

DEEP_P = ["1e-20", "1e-50", "1e-100", "1e-150", "1e-200", "1e-250", "1e-300"]
DBL_MIN = mpf(2) ** -1022


def gamma_p_inverse(a, y):
    """The x with P(a, x) = y; 0 for a root below every double."""
    g = log_gap(lambda u: gamma_p(a, mp.exp(u)), y)
    if g(mpf(-800)) > 0:
        return mpf(0)
    return mp.exp(solve(g, mpf(-800), mpf(40)))


def f_lower_inverse(ia, ib, y):
    """The x with P(F <= x) = y, from the lower tail itself; 0 below e^-700."""
    g = log_gap(lambda u: f_lower(ia, ib, mp.exp(u)), mpf(y))
    if g(mpf(-700)) > 0:
        return mpf(0)
    return mp.exp(solve(g, mpf(-700), mpf(700)))


def binomial_term(n, p, k):
    n, k, p = mpf(n), mpf(k), mpf(p)
    return mp.exp(mp.loggamma(n + 1) - mp.loggamma(k + 1) - mp.loggamma(n - k + 1) +
                  k * mp.log(p) + (n - k) * mp.log1p(-p))


def poisson_term(lam, k):
    lam, k = mpf(lam), mpf(k)
    return mp.exp(k * mp.log(lam) - lam - mp.loggamma(k + 1))


class PanelTable:
    """Rows of deep_tails.tsv: what is typed into the panel, and the exact value of the one
    box it leaves blank."""

    def __init__(self):
        self.rows = []

    def add(self, dist, mode, par1, par2, prob, x1, x2, value):
        value = mpf(value)
        if not (abs(value) < mpf("1e300")):
            return  # the infinite mark: no true point to compare
        if abs(value) < DBL_MIN:
            if dist in "NTXF" and prob != "-":
                return  # a point below the doubles
            value = mpf(0)  # a probability the panel writes as 0
        texts = [str(v) for v in (par1, par2, prob, x1, x2)]
        self.rows.append([dist, mode] + texts + [mp.nstr(value, 22),
                                                 mp.nstr(tie_distance(value), 3)])

    def request(self, dist, mode, par1, par2, prob, x1, x2="-"):
        """Adds the request these texts make, with its exact value, and returns that."""
        value = panel_value(dist, mode, par1, par2, prob, x1, x2)
        self.add(dist, mode, par1, par2, prob, x1, x2, value)
        return value

    def write(self, path, header):
        with open(path, "w") as f:
            f.write(header)
            for row in self.rows:
                f.write("\t".join(row) + "\n")


def deep_tails():
    mp.mp.dps = 50
    t = PanelTable()
    for k in range(1, 31):
        print("%8.1f s  t %d" % (time.time() - START, k), file=sys.stderr, flush=True)
        for text in DEEP_P:
            point = t_inverse(k, mpf(float(text)))
            t.add("T", "R", k, "-", text, "-", "-", point)
            t.add("T", "L", k, "-", text, "-", "-", -point)
    for df in list(range(1, 31)) + list(range(35, 101, 5)):
        print("%8.1f s  chi-square %d" % (time.time() - START, df), file=sys.stderr, flush=True)
        for text in DEEP_P:
            y = mpf(float(text))
            t.add("X", "R", df, "-", text, "-", "-", 2 * gamma_q_inverse(mpf(df) / 2, y))
            t.add("X", "L", df, "-", text, "-", "-", 2 * gamma_p_inverse(mpf(df) / 2, y))
    for ia, ib in [(1, 1), (1, 2), (2, 1), (3, 7), (5, 10), (10, 5), (30, 30), (1, 100),
                   (100, 1), (100, 1000), (1000, 100), (1000, 100000)]:
        print("%8.1f s  F %d %d" % (time.time() - START, ia, ib), file=sys.stderr, flush=True)
        for text in DEEP_P:
            y = mpf(float(text))
            t.add("F", "R", ia, ib, text, "-", "-", f_inverse(ia, ib, y))
            t.add("F", "L", ia, ib, text, "-", "-", f_lower_inverse(ia, ib, y))

    def counts(mean, sd, top):
        ks = {0, 1, 2, top - 1, top}
        for c in [3, 10, 30, 100, 300, 1000]:
            ks.update([int(mean - c * sd), int(mean + c * sd)])
        return sorted(k for k in ks if 0 <= k <= top)

    for n in [10, 100, 2080, 10**4, 10**5, 10**6]:
        for ptext in ["0.01", "0.3", "0.5", "0.9"]:
            print("%8.1f s  binomial %d %s" % (time.time() - START, n, ptext), file=sys.stderr,
                  flush=True)
            p = mpf(float(ptext))
            mean, sd = n * p, mp.sqrt(n * p * (1 - p))

            def left(k):
                return mpf(1) if k >= n else ibeta(n - k, k + 1, 1 - p, p)

            def right(k):  # P(X >= k)
                return mpf(1) if k <= 0 else ibeta(k, n - k + 1, p, 1 - p)
            for k in counts(mean, sd, n):
                t.add("B", "L", n, ptext, "-", k, "-", left(k))
                t.add("B", "R", n, ptext, "-", k, "-", right(k))
                t.add("B", "P", n, ptext, "-", k, "-", binomial_term(n, p, k))
                for width in sorted({1, 10, int(sd) + 1}):
                    if k + width <= n:
                        value = mp.fsum(binomial_term(n, p, i) for i in range(k, k + width + 1))
                        t.add("B", "I", n, ptext, "-", k, k + width, value)
    for lam_text in ["0.5", "2.5", "10", "100", "1000", "10000", "100000"]:
        print("%8.1f s  Poisson %s" % (time.time() - START, lam_text), file=sys.stderr,
              flush=True)
        lam = mpf(float(lam_text))
        sd = mp.sqrt(lam)
        for k in counts(lam, sd, int(lam + 40 * sd + 700)):
            t.add("P", "L", lam_text, "-", "-", k, "-", gamma_q(k + 1, lam))
            t.add("P", "R", lam_text, "-", "-", k, "-", gamma_p(k, lam) if k > 0 else 1)
            t.add("P", "P", lam_text, "-", "-", k, "-", poisson_term(lam, k))
            for width in sorted({1, 10, int(sd) + 1}):
                value = mp.fsum(poisson_term(lam, i) for i in range(k, k + width + 1))
                t.add("P", "I", lam_text, "-", "-", k, k + width, value)
    own_side_tails(t)
    # The cases the fuzzer and a 60-digit check found.
    t.add("B", "I", 2080, "0.3", "-", 1, 8,
          mp.fsum(binomial_term(2080, mpf(0.3), i) for i in range(1, 9)))
    t.add("B", "R", 100, "0.01", "-", 60, "-", ibeta(60, 41, mpf(0.01), 1 - mpf(0.01)))
    t.add("P", "R", "2.5", "-", "-", 30, "-", gamma_p(30, mpf(2.5)))
    t.add("T", "R", 1, "-", "1e-200", "-", "-", t_inverse(1, mpf(1e-200)))
    t.add("T", "L", 1, "-", "1e-200", "-", "-", -t_inverse(1, mpf(1e-200)))
    large_shape_panel(t)
    return t


def own_side_tails(t):
    """Every tail from its own side: far normal tails, Interval between far points, centred
    intervals of a tiny probability or about a point near the centre, points over P near 1,
    and F points past a million degrees of freedom."""
    print("%8.1f s  tails from their own side" % (time.time() - START), file=sys.stderr,
          flush=True)
    for mu, sigma in [("0", "1"), ("100", "15")]:
        m, sd = mpf(mu), mpf(sigma)
        for z in ["8", "8.25", "9", "10", "12", "15", "20", "25", "30", "35", "37", "37.5"]:
            x = mp.nstr(m + sd * mpf(z), 30)
            t.add("N", "R", mu, sigma, "-", x, "-", normal_upper((mpf(x) - m) / sd))
            x = mp.nstr(m - sd * mpf(z), 30)
            t.add("N", "L", mu, sigma, "-", x, "-", mp.ncdf((mpf(x) - m) / sd))
        for za, zb in [("8", "9"), ("10", "12"), ("-9", "-8"), ("20", "37"), ("-37", "-20")]:
            xa, xb = mp.nstr(m + sd * mpf(za), 30), mp.nstr(m + sd * mpf(zb), 30)
            t.add("N", "I", mu, sigma, "-", xa, xb,
                  mp.ncdf((mpf(xb) - m) / sd) - mp.ncdf((mpf(xa) - m) / sd)
                  if za.startswith("-") else
                  normal_upper((mpf(xa) - m) / sd) - normal_upper((mpf(xb) - m) / sd))
    tiny_p = ["1e-300", "1e-100", "1e-20", "1e-10", "1e-5", "0.0001", "0.001", "0.3"]
    near_centre = ["1e-300", "1e-100", "1e-10", "1e-5", "0.001"]
    for text in tiny_p:
        p = mpf(float(text))
        for sigma in ["1", "2.5"]:
            half = mpf(sigma) * mp.sqrt(2) * mp.erfinv(p)
            t.add("N", "C", "0", sigma, text, "-", "-", -half)
        for k in [1, 2, 5, 30, 1000, 1000000]:
            t.add("T", "C", k, "-", text, "-", "-", -t_central_inverse(k, p))
    for text in near_centre:
        h = mpf(float(text))
        t.add("N", "C", "0", "1", "-", "-" + text, "-", mp.erf(h / mp.sqrt(2)))
        for k in [1, 2, 5, 30, 1000]:
            t.add("T", "C", k, "-", "-", "-" + text, "-", t_central(k, h))
    near_one = ["0.9", "0.999999", "0.999999999", "0.9999999999999", "0.999999999999999"]
    for text in near_one:
        y = mpf(float(text))
        for df in [1, 2, 5, 18, 30, 100]:
            t.add("X", "R", df, "-", text, "-", "-", 2 * gamma_p_inverse(mpf(df) / 2, 1 - y))
            t.add("X", "L", df, "-", text, "-", "-", 2 * gamma_q_inverse(mpf(df) / 2, 1 - y))
        for k in [1, 3, 30]:
            t.add("T", "R", k, "-", text, "-", "-", -t_inverse(k, 1 - y))
        for ia, ib in [(1, 1), (3, 7), (30, 30), (1000, 100)]:
            t.add("F", "R", ia, ib, text, "-", "-", f_lower_inverse(ia, ib, 1 - y))
    for ia, ib in [(100000000, 1), (1, 100000000), (2000000, 3000000)]:
        for text in ["0.01", "0.26", "0.5", "0.74", "0.99"]:
            t.add("F", "R", ia, ib, text, "-", "-", f_inverse(ia, ib, mpf(float(text))))


def panel_value(dist, mode, par1, par2, prob, x1, x2="-"):
    """The exact value of the box the panel fills from these texts, for the t, F and
    binomial requests of large_shape_panel."""
    if dist == "B":
        n, p, k = int(par1), mpf(float(par2)), int(x1)
        if mode == "L":
            return ibeta(n - k, k + 1, 1 - p, p)
        if mode == "R":  # P(X >= k)
            return ibeta(k, n - k + 1, p, 1 - p)
        return binomial_sum(n, p, k, k if mode == "P" else int(x2))
    if prob == "-":
        x = mpf(float(x1))
        if dist == "T":
            return t_central(par1, x) if mode == "C" else t_upper(par1, x if mode == "R" else -x)
        return f_upper(par1, par2, x) if mode == "R" else f_lower(par1, par2, x)
    P = mpf(float(prob))
    if dist == "T":
        if mode == "C":  # the start, -half the width
            return -t_central_inverse(par1, P)
        return t_inverse(par1, P) if mode == "R" else -t_inverse(par1, P)
    if mode == "C":  # the start, leaving (1 - P)/2 below it (exact for P >= 0.5)
        return f_lower_inverse(par1, par2, (1 - P) / 2)
    return f_inverse(par1, par2, P) if mode == "R" else f_lower_inverse(par1, par2, P)


# Requests from a million degrees of freedom or trials on whose shown text was known before
# this sweep: the exact value decides, and a text that disagrees with it is printed.
SHOWN_LARGE = [
    ("T", "R", 1000001, "-", "-", "1.96", "-", "0.024998"),
    ("T", "R", 1000001, "-", "-", "3", "-", "0.00134993"),
    ("T", "R", 3000000, "-", "-", "30", "-", "5.25007E-198"),
    ("T", "R", 10**7, "-", "0.49999", "-", "-", "2.50663E-05"),
    ("T", "C", 1112594390, "-", "0.00125919", "-", "-", "-0.00157816"),
    ("T", "C", 1000001, "-", "0.0001", "-", "-", "-0.000125331"),
    ("T", "C", 10**7, "-", "0.0001", "-", "-", "-0.000125331"),
    ("T", "R", 10**9, "-", "0.475", "-", "-", "0.0627068"),
    ("T", "R", 953185741, "-", "0.495", "-", "-", "0.0125335"),
    ("T", "R", 2147483647, "-", "0.4999", "-", "-", "0.000250663"),
    ("T", "C", 10**9, "-", "0.0001", "-", "-", "-0.000125331"),
    ("F", "R", 1, 70372557, "-", "0.00000203375", "-", "0.998862"),
    ("F", "R", 1, 10**9, "-", "0.000982069", "-", "0.975"),
    ("F", "R", 1, 10**6, "-", "1E-12", "-", "0.999999"),
    ("F", "L", 1, 10**9, "-", "1", "-", "0.682689"),
    ("F", "R", 1, 10**9, "-", "1", "-", "0.317311"),
    ("F", "R", 10**8, 10**8, "-", "1.0003", "-", "0.0668363"),
    ("B", "L", 1418358123, "0.66431051795459495", "-", "942218457", "-", "0.254195"),
]


def large_shape_panel(t):
    """A few dozen requests of each of the t, F and binomial from a million degrees of
    freedom or trials to 2147483647, and the requests of SHOWN_LARGE."""
    print("%8.1f s  large shapes" % (time.time() - START), file=sys.stderr, flush=True)
    for k in [1000001, 10**8, 2147483647]:
        for x in ["1e-8", "1.96", "10", "37"]:
            t.request("T", "R", k, "-", "-", x)
        for x in ["-3", "2"]:
            t.request("T", "L", k, "-", "-", x)
        for p in ["1e-300", "1e-20", "0.025", "0.499999999"]:
            t.request("T", "R", k, "-", p, "-")
        for p in ["1e-300", "0.025"]:
            t.request("T", "L", k, "-", p, "-")
        for p in ["1e-300", "1e-10", "0.95", "0.999999999999999"]:
            t.request("T", "C", k, "-", p, "-")
        for x in ["-1e-8", "-2"]:
            t.request("T", "C", k, "-", "-", x)
    for ia, ib in [(1, 10**9), (10**6, 1), (10**8, 10**8), (5, 2147483647),
                   (2147483647, 2147483647)]:
        xs = ["1"]
        for p in ["1e-300", "1e-20", "0.05", "0.499999999"]:
            for mode in "RL":
                x = t.request("F", mode, ia, ib, p, "-")
                if p == "1e-20":
                    xs.append(mp.nstr(x, 6))
        for p in ["0.5", "0.99"]:
            t.request("F", "C", ia, ib, p, "-")
        for x in xs:
            for mode in "RL":
                t.request("F", mode, ia, ib, "-", x)
    for n, ptext in [(10**7, "0.3"), (2147483647, "0.5")]:
        p = mpf(float(ptext))
        mean, sd = n * p, mp.sqrt(n * p * (1 - p))

        def at(c, plus=0):
            return str(int(mp.floor(mean + c * sd)) + plus)
        for c in [-30, -3, 0, 3, 30]:
            for mode in "LR":
                t.request("B", mode, n, ptext, "-", at(c))
        for c in [0, 5]:
            t.request("B", "P", n, ptext, "-", at(c))
        t.request("B", "I", n, ptext, "-", at(-1), at(1))
        t.request("B", "I", n, ptext, "-", at(5), at(5, 10))
    for case in SHOWN_LARGE:
        value = t.request(*case[:7])
        if float(mp.nstr(value, 6)) != float(case[7]):
            print("note: %s shows %s, not %s" % (case[:7], mp.nstr(value, 6), case[7]),
                  file=sys.stderr, flush=True)


# --- Degrees of freedom and counts into the billions -----------------------------------
#
# Shapes of half a billion put the continued fraction's terms in the tens of thousands near
# the mean, which it still sums in a fraction of a second at 40 digits; the sums of the
# binomial's own terms and quadrature of the t density check it there (large_shape_check).

LARGE_K = [1000001, 3000000, 10**7, 10**8, 10**9, 2147483647]
# F pairs with one or both degrees of freedom from a million up; the last ones both large.
LARGE_F = [(1, 1000000), (1000000, 1), (1, 70372557), (1, 10**9), (10**9, 1),
           (1, 2147483647), (2147483647, 1), (5, 10**7), (10**7, 5), (30, 2147483647),
           (2147483647, 30), (1000000, 1000000), (3000000, 10**8), (10**8, 10**8),
           (10**9, 2147483647), (2147483647, 2147483647)]
LARGE_BINOMIAL = [(1000000, "0.01"), (1000000, "0.5"), (10**7, "0.9"), (10**8, "0.3"),
                  (10**9, "0.5"), (1418358123, "0.66431051795459495"), (2147483647, "1e-6"),
                  (2147483647, "0.01"), (2147483647, "0.5"), (2147483647, "0.9")]
# Upper-tail probabilities from 1E-300 to 0.5 - 1E-9; a Left point of P is the t of 1 - P.
LARGE_P = ["1e-300", "1e-250", "1e-200", "1e-150", "1e-100", "1e-50", "1e-20", "1e-10",
           "1e-6", "0.001", "0.01", "0.025", "0.05", "0.1", "0.25", "0.4", "0.475", "0.49",
           "0.495", "0.499", "0.4999", "0.49999", "0.4999999", "0.499999999"]


def binomial_sum(n, p, k1, k2):
    """P(k1 <= X <= k2) as the sum of its terms, each from the one before."""
    n, p = int(n), mpf(p)
    ratio = p / (1 - p)
    term, total = binomial_term(n, p, k1), mpf(0)
    for i in range(k1, k2 + 1):
        total += term
        term *= mpf(n - i) / (i + 1) * ratio
    return total


def binomial_tail_sum(n, p, k, upper):
    """P(X <= k), or P(X >= k) when upper, as its terms summed from k outward until they
    no longer count: the check on the continued fraction at counts in the billions."""
    n, p = int(n), mpf(p)
    step, ratio = (1, p / (1 - p)) if upper else (-1, (1 - p) / p)
    term, total, i = binomial_term(n, p, k), mpf(0), k
    while 0 <= i <= n and term > total * mpf(10) ** -(mp.mp.dps + 3):
        total += term
        term *= (mpf(n - i) / (i + 1) if upper else mpf(i) / (n - i + 1)) * ratio
        i += step
    return total


def t_density_tail(k, t):
    """P(T > t), or P(|T| <= t) for a negative t, by quadrature of the t density."""
    k, t = mpf(k), mpf(t)
    log_c = mp.loggamma((k + 1) / 2) - mp.loggamma(k / 2) - mp.log(k * mp.pi) / 2

    def log_density(s):  # less log_c
        return -(k + 1) / 2 * mp.log1p(s * s / k)
    if t < 0:
        return 2 * mp.exp(log_c) * mp.quad(lambda s: mp.exp(log_density(s)), [0, -t / 2, -t])
    # Relative to the density at t, as quad's tolerance is absolute, and in steps of the
    # length over which the density falls by about e.
    at, step = log_density(t), 1 / max(t, 1)
    return mp.exp(log_c + at) * mp.quad(lambda s: mp.exp(log_density(s) - at),
                                        [t] + [t + step * 2**j for j in range(-2, 12)] +
                                        [mp.inf])


def large_shape_check():
    """The continued fraction at shapes into the billions against two other roads."""
    print("%8.1f s  large shapes checked" % (time.time() - START), file=sys.stderr, flush=True)
    mp.mp.dps = 40
    close = mpf(10) ** -25
    for n, ptext, k in [(1418358123, "0.66431051795459495", 942218457),
                        (2147483647, "0.5", 1073700000), (2147483647, "0.01", 21474836),
                        (10**9, "0.5", 500150000)]:
        p = mpf(float(ptext))
        mine = ibeta(n - k, k + 1, 1 - p, p)
        theirs = binomial_tail_sum(n, p, k, False)
        assert abs(mine - theirs) <= close * theirs, (n, ptext, k, mine, theirs)
        mine = ibeta(k + 1, n - k, p, 1 - p)
        theirs = binomial_tail_sum(n, p, k + 1, True)
        assert abs(mine - theirs) <= close * theirs, (n, ptext, k, mine, theirs)
    for k, tv in [(1000001, 1.96), (3000000, 30.0), (10**9, 3.0), (2147483647, 0.5),
                  (2147483647, 37.0), (2147483647, -1e-8), (1112594390, -0.00157816)]:
        mine = t_upper(k, tv) if tv > 0 else t_central(k, tv)
        theirs = t_density_tail(k, tv)
        assert abs(mine - theirs) <= close * theirs, (k, tv, mine, theirs)
    # An F of even degrees of freedom is a binomial tail: I_x(a, b) = P(Bin(a+b-1, x) >= a).
    ia, ib, x = 10**8, 10**8, mpf(1.0003)
    theirs = binomial_tail_sum(ia // 2 + ib // 2 - 1, ib / (ib + ia * x), ib // 2, True)
    assert abs(f_upper(ia, ib, x) - theirs) <= close * theirs, theirs


def round6(x):
    """x to six significant digits, as a double: a point as it would be typed."""
    return float(mp.nstr(x, 6))


def large_df():
    """The t, F and binomial with degrees of freedom and counts from a million to
    2147483647, each probability to the last one a normal double holds."""
    mp.mp.dps = 40
    t = Table(columns=4, floor=DBL_MIN)
    for k in LARGE_K:
        last = mp.floor(t_inverse(k, DBL_MIN) * 10**4) / 10**4  # the last nonzero tail
        for tv in frange(["1e-8", "1e-4", "0.01", "0.1", "0.5", "1", "1.5", "1.96", "2",
                          "2.5", "3", "4", "5", "6", "8", "10", "12", "15", "20", "25",
                          "30", "33", "35", "36", "37", "37.5", "-1e-8", "-1", "-3",
                          "-10", "-38"]) + [float(last)]:
            t.add("TStudentCola", [k, tv], t_upper(k, tv))
        for tv in frange(["1e-300", "1e-100", "1e-20", "1e-8", "1e-4", "0.001", "0.01",
                          "0.1", "0.5", "1", "1.96", "3", "5", "-2"]):
            t.add("TStudentCentral", [k, tv], t_central(k, tv))
        for p in frange(LARGE_P + ["0.500000001", "0.6", "0.9", "0.975", "0.999", "0.999999",
                                   "0.9999999999"]):
            t.add("TStudentInversa", [k, p], t_inverse(k, p))
        for p in frange(["1e-300", "1e-200", "1e-100", "1e-50", "1e-20", "1e-10", "1e-5",
                         "0.0001", "0.00125919", "0.01", "0.1", "0.3", "0.5",
                         "0.6826894921370859", "0.9", "0.95", "0.99", "0.999999",
                         "0.9999999999", "0.999999999999999"]):
            t.add("TStudentCentralInversa", [k, p], t_central_inverse(k, p))

    probs = ["1e-300", "1e-100", "1e-20", "1e-8", "0.001", "0.05", "0.25", "0.499999999"]
    extra_x = {(1, 70372557): [2.03375e-6], (1, 10**9): [0.000982069],
               (1, 1000000): [1e-12], (10**8, 10**8): [1.0003]}
    for ia, ib in LARGE_F:
        xs = {1.0, *extra_x.get((ia, ib), [])}
        for routine, inverse in [("FSnedecorInversa", f_inverse),
                                 ("FSnedecorAcumInversa", f_lower_inverse)]:
            for y in frange(probs + ["0.75", "0.975", "0.999999"]):
                x = inverse(ia, ib, y)
                if mpf("1e-290") < x < mpf("1e290"):
                    t.add(routine, [ia, ib, y], x)
                    if y < 0.5:
                        xs.add(round6(x))
        for routine, tail in [("FSnedecorCola", f_upper), ("FSnedecorAcum", f_lower)]:
            for x in sorted(xs):
                t.add(routine, [ia, ib, x], tail(ia, ib, x))

    for n, ptext in LARGE_BINOMIAL:
        print("%8.1f s  binomial %d %s" % (time.time() - START, n, ptext), file=sys.stderr,
              flush=True)
        p = mpf(float(ptext))
        mean, sd = n * p, mp.sqrt(n * p * (1 - p))

        def at(c):
            return min(max(int(mp.floor(mean + c * sd)), 0), n - 1)
        counts = sorted({0, n - 1} | {at(c) for c in [-37, -30, -20, -10, -5, -3, -1, -0.5, 0,
                                                       0.5, 1, 3, 5, 10, 20, 30, 37]})
        for k in counts:
            t.add("BinomialAcum", [float(k), float(n), float(p)], ibeta(n - k, k + 1, 1 - p, p))
        for k in counts:
            t.add("BinomialCola", [float(k), float(n), float(p)], ibeta(k + 1, n - k, p, 1 - p))
        intervals = set()
        for w in [0, 1, int(sd / 10), int(sd), int(3 * sd)]:  # about the mean
            intervals.add((at(0) - w, at(0) + w))
        for c in [-20, 5, 20, 35]:  # within one tail
            for w in [0, 10, int(sd)]:
                intervals.add((at(c), at(c) + w))
        for k1, k2 in sorted(intervals):
            if 0 <= k1 <= k2 <= n:
                t.add("BinomialIntervalo", [float(k1), float(k2), float(n), float(p)],
                      binomial_sum(n, p, k1, k2))
    return t


LARGE_DF_HEADER = (
    "# routine\targ1\targ2\targ3\targ4\texact value\tdistance to a 6-digit tie\n"
    "# the t, F and binomial from a million to 2147483647 degrees of freedom or trials; a\n"
    "# probability below the smallest normal double has no row.\n"
    "# Written by tools/numeric_reference.py (mpmath, 40 digits); do not edit\n")


# --- The ends of the doubles and of the counts -----------------------------------------
#
# The t beyond |t| = 1.34E+154, where t*t overflows a double, and its central part next to 1;
# the count 2147483647; chi-square and gamma tails at tiny shapes and subnormal points; the
# binomial up to n = 2^53; F's lower point at the smallest normal double. Shapes in the
# millions of millions are beyond the continued fraction's reach at 40 digits: there the tails
# come from quadrature of the density (peaked_tail), checked against the fraction and against
# mpmath's gamma functions where both reach (ends_check).

SMALLEST = mpf(2) ** -1074


def as_double(v):
    """An exact value as a double holds it: 0 below half the least subnormal."""
    v = mpf(v)
    return mpf(0) if abs(v) < SMALLEST / 2 else v


def peaked_tail(log_density, x, outward, scale, end):
    """The integral of e^log_density from x outward (outward = +1 up to end, -1 down to end)
    where the density falls away from x: in steps of the length over which it falls by about
    e, relative to its value at x (quad's tolerance is absolute)."""
    at = log_density(x)
    h = mpf(10) ** -(mp.mp.dps // 2) * min(scale, abs(x) if x else scale)
    slope = abs(log_density(x + h) - log_density(x - h)) / (2 * h)
    step = min(scale, 1 / slope) if slope > 0 else scale
    points = [x]
    for j in range(-3, 16):
        point = x + outward * step * 2**j
        if (point - end) * outward >= 0:
            break
        points.append(point)
    points.append(end)
    if outward < 0:
        points.reverse()
    return mp.exp(at) * mp.quad(lambda s: mp.exp(log_density(s) - at), points)


def beta_tail_quad(a, b, x, upper):
    """I_x(a, b), or 1 - I_x(a, b) when upper, from the integral of the smaller tail."""
    with mp.workdps(mp.mp.dps + 30):  # the log density adds terms of a ln x in size
        a, b, x = mpf(a), mpf(b), mpf(x)
        lbf = log_beta_factor(a, b)

        def log_density(s):
            return (a - 1) * mp.log(s) + (b - 1) * mp.log1p(-s) + lbf
        mode = (a - 1) / (a + b - 2)
        sd = mp.sqrt(a * b / ((a + b) ** 2 * (a + b + 1)))
        if x <= mode:
            lower = peaked_tail(log_density, x, -1, sd, mpf(0))
            value = 1 - lower if upper else lower
        else:
            tail = peaked_tail(log_density, x, 1, sd, mpf(1))
            value = tail if upper else 1 - tail
    return +value


def gamma_tail_quad(a, x, upper):
    """Q(a, x), or P(a, x) when not upper, for a shape in the billions, the same way."""
    with mp.workdps(mp.mp.dps + 30):
        a, x = mpf(a), mpf(x)
        lga = mp.loggamma(a)

        def log_density(s):
            return (a - 1) * mp.log(s) - s - lga
        if x <= a - 1:
            lower = peaked_tail(log_density, x, -1, mp.sqrt(a), mpf(0))
            value = 1 - lower if upper else lower
        else:
            tail = peaked_tail(log_density, x, 1, mp.sqrt(a), mp.inf)
            value = tail if upper else 1 - tail
    return +value


def gamma_tails_small(a, x):
    """(P(a, x), Q(a, x)) for a < 1 and x <= 20: P from its series of positive terms at 700
    digits, so that Q = 1 - P keeps 40 of its own however small the shape makes it."""
    with mp.workdps(700):
        p = gamma_p_series(mpf(a), mpf(x))
        q = 1 - p
    return +p, +q


def ends_check():
    """The quadrature against the continued fraction and mpmath's upper gamma function, and
    the t's far tails against their closed forms."""
    print("%8.1f s  ends checked" % (time.time() - START), file=sys.stderr, flush=True)
    close = mpf(10) ** -30
    for a, b in [(700000, 300000), (3, 2000000), (2000000, 3)]:
        mean = mpf(a) / (a + b)
        sd = mp.sqrt(mpf(a) * b / ((a + b) ** 2 * (a + b + 1)))
        for c in [-20, -1, 0, 2, 30]:
            x = mean + c * sd
            if 0 < x < 1:
                # I_(1-x)(b, a) is the upper tail, each computed on its own side
                for upper, theirs in [(False, ibeta(a, b, x)), (True, ibeta(b, a, 1 - x, x))]:
                    mine = beta_tail_quad(a, b, x, upper)
                    assert abs(mine - theirs) <= close * theirs, (a, b, c, upper, mine, theirs)
    for a, x in [(1e5, 1.01e5), (1e5, 1.03e5), (2147483648, 2.2e9), (2147483648, 2147500000)]:
        mine, theirs = gamma_tail_quad(a, x, True), mp.gammainc(mpf(a), mpf(x), mp.inf,
                                                                 regularized=True)
        assert abs(mine - theirs) <= close * theirs, (a, x, mine, theirs)
    for a, x in [(1e-10, 0.75), (0.5, 0.3), (1e-300, 1e-300)]:
        p, q = gamma_tails_small(a, x)
        assert abs(q - mp.gammainc(mpf(a), mpf(x), mp.inf, regularized=True)) <= close * q
    # P(T > t) is atan(1/t)/pi for one degree of freedom, (1 - t/sqrt(2 + t^2))/2 for two,
    # that is 1/((sqrt(2 + t^2) + t) sqrt(2 + t^2)).
    for t in [mpf("1.4e154"), mpf("1e160"), mpf("1e300")]:
        one = mp.atan(1 / t) / mp.pi
        assert abs(t_upper(1, t) - one) <= close * one
        root = mp.sqrt(2 + t * t)
        two = 1 / ((root + t) * root)
        assert abs(t_upper(2, t) - two) <= close * two


def f_lower_inverse_deep(ia, ib, y):
    """The x with P(F <= x) = y, down to points below the doubles (then 0)."""
    g = log_gap(lambda u: f_lower(ia, ib, mp.exp(u)), mpf(y))
    if g(mpf(-760)) > 0:
        return mpf(0)
    return mp.exp(solve(g, mpf(-760), mpf(700)))


# t beyond 1.34E+154, where t*t overflows, up to the largest double.
BIG_T = ["1e150", "1.3407807929942596e154", "1.35e154", "1.4e154", "1e160", "1e200", "1e300",
         "1.7976931348623157e308"]
# Means about the largest count: far below it, within a few standard deviations, beyond.
TOP_MEANS = ["0.5", "5", "1e9", "2e9", "2147344624", "2147483000", "2147483647", "2147483648",
             "2147500000", "2147715352", "2.15e9", "2.2e9"]
TOP = 2147483647
# Up to 2^53 a double tells every count from the next.
HUGE_BINOMIAL = [(10**12, "0.3"), (2**52 + 1, "0.5"), (10**15, "0.3"), (2**53 - 1, "0.01"),
                 (2**53, "0.5"), (2**53, "0.3"), (2**53, "1e-15")]


def ends():
    mp.mp.dps = 40
    t = Table(columns=4, floor=mpf(0))

    def add(routine, args, value):
        t.add(routine, args, as_double(value))

    for k in [1, 2, 3, 4, 5, 10, 39, 40, 41, 100, 1000, 1000000, 2147483647]:
        for text in BIG_T + ["1e6", "1.2e15", "1e20", "1e100"]:
            tv = float(text)
            add("TStudentCola", [k, tv], t_upper(k, tv))
            add("TStudentCola", [k, -tv], t_upper(k, -tv))
            add("TStudentCentral", [k, tv], t_central(k, tv))
    # Odd degrees of freedom: the series' 15-digit pi took the central part past 1.
    for k in range(1, 41, 2):
        for tv in frange(["3", "30", "1000", "1e6", "1e10", "1.2e15", "1e16"]):
            add("TStudentCentral", [k, tv], t_central(k, tv))

    print("%8.1f s  the largest count" % (time.time() - START), file=sys.stderr, flush=True)
    for text in TOP_MEANS:
        lam = mpf(float(text))
        with mp.workdps(70):
            at_most = gamma_tail_quad(TOP + 1, lam, True)  # P(X <= TOP) = Q(TOP + 1, lam)
            beyond = gamma_tail_quad(TOP + 1, lam, False)
            below = gamma_tail_quad(TOP, lam, True)
            point = poisson_term(lam, TOP)
            last = mp.fsum(poisson_term(lam, i) for i in range(TOP - 50, TOP + 1))
        add("PoissonAcum", [TOP, float(text)], at_most)
        add("PoissonAcum", [TOP - 1, float(text)], below)
        add("PoissonCola", [TOP, float(text)], beyond)
        add("PoissonIntervalo", [0, TOP, float(text)], at_most)
        add("PoissonIntervalo", [TOP, TOP, float(text)], point)
        add("PoissonIntervalo", [TOP - 50, TOP, float(text)], last)

    print("%8.1f s  tiny shapes" % (time.time() - START), file=sys.stderr, flush=True)
    for df in frange(["1e-300", "1e-10", "1e-5", "0.001", "0.1", "0.5", "1", "1.5", "1.9", "2",
                      "3", "10"]):
        for x in frange(["5e-324", "1e-323", "1.5e-323", "1e-320", "1e-310",
                         "2.2250738585072014e-308", "4.4501477170144023e-308", "4.5e-308",
                         "1e-300", "1e-10", "0.01", "0.5", "1", "1.5", "1.99", "2", "2.5", "5",
                         "30"]):
            a, half = mpf(df) / 2, mpf(x) / 2
            p, q = gamma_tails_small(a, half) if a < 1 else (gamma_p(a, half), gamma_q(a, half))
            add("Ji2Acum", [df, x], p)
            add("Ji2Cola", [df, x], q)
    for a in frange(["1e-300", "1e-100", "1e-10", "0.001", "0.1", "0.3", "0.5", "0.9", "0.999"]):
        for x in frange(["5e-324", "1e-300", "1e-20", "0.001", "0.1", "0.5", "0.9", "0.999",
                         "1", "1.5"]):
            p, q = gamma_tails_small(a, x)
            add("GammaIncInf", [a, x], p)
            add("GammaIncSup", [a, x], q)

    print("%8.1f s  F at the least normal double" % (time.time() - START), file=sys.stderr,
          flush=True)
    least = float(DBL_MIN)
    pairs = []
    for ia, ib, y in [(2, 10**9, least), (2, 10**9, 2 * least), (2, 10**9, 0.5 * least),
                      (2, 10**9, 1e-300), (2, 2147483647, least), (2, 1, least), (2, 2, least),
                      (2, 10, least), (3, 10**9, least), (4, 10**9, least), (1, 10**9, least),
                      (1, 10**9, 1e-160)]:
        # With 2 degrees of freedom P(F <= x) is a hair below x, so the point over the least
        # normal double is that double itself: the root is found to 1E-28 of it.
        x = f_lower_inverse_deep(ia, ib, y)
        add("FSnedecorAcumInversa", [ia, ib, y], x if x >= DBL_MIN * (1 - mpf(10)**-25) else 0)
        if (ia, ib) not in pairs:
            pairs.append((ia, ib))
    for ia, ib in pairs:
        for at in [5e-324, 1e-310, least, 1e-300]:
            add("FSnedecorAcum", [ia, ib, at], f_lower(ia, ib, at))

    for n, ptext in HUGE_BINOMIAL:
        print("%8.1f s  binomial %d %s" % (time.time() - START, n, ptext), file=sys.stderr,
              flush=True)
        p = mpf(float(ptext))
        mean, sd = n * p, mp.sqrt(n * p * (1 - p))
        counts = {0, 3, n - 1}
        for c in [-30, -5, -1, -0.5, 0, 0.5, 1, 5, 30]:
            counts.add(min(max(int(mp.floor(mean + c * sd)), 0), n - 1))
        for k in sorted(counts):
            args = [float(k), float(n), float(p)]
            add("BinomialAcum", args, beta_tail_quad(n - k, k + 1, 1 - p, False))
            add("BinomialCola", args, beta_tail_quad(n - k, k + 1, 1 - p, True))
        middle = int(mp.floor(mean))
        for k1, k2 in [(middle, middle), (middle - 10, middle + 10), (middle + 5 * int(sd),
                                                                       middle + 5 * int(sd) + 100)]:
            if 0 <= k1 <= k2 <= n:
                with mp.workdps(70):
                    value = binomial_sum(n, p, k1, k2)
                add("BinomialIntervalo", [float(k1), float(k2), float(n), float(p)], value)
    return t


def ends_panel():
    """The distribution panel at the same ends: the t far out, and the count 2147483647."""
    mp.mp.dps = 40
    t = PanelTable()
    for k in [1, 2, 3, 4, 40, 41, 1000, 2147483647]:
        for text in ["1.35E+154", "1.4E+154", "1E+160", "1E+200", "9E+299"]:
            for sign in ["", "-"]:
                x = mpf(float(sign + text))
                t.add("T", "R", k, "-", "-", sign + text, "-", t_upper(k, x))
                t.add("T", "L", k, "-", "-", sign + text, "-", t_upper(k, -x))
            t.add("T", "C", k, "-", "-", "-" + text, "-", t_central(k, mpf(float(text))))
        for x1, x2 in [("1.4E+154", "9E+299"), ("-1.4E+154", "1.4E+154"), ("0", "1E+200"),
                       ("-9E+299", "0"), ("2", "1E+160")]:
            value = t_upper(k, mpf(float(x1))) - t_upper(k, mpf(float(x2)))
            t.add("T", "I", k, "-", "-", x1, x2, value)
    for text in ["5", "2E+9", "2147483000", "2147483647", "2.2E+9"]:
        lam = mpf(float(text))
        with mp.workdps(70):
            at_most = gamma_tail_quad(TOP + 1, lam, True)
            from_top = gamma_tail_quad(TOP, lam, False)  # P(X >= TOP) = P(TOP, lam)
            point = poisson_term(lam, TOP)
            last = mp.fsum(poisson_term(lam, i) for i in range(TOP - 47, TOP + 1))
        t.add("P", "L", text, "-", "-", TOP, "-", at_most)
        t.add("P", "R", text, "-", "-", TOP, "-", from_top)
        t.add("P", "I", text, "-", "-", 0, TOP, at_most)
        t.add("P", "I", text, "-", "-", TOP - 47, TOP, last)
        t.add("P", "P", text, "-", "-", TOP, "-", point)
    return t


ENDS_HEADER = (
    "# routine\targ1\targ2\targ3\targ4\texact value\tdistance to a 6-digit tie\n"
    "# the t beyond |t| = 1.34E+154, the count 2147483647, tiny chi-square and gamma shapes and\n"
    "# subnormal points, the binomial up to n = 2^53, F's lower point at the least normal\n"
    "# double; an exact value below half the least subnormal is written 0.\n"
    "# Written by tools/numeric_reference.py --ends (mpmath, 40 digits); do not edit\n")
ENDS_PANEL_HEADER = (
    "# distribution\tmode\tpar1\tpar2\tprob\tx1\tx2\texact value"
    "\tdistance to a 6-digit tie\n"
    "# the distribution panel at the ends: the t beyond |t| = 1.34E+154, the count 2147483647;\n"
    "# the texts typed ('-' blank) and the exact value of the probability box; one below the\n"
    "# smallest normal double is 0, as the panel writes it.\n"
    "# Written by tools/numeric_reference.py --ends (mpmath, 40 digits); do not edit\n")

# --- The incomplete beta inverse over the ends of the doubles --------------------------

BETA_INVERSE_ROWS = 600
BETA_INVERSE_SEED = 20260437


def betainc_exact(a, b, x, xc, series_fails):
    """I_x(a, b) by mpmath's regularized betainc at 60 digits, with x = 1 - xc held exactly
    (the working precision grows with the digits of a small xc). mpmath's hypergeometric
    series does not converge for two large shapes: there (series_fails, a one-element list
    that remembers it for the root being solved) the continued fraction of ibeta above, whose
    logarithms as large as the shapes cost it the digits beyond 40 that it is given here."""
    if not series_fails[0]:
        near_one = x > xc
        try:
            with mp.workdps(60 + (max(0, int(-mp.log10(xc))) if near_one else 0)):
                return +mp.betainc(a, b, 0, 1 - xc if near_one else x, regularized=True)
        except (ValueError, mp.libmp.NoConvergence):
            series_fails[0] = True
    with mp.workdps(60):
        return +ibeta(a, b, x, xc)


def beta_inverse_exact(a, b, y, cross_check=True):
    """The x with I_x(a, b) = y for the double y, at 40 digits: findroot on the smaller tail
    min(y, 1 - y) (exact for a double), in s = ln(x / (1 - x)), which holds x and 1 - x
    exactly at both ends. 0 for a root below the smallest normal double. cross_check: the
    tail at the root against the continued fraction too."""
    a, b, y = mpf(a), mpf(b), mpf(y)
    upper = y > mpf(1) / 2
    p = 1 - y if upper else y
    fails = [False]

    def tail(s, beta=betainc_exact, digits=60):
        with mp.workdps(digits):
            x, xc = 1 / (1 + mp.exp(-s)), 1 / (1 + mp.exp(s))
            # the upper tail of I_x(a, b) is the lower one of I_(1-x)(b, a)
            return +(beta(b, a, xc, x, fails) if upper else beta(a, b, x, xc, fails))

    g = log_gap(tail, p)
    lo, hi = mp.log(DBL_MIN), mpf(745)  # from the smallest normal x to 1 - x below the doubles
    if (g(lo) > 0) != upper:
        return mpf(0)
    if (g(hi) < 0) != upper:
        return mpf(1)
    s = solve(g, lo, hi)
    # The series and the fraction agree at the root wherever both converge.
    if cross_check and not fails[0]:
        exact = tail(s)
        other = tail(s, lambda a, b, x, xc, fails: ibeta(a, b, x, xc), 80)
        assert abs(exact - other) <= mpf(10) ** -32 * exact, (a, b, y, exact, other)
    return 1 / (1 + mp.exp(-s))


def beta_inverse_sweep():
    """BetaIncInversa(a, b, y) at (a, b, y) drawn log-uniformly with a fixed seed: a from
    1E-4 to 1E+4, b from 1E-2 to 2E+9; y itself (down to the subnormal doubles, and up to
    1 - 1.1E-16), or y = I_x(a, b) rounded to a double at an x drawn the same way next to 0
    or 1; with the ends fixed: y = 1 - 1E-15, subnormal y, and three points where a search
    started from the middle went astray."""
    mp.mp.dps = 40
    rng = random.Random(BETA_INVERSE_SEED)

    def log_uniform(lo, hi):
        return math.exp(rng.uniform(math.log(lo), math.log(hi)))

    t = Table(floor=0)
    cases = [(0.0114, 9092.34, 0.99999999999997491),
             (0.3, 1995262314.9688094, 0.99999999999982214),
             (1E-6, 31622776.601683147, 0.99437658674809648)]
    for a, b in [(1E-4, 1E-2), (0.5, 2E+9), (3, 1000), (1E+4, 2E+9), (1E+4, 1E-2), (7.5, 0.3)]:
        cases += [(a, b, 1 - 1E-15), (a, b, 5E-324), (a, b, 1E-310)]
    while len(cases) < BETA_INVERSE_ROWS:
        a, b = log_uniform(1E-4, 1E+4), log_uniform(1E-2, 2E+9)
        draw = rng.random()
        if draw < 0.3:
            y = log_uniform(5E-324, 0.5)
        elif draw < 0.5:
            y = 1 - log_uniform(1.1E-16, 0.5)
        else:
            # a point x next to 0 or to 1, and its probability as a double
            near = log_uniform(DBL_MIN, 0.5) if draw < 0.75 else log_uniform(1E-300, 0.5)
            x, xc = (mpf(near), 1 - mpf(near)) if draw < 0.75 else (1 - mpf(near), mpf(near))
            y = float(ibeta(a, b, x, xc))
            if not 0 < y < 1:
                continue
        cases.append((a, b, y))
    for a, b, y in cases:
        t.add("BetaIncInversa", [a, b, y], beta_inverse_exact(a, b, y))
    return t


# --- The incomplete beta inverse at the ends of the shapes ------------------------------
#
# beta_inverse_exact above takes its tail from mpmath's hypergeometric betainc, which does
# not converge for two large shapes and cancels to nothing with one shape near 1E+300. Here
# each kind of shape has a method of its own, each from the definition:
#  - a shape of 1: the closed forms x = y^(1/a) and x = 1 - (1 - y)^(1/b);
#  - both shapes from 1000 on: the integral of the density over u = (t - mean)/sd, its
#    logarithm taken apart about the mean so that no term as large as the shapes cancels;
#  - one shape from 1E+25 on and the other below 1000: the gamma limit, exact there to far
#    more than 40 digits;
#  - the rest (tiny shapes among them): beta_inverse_exact.

def ends_log1p_less(e):
    """ln(1 + e) - e, with its relative digits however small e is."""
    if e == 0:
        return mpf(0)  # (the series below would never meet its stopping test)
    if abs(e) >= mpf("1e-6"):
        return mp.log1p(e) - e
    total, power, k = mpf(0), e * e, 2
    while True:
        term = -power / k if k % 2 == 0 else power / k
        total += term
        if abs(term) < abs(total) * mpf(10) ** (-mp.mp.dps - 2):
            return total
        power *= e
        k += 1


def beta_inverse_large_shapes(a, b, y, dps=45):
    """The x with I_x(a, b) = y for a, b >= 1000: Newton steps on the logarithm of the tail,
    the integral of the density over u = (t - mean)/sd. About the mean, ln of the density is
    K + c1 u + (a - 1) L(e1 u) + (b - 1) L(-e2 u), L(e) = ln(1 + e) - e, with K and c1 taken
    at as many digits as the shapes have: no term cancels. The density is log-concave, and so
    is the tail."""
    a, b, y = mpf(a), mpf(b), mpf(y)
    high = dps + 30 + int(mp.log10(a + b))
    with mp.workdps(high):
        n = a + b
        mean, cmean = a / n, b / n
        sd = mp.sqrt(a * b / (n * n * (n + 1)))
        k = ((a - 1) * mp.log(mean) + (b - 1) * mp.log(cmean) + mp.loggamma(n) - mp.loggamma(a)
             - mp.loggamma(b) + mp.log(sd))
        c1 = sd * ((a - 1) / mean - (b - 1) / cmean)
        e1, e2 = sd / mean, sd / cmean
        lo_u, hi_u = -mean / sd, cmean / sd  # t = 0 and t = 1
    with mp.workdps(dps + 15):
        k, c1, e1, e2, lo_u, hi_u = +k, +c1, +e1, +e2, +lo_u, +hi_u

        def log_density(u):
            if e1 * u <= -1 or e2 * u >= 1:
                return -mp.inf
            return k + c1 * u + (a - 1) * ends_log1p_less(e1 * u) + (b - 1) * ends_log1p_less(-e2 * u)

        upper = y > mpf(1) / 2
        p = 1 - y if upper else y
        ln_p = mp.log(p)

        def tail(w):
            # quad's tolerance is absolute: the density relative to its value at w, in steps
            # of the length over which it falls by about e
            at = log_density(w)
            h = mpf(10) ** (-dps // 2)
            slope = abs(log_density(w + h) - log_density(w - h)) / (2 * h)
            step = min(mpf(1), 1 / slope) if slope > 0 else mpf(1)
            end, out = (hi_u, 1) if upper else (lo_u, -1)
            points = [w]
            for m in [mpf(1) / 4, mpf(1) / 2] + list(range(1, 17)) + [24, 32, 48, 64, 128, 256,
                                                                      512, 1024, 4096]:
                point = w + out * step * m
                if (point - end) * out >= 0:
                    break
                points.append(point)
            points.append(end)
            if not upper:
                points.reverse()
            return mp.exp(at) * mp.quad(lambda u: mp.exp(log_density(u) - at), points)

        # the normal point to start from
        if p > mpf("1e-5"):
            w = mp.sqrt(2) * mp.erfinv(2 * p - 1)
        else:
            l = -2 * ln_p
            w = -mp.sqrt(l - mp.log(l) - mp.log(2 * mp.pi))
        if upper:
            w = -w
        # Newton steps on g = +-(ln T - ln p), signed to grow with w, inside the bracket
        # [wl, wh] that its values narrow; a step leaving the bracket is halved into it.
        wl, wh = lo_u, hi_u
        if not wl < w < wh:
            w = wl / 2 if w <= wl else wh / 2
        for _ in range(400):
            t = tail(w)
            g = mp.log(t) - ln_p
            if upper:
                g = -g
            if g < 0:
                wl = w
            else:
                wh = w
            step = g / (mp.exp(log_density(w)) / t)
            if abs(step) < mpf(10) ** (-dps + 3) * max(1, abs(w)):
                w -= step
                break
            new = w - step
            while not wl < new < wh:
                step /= 2
                new = w - step
            w = new
        else:
            raise ValueError("no root for %s, %s, %s" % (a, b, y))
    with mp.workdps(high):
        return +(mean + sd * w)


def ends_gamma_lower(m, z):
    """P(m, z) by its series of positive terms; far past the mean, where the series would take
    about z terms and P is next to 1, as 1 - Q."""
    if z > 2 * m + 1000:
        return 1 - ends_gamma_upper(m, z)
    term = total = 1 / m
    j = 0
    while True:
        j += 1
        term *= z / (m + j)
        total += term
        if term < total * mpf(10) ** (-mp.mp.dps - 3):
            break
    return mp.exp(m * mp.log(z) - z - mp.loggamma(m)) * total


def ends_gamma_upper(m, z):
    return mp.gammainc(m, z, mp.inf, regularized=True)


def beta_inverse_gamma_limit(a, b, y):
    """The x with I_x(a, b) = y where one shape M is at least 1E+25 and the other, m, below
    1000. With v the variable of m (x, or 1 - x when m = b) and nu = M + (m - 1)/2,
    -nu ln(1 - v) is gamma distributed with shape m but for a factor of its density
    (sinh(s/2)/(s/2))^(m-1) at s = -ln(1 - v) of about m/nu, and a normalisation that differs
    from Gamma(m)'s by about m^3/nu^2: off by less than 1E-50. 0 below the smallest normal
    double."""
    a, b, y = mpf(a), mpf(b), mpf(y)
    in_x = a <= b
    m, big = (a, b) if in_x else (b, a)
    with mp.workdps(mp.mp.dps + 20 + int(mp.log10(big))):
        nu = big + (m - 1) / 2
    # the tail of the gamma variable that is the smaller one, and its target
    if in_x:
        lower, target = (True, y) if y <= mpf(1) / 2 else (False, 1 - y)
    else:
        lower, target = (False, y) if y <= mpf(1) / 2 else (True, 1 - y)
    with mp.workdps(mp.mp.dps + 20):
        def tail(u):
            z = mp.exp(u)
            return ends_gamma_lower(m, z) if lower else ends_gamma_upper(m, z)
        g = log_gap(tail, target)
        lo = mp.log(nu * DBL_MIN) if in_x else mp.log(nu * mpf(2) ** -60)
        hi = mp.log(m + 60 * mp.sqrt(m) + 2000)
        if (g(lo) > 0) == lower:
            v = mpf(0)  # below the doubles (in x), or x rounds to 1
        else:
            with mp.workdps(mp.mp.dps + 20 + int(mp.log10(big))):
                v = -mp.expm1(-mp.exp(solve(g, lo, hi)) / nu)
    return +v if in_x else +(1 - v)


def beta_inverse_any(a, b, y):
    """The x with I_x(a, b) = y at 40 digits, by the method that holds for the shapes; 0 for a
    root below the smallest normal double."""
    mp.mp.dps = 40
    if a == 1 or b == 1:
        with mp.workdps(80):
            y = mpf(y)
            # I_x(1, b) = 1 - (1 - x)^b and I_x(a, 1) = x^a
            x = -mp.expm1(mp.log1p(-y) / b) if a == 1 else mp.exp(mp.log(y) / a)
    elif min(a, b) >= 1000:
        x = beta_inverse_large_shapes(a, b, y)
    elif max(a, b) >= 1e25:
        x = beta_inverse_gamma_limit(a, b, y)
    else:
        try:
            x = beta_inverse_exact(a, b, y)
        except AssertionError:
            # Next to a shape of 1E-300 the continued fraction loses its digits: betainc
            # alone, whose tail at the root holds its digits from 60 to 100 of its own.
            x = beta_inverse_exact(a, b, y, cross_check=False)
            tails = []
            for digits in (60, 100):
                with mp.workdps(digits):
                    tails.append(mp.betainc(b, a, 0, 1 - x, regularized=True) if y > 0.5
                                 else mp.betainc(a, b, 0, x, regularized=True))
            assert abs(tails[0] - tails[1]) <= mpf(10) ** -32 * tails[1], (a, b, y, tails)
    return +x if x >= DBL_MIN else mpf(0)


def beta_inverse_ends_check():
    """Where two of the methods hold, they agree: the integral over u and the gamma limit
    against mpmath's betainc, and the integral over u against the gamma limit."""
    print("%8.1f s  beta inverse ends checked" % (time.time() - START), file=sys.stderr,
          flush=True)
    mp.mp.dps = 40
    close = mpf(10) ** -30
    for a, b, y in [(2000, 5000, 1e-300), (1000, 1e6, 5e-324), (1e6, 1000, 1 - 1.1e-16),
                    (5000, 1200, 0.7)]:
        mine, theirs = beta_inverse_large_shapes(a, b, y), beta_inverse_exact(a, b, y)
        assert abs(mine - theirs) <= close * theirs, (a, b, y, mine, theirs)
    for a, b, y in [(500, 1e20, 0.3), (3, 1e25, 5e-324), (0.5, 1e20, 0.3),
                    (999, 1e29, 1 - 1.1e-16)]:
        mine, theirs = beta_inverse_gamma_limit(a, b, y), beta_inverse_exact(a, b, y)
        assert abs(mine - theirs) <= close * theirs, (a, b, y, mine, theirs)
    # (the gamma limit's series for a shape as large as 1E+12 takes a million terms)
    for a, b, y in [(1000, 1e30, 1e-300), (1000, 1e30, 1 - 1e-10)]:
        mine, theirs = beta_inverse_large_shapes(a, b, y), beta_inverse_gamma_limit(a, b, y)
        assert abs(mine - theirs) <= close * (theirs if theirs < 0.5 else 1 - theirs), \
            (a, b, y, mine, theirs)


BETA_INVERSE_ENDS_SEED = 20261237
# The kind of probabilities: both ends of the doubles, and the middle.
ENDS_Y = [5e-324, 1e-310, 1e-300, 1e-100, 1e-10, 0.3, 0.5, 0.7, 0.9, 0.999, 1 - 1e-10,
          1 - 1e-15, 1 - 1.1e-16]


def beta_inverse_ends():
    """BetaIncInversa at shapes from 1E-300 to 1E+300: closed forms at a shape of 1; the
    shapes next to where the inverse changes its method; and a draw from a fixed seed, both
    shapes log-uniform over the whole range, y one of ENDS_Y, drawn log-uniformly near 0 or
    1, or, for a shape below 1E-3, where the root is a double: within the smaller shape
    times a few hundred of the end that shape leaves its mass next to. A case that no method
    here holds to 40 digits is left out."""
    rng = random.Random(BETA_INVERSE_ENDS_SEED)

    def log_uniform(lo, hi):
        return math.exp(rng.uniform(math.log(lo), math.log(hi)))

    cases = []
    for s in [1e-300, 1e-100, 1e-20, 1e-10, 1e-5, 1e5, 1e20, 1e100, 1e300]:
        for y in [5e-324, 1e-300, 0.3, 0.7, 1 - 1e-10, 1 - 1.1e-16]:
            cases += [(s, 1.0, y), (1.0, s, y)]
    # the issue's shapes, and each side of the methods' borders
    for a, b in [(1e-20, 1.0), (1e-20, 0.5), (1e-10, 1e-20), (1e-9, 1e-9), (1e-5, 0.3),
                 (0.0099, 0.7), (0.011, 0.7), (1e-12, 1.5), (1e-12, 30), (0.3, 2e9),
                 (1e99, 1e99), (1e99, 1e300), (1e300, 1e300), (9.9e11, 9.9e11), (1e12, 1e12),
                 (1e12, 1e30), (9.9e11, 1e30), (5.0, 9.9e29), (5.0, 1e30), (1e-3, 1e30),
                 (1e-300, 1e300), (1e300, 1e-300)]:
        for y in [5e-324, 1e-10, 0.5, 0.7, 1 - 1e-10, 1 - 1.1e-16]:
            cases += [(a, b, y), (b, a, y)]
    while len(cases) < 450:
        a, b = log_uniform(1e-300, 1e300), log_uniform(1e-300, 1e300)
        draw = rng.random()
        if draw < 0.3:
            y = rng.choice(ENDS_Y)
        elif draw < 0.5:
            y = log_uniform(5e-324, 0.5)
        elif draw < 0.7:
            y = 1 - log_uniform(1.1e-16, 0.5)
        else:
            # a root inside the doubles next to the end a shape below 1E-3 leaves its mass at
            small, near_one = (a, True) if a < b else (b, False)
            if small >= 1e-3:
                continue
            gap = small * log_uniform(0.5, 800)
            if max(a, b) <= 1e-3:
                # both small: about b/(a + b) at the middle, and a slope of a b/(a + b)
                c = b / (a + b)
                y = c + rng.choice([-1, 1]) * a * b / (a + b) * log_uniform(0.5, 800)
            elif near_one:
                y = 1 - gap
            else:
                y = gap
        if 0 < y < 1:
            cases.append((a, b, y))
    # each case takes from a second to minutes (a few hundred digits for shapes near
    # 1E+300): one process per processor
    with multiprocessing.Pool() as pool:
        values = pool.map(beta_inverse_ends_case, cases, chunksize=1)
    t = Table(floor=0)
    for (a, b, y), value in zip(cases, values):
        if value is None:
            # none of the methods keeps 40 digits here (a shape next to 1E-300 beside one
            # from 1E+5 to 1E+25, whose hypergeometric series cancels): no row
            print("no reference at %r, %r, %r" % (a, b, y), file=sys.stderr, flush=True)
            continue
        t.add("BetaIncInversa", [a, b, y], value)
    return t


def beta_inverse_ends_case(case):
    """beta_inverse_any for one case of beta_inverse_ends, or None where no method holds."""
    began = time.time()

    def too_long(signum, frame):
        raise TimeoutError()

    # mpmath's hypergeometric series for a shape of 1E+20 beside one of 1E-223 ran for hours
    signal.signal(signal.SIGALRM, too_long)
    signal.alarm(300)
    try:
        return beta_inverse_any(*case)
    except (AssertionError, ValueError, TimeoutError):
        return None
    finally:
        signal.alarm(0)
        print("%8.1f s  %r took %.1f s" % (time.time() - START, case, time.time() - began),
              file=sys.stderr, flush=True)


BETA_INVERSE_ENDS_HEADER = (
    "# routine\ta\tb\ty\texact x with I_x(a, b) = y\tdistance to a 6-digit tie\n"
    "# the incomplete beta inverse at shapes from 1E-300 to 1E+300; a root below the smallest\n"
    "# normal double is 0. Written by tools/numeric_reference.py --beta-inverse-ends (mpmath,\n"
    "# 40 digits); do not edit\n")


BETA_INVERSE_HEADER = (
    "# routine\ta\tb\ty\texact x with I_x(a, b) = y\tdistance to a 6-digit tie\n"
    "# a log-uniform sweep of the incomplete beta inverse; a root below the smallest normal\n"
    "# double is 0. Written by tools/numeric_reference.py --beta-inverse (mpmath, 40 digits);\n"
    "# do not edit\n")


def main():
    if sys.argv[1:] == ["--deep-tails"]:
        deep_tails().write(os.path.join(DATA, "deep_tails.tsv"), DEEP_TAILS_HEADER)
        return 0
    if sys.argv[1:] == ["--ends"]:
        ends_check()
        ends().write(os.path.join(DATA, "numeric_ends.tsv"), ENDS_HEADER)
        ends_panel().write(os.path.join(DATA, "count_and_t_ends.tsv"), ENDS_PANEL_HEADER)
        return 0
    if sys.argv[1:] == ["--beta-inverse"]:
        beta_inverse_sweep().write(os.path.join(DATA, "beta_inverse_reference.tsv"),
                                   BETA_INVERSE_HEADER)
        return 0
    if sys.argv[1:] == ["--beta-inverse-ends"]:
        beta_inverse_ends_check()
        beta_inverse_ends().write(os.path.join(DATA, "beta_inverse_ends.tsv"),
                                  BETA_INVERSE_ENDS_HEADER)
        return 0
    if sys.argv[1:] == ["--large-df"]:
        large_shape_check()
        large_df().write(os.path.join(DATA, "large_df_reference.tsv"), LARGE_DF_HEADER)
        return 0
    self_check()
    os.makedirs(DATA, exist_ok=True)
    grid().write(os.path.join(DATA, "numeric_reference.tsv"),
                 "# routine\targ1\targ2\targ3\texact value\tdistance to a 6-digit tie\n"
                 "# written by tools/numeric_reference.py (mpmath, 40 digits); do not edit\n")
    critical_values().write(os.path.join(DATA, "critical_values.tsv"),
                            "# table\tdf1\tdf2\ttail (normal: lower)\tpoint\tdistance to a 6-digit tie\n"
                            "# written by tools/numeric_reference.py (mpmath, 40 digits); "
                            "do not edit\n")
    deep_tails().write(os.path.join(DATA, "deep_tails.tsv"), DEEP_TAILS_HEADER)
    large_shape_check()
    large_df().write(os.path.join(DATA, "large_df_reference.tsv"), LARGE_DF_HEADER)
    ends_check()
    ends().write(os.path.join(DATA, "numeric_ends.tsv"), ENDS_HEADER)
    ends_panel().write(os.path.join(DATA, "count_and_t_ends.tsv"), ENDS_PANEL_HEADER)
    return 0


DEEP_TAILS_HEADER = (
    "# distribution\tmode\tpar1\tpar2\tprob\tx1\tx2\texact value"
    "\tdistance to a 6-digit tie\n"
    "# the texts typed into the distribution panel ('-' blank) and the exact value of the one\n"
    "# box left blank; a probability below the smallest normal double is 0, as the panel\n"
    "# writes it. Written by tools/numeric_reference.py (mpmath, 50 digits); do not edit\n")


if __name__ == "__main__":
    sys.exit(main())
