#!/usr/bin/python3
"""Worked cases of the probability-distribution panel, computed independently with mpmath.

For each case (a distribution, a mode, the texts typed into the parameter, probability and
point boxes) this works out from the distributions' exact definitions, at 50 digits, what
the panel must show after Calculate: the probability and point boxes as the six-digit
texts of the exact answers, or the refusal "Invalid data" when the request has no answer.
It writes tests/data/distribution_cases.tsv, which the panel's tests replay.

Every answer is checked to lie far from a tie of its six-digit rounding, so the text is
the same whether it is rounded from the exact value or from a double close to it; a case
too near a tie stops the script instead of being written.

It also writes tests/data/short_intervals.tsv, the same kind of cases for short intervals
and for the ends of what each box accepts (intervals a hair wide, the end that closes an
interval of a tiny probability, centred intervals whose tails lie below the doubles), and
tests/data/regions.tsv, the number library's regions, interval widths and opposite points
at 40 digits. Both take every tail from its own side and the region of a short interval
from the density, so that nothing cancels (see short_interval_cases below).

The build never runs this; run it by hand with /usr/bin/python3 after changing the cases
and commit its output.
"""

import os
from decimal import Decimal

import mpmath as mp
from mpmath import mpf

mp.mp.dps = 50

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "tests", "data", "distribution_cases.tsv")

LONG_MAX = 2**31 - 1
# Relative distance to a rounding tie below which a six-digit text is not trusted.
TIE_MARGIN = mpf("1e-9")


class Refused(Exception):
    pass


# --- Exact distributions -----------------------------------------------------------------

def normal_upper(z):
    return mp.ncdf(-z)


def t_upper(k, t):
    if t == 0:
        return mpf("0.5")
    if k > 100000:
        # The incomplete beta's series stall at such k: integrate the density instead.
        with mp.workdps(25):
            k = mpf(k)
            c = mp.exp(mp.loggamma((k + 1) / 2) - mp.loggamma(k / 2)) / mp.sqrt(k * mp.pi)
            density = lambda u: c * mp.exp(-(k + 1) / 2 * mp.log1p(u * u / k))
            return +mp.quad(density, [t, t + 10, mp.inf])
    half = mp.betainc(mpf(k) / 2, mpf("0.5"), 0, mpf(k) / (k + t * t), regularized=True) / 2
    return half if t > 0 else 1 - half


def chi2_upper(k, x):
    if x <= 0:
        return mpf(1)
    return mp.gammainc(mpf(k) / 2, x / 2, mp.inf, regularized=True)


def f_upper(k1, k2, x):
    if x <= 0:
        return mpf(1)
    return mp.betainc(mpf(k2) / 2, mpf(k1) / 2, 0, k2 / (k2 + k1 * x), regularized=True)


def invert_upper(Q, tail, lo, hi):
    """The x in [lo, hi] with Q(x) = tail, Q decreasing, by bisection to 50 digits."""
    for _ in range(400):
        mid = (lo + hi) / 2
        if Q(mid) > tail:
            lo = mid
        else:
            hi = mid
        if hi - lo <= abs(mid) * mpf("1e-20") + mpf("1e-300"):
            break
    return (lo + hi) / 2


def binomial_cdf(k, n, p):
    """P(X <= k) for whole k; outside -1..n+1 the request has no answer."""
    if k == n + 1 or k == n:
        return mpf(1)
    if k == -1:
        return mpf(0)
    if k < -1 or k > n + 1:
        raise Refused("count outside the trials")
    return mp.fsum(mp.binomial(n, i) * p**i * (1 - p) ** (n - i) for i in range(int(k) + 1))


def poisson_cdf(k, lam):
    if k < 0:
        return mpf(0)
    if k > 1000:
        # The upper incomplete gamma, rather than summing a billion terms.
        return mp.gammainc(k + 1, lam, mp.inf, regularized=True)
    return mp.fsum(mp.exp(-lam) * lam**i / mp.factorial(i) for i in range(int(k) + 1))


# --- What a request means -----------------------------------------------------------------

def number(text):
    """The double a plain typed number stands for, exactly."""
    return None if text == "" else mpf(float(text))


def continuous(dist, mode, pars, x1, x2, P):
    if dist == "N":
        mu, sigma = pars
        if not sigma > 0:
            raise Refused("sigma")
        Q = lambda x: normal_upper((x - mu) / sigma)
        lo, hi = mu - 60 * sigma, mu + 60 * sigma
        low_end = mu - 60 * sigma
    else:
        for k in pars:
            if not (k > 0 and k == int(k) and k <= LONG_MAX):
                raise Refused("degrees of freedom")
        if dist == "T":
            Q = lambda x: t_upper(pars[0], x)
            lo, hi = mpf(-1e8), mpf(1e8)
        elif dist == "X":
            Q = lambda x: chi2_upper(pars[0], x)
            lo, hi = mpf(0), mpf(1e5)
        else:
            Q = lambda x: f_upper(pars[0], pars[1], x)
            lo, hi = mpf(0), mpf(1e8)
        low_end = lo
        shown2 = mode in ("I", "C")
        if dist in ("X", "F"):
            if x1 is not None and x1 < 0:
                raise Refused("negative point")
            if shown2 and x2 is not None and x2 < 0:
                raise Refused("negative point")
    Qinv = lambda tail: invert_upper(Q, tail, lo, hi)
    symmetric_centre = None
    if dist == "N":
        symmetric_centre = pars[0]
    elif dist == "T":
        symmetric_centre = mpf(0)

    if mode in ("L", "R"):
        if (x1 is None) == (P is None):
            raise Refused("one of x1 and P")
        if x1 is not None:
            return {"prob": 1 - Q(x1) if mode == "L" else Q(x1)}
        return {"x1": Qinv(1 - P) if mode == "L" else Qinv(P)}
    given = sum(v is not None for v in (x1, x2, P))
    if mode == "I":
        if given != 2:
            raise Refused("two of three")
        if P is None:
            if not x1 < x2:
                raise Refused("x1 < x2")
            return {"prob": Q(x1) - Q(x2)}
        if x2 is None:
            if not Q(x1) - P > 0:
                raise Refused("no room above x1")
            return {"x2": Qinv(Q(x1) - P)}
        if not Q(x2) + P < 1:
            raise Refused("no room below x2")
        return {"x1": Qinv(Q(x2) + P)}
    # Centred interval: equal tails on both sides.
    if given != 1:
        raise Refused("one of three")
    if P is not None:
        return {"x1": Qinv((1 + P) / 2), "x2": Qinv((1 - P) / 2)}
    if x1 is not None:
        if symmetric_centre is not None and not x1 < symmetric_centre:
            raise Refused("x1 above the centre")
        p = 1 - 2 * (1 - Q(x1))
        if not 0 < p < 1:
            raise Refused("x1 not below the median")
        return {"x2": Qinv((1 - p) / 2), "prob": p}
    if symmetric_centre is not None and not x2 > symmetric_centre:
        raise Refused("x2 below the centre")
    p = 1 - 2 * Q(x2)
    if not p > 0:
        raise Refused("x2 not above the median")
    return {"x1": Qinv((1 + p) / 2), "prob": p}


def discrete(dist, mode, pars, x1, x2, P):
    if dist == "B":
        n, p = pars
        if not (n > 0 and n == int(n)):
            raise Refused("trials")
        if n > 2**53:
            # Doubles no longer tell neighbouring counts apart.
            raise Refused("trials beyond 2^53")
        if not 0 < p < 1:
            raise Refused("success probability")
        F = lambda k: binomial_cdf(k, n, p)
    else:
        (lam,) = pars
        if not lam > 0:
            raise Refused("lambda")
        F = lambda k: poisson_cdf(k, lam)
    for x, shown in ((x1, True), (x2, mode == "I")):
        if shown and x is not None and not (x >= 0 and x == int(x) and x <= LONG_MAX):
            raise Refused("not a count")
    if x1 is None or P is not None:
        raise Refused("x1 given, P blank")
    if mode == "L":
        return {"prob": F(x1)}
    if mode == "R":
        return {"prob": 1 - F(x1 - 1)}
    if mode == "I":
        if x2 is None or not x1 < x2:
            raise Refused("x1 < x2")
        return {"prob": F(x2) - F(x1 - 1)}
    return {"prob": F(x1) - F(x1 - 1)}


# --- Six-digit texts -------------------------------------------------------------------------

def six_digits(value, where):
    """The text of value rounded half up to 6 significant digits, as the panel writes it."""
    if value == 0:
        return "0"
    a = abs(value)
    e = int(mp.floor(mp.log10(a)))
    scaled = a / mpf(10) ** (e - 5)
    # log10 may land a hair off at a power of ten.
    if scaled >= 1000000:
        e += 1
        scaled /= 10
    frac = scaled - mp.floor(scaled)
    if abs(frac - mpf("0.5")) / scaled < TIE_MARGIN:
        raise SystemExit(f"{where}: {mp.nstr(value, 20)} is too close to a rounding tie")
    digits = int(mp.floor(scaled + mpf("0.5")))
    if digits == 1000000:
        digits, e = 100000, e + 1
    sign = "-" if value < 0 else ""
    rounded = Decimal(digits).scaleb(e - 5)
    if Decimal("1e-4") <= rounded < Decimal("1e15"):
        return sign + format(rounded.normalize(), "f")
    mantissa = str(digits).rstrip("0")
    body = mantissa[0] + ("." + mantissa[1:] if len(mantissa) > 1 else "")
    return f"{sign}{body}E{'-' if e < 0 else '+'}{abs(e):02d}"


# --- The cases ----------------------------------------------------------------------------------
# distribution tag, mode tag, first and second parameter, probability, x1, x2 ("" blank)

CASES = [
    # Normal
    ("N", "L", "0", "1", "", "1.96", ""),
    ("N", "L", "100", "15", "", "130", ""),
    ("N", "L", "10", "2", "0.3", "", ""),
    ("N", "R", "0", "1", "", "1.5", ""),
    ("N", "R", "0", "1", "0.05", "", ""),
    ("N", "R", "0", "1", "1e-20", "", ""),
    ("N", "R", "50", "4", "0.8", "", ""),
    ("N", "I", "0", "1", "", "-1", "1"),
    ("N", "I", "0", "1", "0.4", "0", ""),
    ("N", "I", "0", "1", "0.5", "0", ""),
    ("N", "I", "5", "2", "0.3", "", "6"),
    ("N", "I", "0", "1", "0.9", "", "1"),
    ("N", "I", "0", "1", "", "1", "1"),
    ("N", "I", "0", "1", "1e-20", "", "40"),
    ("N", "I", "0", "1", "2.8e-7", "5", ""),
    ("N", "C", "0", "1", "0.95", "", ""),
    ("N", "C", "100", "15", "0.9", "", ""),
    ("N", "C", "0", "1", "", "-1.5", ""),
    ("N", "C", "0", "1", "", "1.5", ""),
    ("N", "C", "20", "3", "", "", "26"),
    ("N", "C", "20", "3", "", "", "17"),
    ("N", "L", "0", "0", "", "1", ""),
    ("N", "L", "0", "-2", "", "1", ""),
    ("N", "R", "0", "0", "0.3", "", ""),
    ("N", "I", "0", "-1", "", "0", "1"),
    ("N", "C", "0", "0", "0.9", "", ""),
    ("N", "L", "0", "1", "0.5", "1", ""),
    # Student t
    ("T", "L", "10", "", "", "2", ""),
    ("T", "L", "10", "", "0.9", "", ""),
    ("T", "L", "10", "", "1e-20", "", ""),
    ("T", "R", "5", "", "", "1.5", ""),
    ("T", "R", "10", "", "0.05", "", ""),
    ("T", "I", "7", "", "", "-1", "2"),
    ("T", "I", "10", "", "0.2", "0.5", ""),
    ("T", "I", "10", "", "0.3", "", "1"),
    ("T", "C", "10", "", "0.95", "", ""),
    ("T", "C", "10", "", "", "-2", ""),
    ("T", "C", "3", "", "", "", "1.5"),
    ("T", "C", "3", "", "", "", "-1.5"),
    ("T", "R", "2.5", "", "0.05", "", ""),
    ("T", "R", "0", "", "0.05", "", ""),
    ("T", "R", "2147483647", "", "0.05", "", ""),
    ("T", "R", "2147483648", "", "0.05", "", ""),
    # Chi-square
    ("X", "L", "10", "", "", "5", ""),
    ("X", "L", "10", "", "0.25", "", ""),
    ("X", "R", "10", "", "", "15", ""),
    ("X", "R", "10", "", "0.05", "", ""),
    ("X", "I", "4", "", "", "2", "8"),
    ("X", "I", "10", "", "0.5", "3", ""),
    ("X", "I", "10", "", "0.4", "", "12"),
    ("X", "C", "10", "", "0.95", "", ""),
    ("X", "C", "10", "", "", "3.24697", ""),
    ("X", "C", "10", "", "", "", "20"),
    ("X", "C", "10", "", "", "0", ""),
    ("X", "C", "10", "", "", "", "5"),
    ("X", "L", "10", "", "", "-1", ""),
    ("X", "R", "10", "", "", "-1", ""),
    ("X", "L", "10", "", "", "0", ""),
    ("F", "R", "5", "10", "", "0", ""),
    ("X", "I", "10", "", "0.5", "-1", ""),
    ("X", "C", "10", "", "", "-1", ""),
    ("X", "I", "10", "", "", "3", "3"),
    ("X", "R", "1.5", "", "", "2", ""),
    # F
    ("F", "L", "5", "10", "", "2", ""),
    ("F", "L", "5", "10", "0.9", "", ""),
    ("F", "R", "5", "10", "", "3", ""),
    ("F", "R", "5", "10", "0.05", "", ""),
    ("F", "I", "5", "10", "", "0.5", "2"),
    ("F", "I", "5", "10", "0.3", "1", ""),
    ("F", "I", "5", "10", "0.5", "", "3"),
    ("F", "C", "5", "10", "0.95", "", ""),
    ("F", "C", "5", "10", "", "0.5", ""),
    ("F", "C", "5", "10", "", "", "3"),
    ("F", "C", "5", "10", "", "", "0.5"),
    ("F", "R", "5", "0", "0.05", "", ""),
    ("F", "I", "5", "10", "", "-1", "2"),
    # Binomial
    ("B", "L", "10", "0.5", "", "5", ""),
    ("B", "L", "20", "0.3", "", "4", ""),
    ("B", "L", "10", "0.5", "", "11", ""),
    ("B", "L", "10", "0.5", "", "12", ""),
    ("B", "R", "10", "0.5", "", "0", ""),
    ("B", "R", "20", "0.3", "", "3", ""),
    ("B", "R", "10", "0.5", "", "12", ""),
    ("B", "I", "10", "0.5", "", "2", "7"),
    ("B", "I", "20", "0.3", "", "0", "20"),
    ("B", "I", "10", "0.5", "", "4", "4"),
    ("B", "P", "10", "0.5", "", "11", ""),
    ("B", "P", "20", "0.3", "", "4", ""),
    ("B", "P", "10", "0.5", "", "2.5", ""),
    ("B", "R", "10", "0.5", "", "0.5", ""),
    ("B", "L", "10", "0.5", "0.5", "5", ""),
    ("B", "L", "10.5", "0.5", "", "5", ""),
    ("B", "L", "10", "1", "", "5", ""),
    # Poisson
    ("P", "P", "2", "", "", "3", ""),
    ("P", "R", "2", "", "", "3", ""),
    ("P", "R", "2", "", "", "0", ""),
    ("P", "L", "2", "", "", "2", ""),
    ("P", "I", "3.5", "", "", "1", "4"),
    ("P", "P", "0.5", "", "", "0", ""),
    ("P", "L", "2", "", "", "2.5", ""),
    ("P", "R", "2", "", "", "0.5", ""),
    ("P", "L", "2", "", "", "-1", ""),
    ("P", "L", "0", "", "", "1", ""),
    ("P", "R", "2", "", "", "2147483647", ""),
    ("P", "R", "2", "", "", "2147483648", ""),
]


def solve(case, continuous_request=None):
    dist, mode, par1, par2, prob, x1, x2 = case
    pars = [number(par1)] + ([number(par2)] if dist in ("N", "F", "B") else [])
    args = (dist, mode, pars, number(x1), number(x2), number(prob))
    try:
        if dist in ("B", "P"):
            return discrete(*args)
        return (continuous_request or continuous)(*args)
    except Refused:
        return None


# --- Short intervals and the library's regions ------------------------------------------
#
# Each distribution is known here by its density and its two tails, each from its own side
# at high precision. A region is the difference of the tails where the parameters let mpmath
# compute them (with 120 digits, so no cancellation a double can see reaches the result),
# and otherwise, only for short intervals, the integral of the density. The end of an
# interval of a given probability, and the other end of an equal-tailed interval, are
# solved for on those regions and tails, the latter on the logarithm of the tail.

SHORT_OUT = os.path.join(ROOT, "tests", "data", "short_intervals.tsv")
REGIONS_OUT = os.path.join(ROOT, "tests", "data", "regions.tsv")
DBL_MIN = mpf(2) ** -1022
# Parameters up to this have their tails from mpmath's incomplete functions.
TAILS_UP_TO = 10**7


class Law:
    """A continuous distribution: 'N' (mu, sigma), 'T' (k), 'X' (df), 'F' (ia, ib)."""

    def __init__(self, dist, pars):
        self.dist = dist
        self.pars = [mpf(v) for v in pars]
        self.centre = None
        self.low_end = None
        if dist == "N":
            self.centre = self.pars[0]
        elif dist == "T":
            self.centre = mpf(0)
        else:
            self.low_end = mpf(0)
        self.has_tails = dist == "N" or max(self.pars) <= TAILS_UP_TO

    def ln_density(self, x):
        d, p = self.dist, self.pars
        if d == "N":
            z = (x - p[0]) / p[1]
            return -z * z / 2 - mp.log(mp.sqrt(2 * mp.pi)) - mp.log(p[1])
        if d == "T":
            k = p[0]
            return (mp.loggamma((k + 1) / 2) - mp.loggamma(k / 2) - mp.log(k * mp.pi) / 2
                    - (k + 1) / 2 * mp.log1p(x * x / k))
        if x <= 0:
            return mpf("-inf")
        if d == "X":
            a = p[0] / 2
            return (a - 1) * mp.log(x / 2) - x / 2 - mp.loggamma(a) - mp.log(2)
        a, b = p[0] / 2, p[1] / 2
        return (log_beta(a, b) + a * mp.log(p[0] / p[1]) + (a - 1) * mp.log(x)
                - (a + b) * mp.log1p(p[0] * x / p[1]))

    def density(self, x):
        return mp.exp(self.ln_density(x))

    def lower(self, x):
        d, p = self.dist, self.pars
        if d == "N":
            return normal_cdf((x - p[0]) / p[1])
        if d == "T":
            return self.upper(-x)
        if x <= 0:
            return mpf(0)
        if d == "X":
            return mp.gammainc(p[0] / 2, 0, x / 2, regularized=True)
        return mp.betainc(p[0] / 2, p[1] / 2, 0, p[0] * x / (p[1] + p[0] * x), regularized=True)

    def upper(self, x):
        d, p = self.dist, self.pars
        if d == "N":
            return normal_cdf(-(x - p[0]) / p[1])
        if d == "T":
            k = p[0]
            if x == 0:
                return mpf("0.5")
            half = mp.betainc(k / 2, mpf("0.5"), 0, k / (k + x * x), regularized=True) / 2
            return half if x > 0 else 1 - half
        if x <= 0:
            return mpf(1)
        if d == "X":
            return mp.gammainc(p[0] / 2, x / 2, mp.inf, regularized=True)
        return mp.betainc(p[1] / 2, p[0] / 2, 0, p[1] / (p[1] + p[0] * x), regularized=True)

    def signed_central(self, x):
        """P(|X - c| <= |x - c|) with the sign of x - c, for the normal and the t."""
        d, p = self.dist, self.pars
        h = x - self.centre
        if h == 0:
            return mpf(0)
        if d == "N":
            z = abs(h) / p[1]
            central = mpf(1) if z > 10**6 else mp.erf(z / mp.sqrt(2))
        else:
            k = p[0]
            central = mp.betainc(mpf("0.5"), k / 2, 0, h * h / (k + h * h), regularized=True)
        return central if h > 0 else -central

    def room(self, x, p, upward):
        """Whether more than p lies beyond x. With huge parameters, where mpmath has no
        tails, from the normal approximation, only where p is far from that tail."""
        if self.has_tails:
            return (self.upper(x) if upward else self.lower(x)) > p
        if self.dist == "X":
            mean, sd = self.pars[0], mp.sqrt(2 * self.pars[0])
        elif self.dist == "T":
            mean, sd = mpf(0), mpf(1)
        else:
            raise SystemExit("no rough tail for F")
        z = (x - mean) / sd
        rough = normal_cdf(-z) if upward else normal_cdf(z)
        if not (rough > 4 * p or rough < p / 4):
            raise SystemExit(f"{p} is too near the tail beyond {x} for the rough tail")
        return rough > p

    def region(self, x1, x2):
        if self.has_tails:
            with mp.workdps(120):
                c = self.centre
                # Half the signed central parts, exact however near the centre, unless the
                # interval lies in one tail, far out.
                if c is not None and not (x1 >= c and self.upper(x1) < 0.25):
                    if not (x2 <= c and self.lower(x2) < 0.25):
                        return (self.signed_central(x2) - self.signed_central(x1)) / 2
                if x2 <= (c if c is not None else 1):
                    return self.lower(x2) - self.lower(x1)
                return self.upper(x1) - self.upper(x2)
        # Huge parameters: only short intervals come here, where the density is smooth.
        with mp.workdps(60):
            return mp.quad(self.density, [x1, x2])

    def width(self, x, p, upward):
        """The h > 0 with region(x, x + h) = p (upward) or region(x - h, x) = p."""
        with mp.workdps(100):
            return +self._width(x, p, upward)

    def _width(self, x, p, upward):
        end = (lambda h: x + h) if upward else (lambda h: x - h)
        reg = (lambda h: self.region(x, x + h)) if upward else (lambda h: self.region(x - h, x))
        lo, hi = mpf(0), None
        if not upward and self.low_end is not None:
            hi = x - self.low_end
        f = self.density(x)
        h = p / f if 0 < f < mp.inf else mpf(1)
        if hi is not None and not h < hi:
            h = hi / 2
        for _ in range(500):
            got = reg(h)
            if got < p:
                lo = h
            else:
                hi = h
            step = (p - got) / self.density(end(h))
            nxt = h + step
            if abs(step) <= (abs(h) + abs(x) * mpf(10) ** -50) * mpf(10) ** -45:
                return nxt
            if not (lo < nxt and (hi is None or nxt < hi)):
                nxt = (lo + hi) / 2 if hi is not None else 2 * h
            h = nxt
        raise SystemExit(f"no width for {self.dist} {self.pars} from {x}, p = {p}")

    def opposite(self, x):
        """The point across the median whose tail equals x's tail on its side."""
        lower = self.lower(x)
        upper_side = lower <= mpf("0.5")
        tail = lower if upper_side else self.upper(x)
        other = self.upper if upper_side else self.lower
        ln_target = mp.log(tail)
        # Bisection on ln y, then Newton on ln(tail): the tails reach far below the doubles.
        lo, hi = mp.log(x), mp.log(x)
        g = lambda v: mp.log(other(mp.exp(v))) - ln_target
        step = mpf(1)
        if upper_side:
            while g(hi) > 0:
                hi += step
                step *= 2
        else:
            while g(lo) > 0:
                lo -= step
                step *= 2
                if lo < -800:
                    return mpf(0)
        for _ in range(400):
            mid = (lo + hi) / 2
            if (g(mid) > 0) == upper_side:
                lo = mid
            else:
                hi = mid
            if hi - lo < mpf(10) ** -45:
                break
        return mp.exp((lo + hi) / 2)


def normal_cdf(z):
    """P(Z <= z); beyond a million standard deviations a tail is e^(-5E+11) at the most, which
    mpmath's erfc cannot take and nothing here can tell from 0."""
    if abs(z) > 10**6:
        return mpf(0) if z < 0 else mpf(1)
    return mp.ncdf(z)


def log_beta(a, b):
    return mp.loggamma(a + b) - mp.loggamma(a) - mp.loggamma(b)


def panel_short(dist, mode, pars, x1, x2, P):
    """What the panel must write for a continuous request, every tail from its own side."""
    if dist == "N" and not pars[1] > 0:
        raise Refused("sigma")
    law = Law(dist, pars)
    c = law.centre
    if dist in ("X", "F"):
        if (x1 is not None and x1 < 0) or (mode in ("I", "C") and x2 is not None and x2 < 0):
            raise Refused("negative point")
    given = sum(v is not None for v in (x1, x2, P))
    if mode in ("L", "R"):
        if (x1 is None) == (P is None) or P is not None:
            raise Refused("only points are asked for here")
        return {"prob": law.lower(x1) if mode == "L" else law.upper(x1)}
    if mode == "I":
        if given != 2:
            raise Refused("two of three")
        if P is None:
            if not x1 < x2:
                raise Refused("x1 < x2")
            return {"prob": law.region(x1, x2)}
        if x2 is None:
            if not law.room(x1, P, True):
                raise Refused("no room above x1")
            return {"x2": x1 + law.width(x1, P, True)}
        if not law.room(x2, P, False):
            raise Refused("no room below x2")
        return {"x1": x2 - law.width(x2, P, False)}
    if given != 1 or P is not None:
        raise Refused("one point")
    if x1 is not None:
        if c is not None:
            if not x1 < c:
                raise Refused("x1 above the centre")
            return {"x2": 2 * c - x1, "prob": law.region(x1, 2 * c - x1)}
        tail = law.lower(x1)
        if not 0 < tail < mpf("0.5"):
            raise Refused("x1 not below the median, or 0")
        return {"x2": law.opposite(x1), "prob": 1 - 2 * tail}
    if c is not None:
        if not x2 > c:
            raise Refused("x2 below the centre")
        return {"x1": 2 * c - x2, "prob": law.region(2 * c - x2, x2)}
    tail = law.upper(x2)
    if not tail < mpf("0.5"):
        raise Refused("x2 not above the median")
    return {"x1": law.opposite(x2), "prob": 1 - 2 * tail}


def shown_probability(p, where):
    """The panel writes a probability below the smallest normal double as 0."""
    return "0" if p < DBL_MIN else six_digits(p, where)


# distribution tag, mode tag, first and second parameter, probability, x1, x2 ("" blank)
SHORT_CASES = [
    # The normal: across the centre, a hair wide in a tail, from the centre with a tiny P.
    ("N", "I", "0", "1", "", "-1e-12", "1e-12"),
    ("N", "I", "0", "1", "", "0.9999999999999999", "1"),
    ("N", "I", "0", "1", "1e-16", "0", ""),
    ("N", "I", "0", "1", "1e-16", "", "0"),
    ("N", "I", "0", "1", "1e-20", "0", ""),
    ("N", "I", "100", "15", "", "130", "130.000001"),
    ("N", "I", "0", "1", "", "5", "5.000000001"),
    ("N", "I", "0", "1", "", "-5.000000001", "-5"),
    ("N", "I", "0", "2", "1e-15", "", "0"),
    ("N", "I", "0", "1", "0.3", "-0.3", ""),
    # ... at the ends of its boxes: a standard deviation of 5E-324 or 1E+300, subnormal points
    # and probabilities.
    ("N", "L", "0", "5e-324", "", "-1", ""),
    ("N", "R", "0", "5e-324", "", "-1", ""),
    ("N", "I", "0", "5e-324", "", "-1", "1"),
    ("N", "I", "0", "5e-324", "", "1", "2"),
    ("N", "C", "0", "5e-324", "", "-1", ""),
    ("N", "C", "0", "5e-324", "", "", "1"),
    ("N", "I", "0", "1e300", "", "-1", "1"),
    ("N", "I", "0", "1e300", "", "1", "2"),
    ("N", "I", "0", "1", "", "0", "5e-324"),
    ("N", "I", "0", "1", "", "-5e-324", "5e-324"),
    ("N", "I", "0", "1", "", "0", "1e-300"),
    ("N", "I", "0", "1", "5e-324", "5", ""),
    ("N", "I", "0", "1", "0.5", "0", ""),
    # Student's t, from 1 degree of freedom to 2147483647.
    ("T", "I", "10", "", "1e-16", "0", ""),
    ("T", "I", "10", "", "", "-1e-12", "1e-12"),
    ("T", "I", "10", "", "", "0.9999999999999999", "1"),
    ("T", "I", "10", "", "", "-1", "-0.9999999999999999"),
    ("T", "I", "1", "", "", "10000000000", "10000001000"),
    ("T", "I", "1", "", "1e-16", "", "10000000000"),
    ("T", "I", "2147483647", "", "", "-1e-12", "1e-12"),
    ("T", "I", "2147483647", "", "1e-16", "0", ""),
    ("T", "I", "2147483647", "", "", "1", "1.000001"),
    ("T", "I", "10", "", "", "0", "5e-324"),
    ("T", "I", "100", "", "", "3", "3.0000001"),
    # Chi-square: a hair wide in a tail and across the median, and centred intervals whose
    # far tail is below what P can show.
    ("X", "I", "10", "", "", "10", "10.000000000001"),
    ("X", "I", "10", "", "", "9.3418", "9.3419"),
    ("X", "I", "10", "", "", "1", "1.000000001"),
    ("X", "I", "1", "", "", "0.5", "0.5000000001"),
    ("X", "I", "10", "", "1e-16", "10", ""),
    ("X", "I", "10", "", "1e-15", "", "5"),
    ("X", "I", "1", "", "1e-16", "0", ""),
    ("X", "I", "2", "", "", "0", "1e-300"),
    ("X", "I", "10", "", "5e-324", "10", ""),
    ("X", "I", "2147483647", "", "", "2147483647", "2147483647.001"),
    ("X", "I", "2147483647", "", "1e-9", "2147483647", ""),
    ("X", "C", "1000", "", "", "5", ""),
    ("X", "C", "1000", "", "", "", "7285.52"),
    ("X", "C", "10", "", "", "0.001", ""),
    ("X", "C", "1", "", "", "1e-300", ""),
    ("X", "C", "10", "", "", "", "100000"),
    ("X", "C", "1000", "", "", "", "2000"),
    ("X", "C", "10", "", "", "0", ""),
    ("X", "C", "10", "", "", "", "9"),
    ("X", "C", "10", "", "", "20", ""),
    # F.
    ("F", "I", "5", "10", "", "2", "2.0000001"),
    ("F", "I", "1", "1", "", "10000000000", "10000000001"),
    ("F", "I", "5", "10", "", "0.5", "0.5000001"),
    ("F", "I", "5", "10", "1e-14", "1", ""),
    ("F", "I", "5", "10", "1e-14", "", "1"),
    ("F", "I", "2147483647", "2147483647", "", "1", "1.000001"),
    ("F", "I", "5", "10", "", "0", "5e-324"),
    ("F", "C", "1000", "1000", "", "0.01", ""),
    ("F", "C", "1000", "1000", "", "", "100"),
    ("F", "C", "5", "10", "", "0.001", ""),
    ("F", "C", "5", "10", "", "3", ""),
    # The binomial from 1 trial up to 2^53, where doubles still tell counts apart, and no
    # further.
    ("B", "L", "1", "0.3", "", "0", ""),
    ("B", "L", "9007199254740992", "1e-15", "", "3", ""),
    ("B", "P", "9007199254740992", "1e-15", "", "3", ""),
    ("B", "L", "9007199254740992", "0.3", "", "3", ""),
    ("B", "L", "9007199254740994", "0.3", "", "3", ""),
    ("B", "L", "1e200", "0.3", "", "3", ""),
    ("B", "L", "1e300", "0.5", "", "0", ""),
]


def write_short_cases():
    mp.mp.dps = 50
    write_cases(SHORT_CASES, lambda case: solve(case, panel_short), SHORT_OUT)


# routine, the distribution's parameters, its arguments (up, down: the width's direction)
REGION_ROWS = [
    ("NormalIntervalo", "N", ("0", "1"), ("-1e-12", "1e-12")),
    ("NormalIntervalo", "N", ("0", "1"), ("0.9999999999999999", "1")),
    ("NormalIntervalo", "N", ("0", "1"), ("-1", "1")),
    ("NormalIntervalo", "N", ("0", "1"), ("5", "5.000000001")),
    ("NormalIntervalo", "N", ("0", "1"), ("-37", "-36.99999")),
    ("NormalIntervalo", "N", ("0", "1"), ("1", "3")),
    ("NormalIntervalo", "N", ("100", "15"), ("130", "130.000001")),
    ("NormalIntervalo", "N", ("0", "1e300"), ("-1", "1")),
    ("NormalIntervalo", "N", ("0", "1e-300"), ("1e-300", "1.000001e-300")),
    ("TStudentIntervalo", "T", ("10",), ("-1e-12", "1e-12")),
    ("TStudentIntervalo", "T", ("10",), ("0.9999999999999999", "1")),
    ("TStudentIntervalo", "T", ("10",), ("-3", "-2.9999999")),
    ("TStudentIntervalo", "T", ("1",), ("10000000000", "10000001000")),
    ("TStudentIntervalo", "T", ("1",), ("1e100", "1.0000001e100")),
    ("TStudentIntervalo", "T", ("3",), ("-2", "5")),
    ("TStudentIntervalo", "T", ("100",), ("3", "3.0000001")),
    ("TStudentIntervalo", "T", ("2147483647",), ("-1e-12", "1e-12")),
    ("TStudentIntervalo", "T", ("2147483647",), ("1", "1.000001")),
    ("Ji2Intervalo", "X", ("10",), ("10", "10.000000000001")),
    ("Ji2Intervalo", "X", ("10",), ("9.3418", "9.3419")),
    ("Ji2Intervalo", "X", ("10",), ("1", "1.000000001")),
    ("Ji2Intervalo", "X", ("1",), ("1e-10", "1.01e-10")),
    ("Ji2Intervalo", "X", ("1",), ("0.5", "0.5000000001")),
    ("Ji2Intervalo", "X", ("4",), ("2", "8")),
    ("Ji2Intervalo", "X", ("1000",), ("1500", "1500.0001")),
    ("Ji2Intervalo", "X", ("2147483647",), ("2147483647", "2147483647.001")),
    ("Ji2Intervalo", "X", ("2147483647",), ("2147000000", "2147000000.001")),
    ("FSnedecorIntervalo", "F", ("5", "10"), ("2", "2.0000001")),
    ("FSnedecorIntervalo", "F", ("5", "10"), ("0.5", "0.5000001")),
    ("FSnedecorIntervalo", "F", ("1", "1"), ("10000000000", "10000000001")),
    ("FSnedecorIntervalo", "F", ("1", "1"), ("1e-20", "1.0000001e-20")),
    ("FSnedecorIntervalo", "F", ("5", "10"), ("0.5", "2")),
    ("FSnedecorIntervalo", "F", ("2147483647", "2147483647"), ("1", "1.000001")),
    ("FSnedecorIntervalo", "F", ("1", "2147483647"), ("1", "1.000001")),
    ("FSnedecorIntervalo", "F", ("2147483647", "1"), ("1e10", "1.000001e10")),
    ("NormalIntervaloAncho", "N", ("0", "1"), ("0", "1e-16", "up")),
    ("NormalIntervaloAncho", "N", ("0", "1"), ("0", "1e-16", "down")),
    ("NormalIntervaloAncho", "N", ("3", "2"), ("3", "1e-15", "down")),
    ("NormalIntervaloAncho", "N", ("0", "1"), ("-5", "0.2", "up")),
    ("NormalIntervaloAncho", "N", ("0", "1"), ("4", "1e-10", "up")),
    ("NormalIntervaloAncho", "N", ("0", "1"), ("0", "0.4", "up")),
    ("TStudentIntervaloAncho", "T", ("10",), ("0", "1e-16", "up")),
    ("TStudentIntervaloAncho", "T", ("1",), ("1e10", "1e-16", "down")),
    ("TStudentIntervaloAncho", "T", ("2147483647",), ("0", "1e-16", "up")),
    ("TStudentIntervaloAncho", "T", ("5",), ("-1", "0.3", "up")),
    ("Ji2IntervaloAncho", "X", ("10",), ("10", "1e-13", "up")),
    ("Ji2IntervaloAncho", "X", ("10",), ("10", "1e-13", "down")),
    ("Ji2IntervaloAncho", "X", ("1",), ("0.5", "1e-12", "down")),
    ("Ji2IntervaloAncho", "X", ("2147483647",), ("2147483647", "1e-9", "up")),
    ("Ji2IntervaloAncho", "X", ("10",), ("3", "0.5", "up")),
    ("FSnedecorIntervaloAncho", "F", ("5", "10"), ("1", "1e-14", "up")),
    ("FSnedecorIntervaloAncho", "F", ("5", "10"), ("1", "1e-14", "down")),
    ("FSnedecorIntervaloAncho", "F", ("1000", "1000"), ("1", "1e-12", "up")),
    ("FSnedecorIntervaloAncho", "F", ("5", "10"), ("0.2", "0.6", "up")),
    ("Ji2Opuesto", "X", ("1000",), ("5",)),
    ("Ji2Opuesto", "X", ("1000",), ("7285.52",)),
    ("Ji2Opuesto", "X", ("10",), ("0.001",)),
    ("Ji2Opuesto", "X", ("10",), ("3.24697",)),
    ("Ji2Opuesto", "X", ("1",), ("1e-300",)),
    ("Ji2Opuesto", "X", ("500",), ("30000",)),
    ("FSnedecorOpuesto", "F", ("1000", "1000"), ("0.01",)),
    ("FSnedecorOpuesto", "F", ("5", "10"), ("0.001",)),
    ("FSnedecorOpuesto", "F", ("5", "10"), ("3",)),
    ("FSnedecorOpuesto", "F", ("100", "200"), ("20",)),
]


def write_regions():
    mp.mp.dps = 50
    lines = [
        "# routine\tparameters (1 or 2)\targuments\t=\texact value",
        "# Intervalo: the two ends; IntervaloAncho: the start, P and up or down; Opuesto: x",
        "# written by tools/distribution_cases.py (mpmath, 40 digits); do not edit",
    ]
    for routine, dist, pars, args in REGION_ROWS:
        law = Law(dist, [number(v) for v in pars])
        if routine.endswith("Opuesto"):
            value = law.opposite(number(args[0]))
        elif routine.endswith("Ancho"):
            value = law.width(number(args[0]), number(args[1]), args[2] == "up")
        else:
            value = law.region(number(args[0]), number(args[1]))
        lines.append("\t".join([routine, *pars, *args, "=", mp.nstr(value, 40, min_fixed=1, max_fixed=0)]))
    with open(REGIONS_OUT, "w") as out:
        out.write("\n".join(lines) + "\n")
    print(f"{len(REGION_ROWS)} rows written to {REGIONS_OUT}")


def write_cases(cases, solve_case, path):
    """One row per case: the typed texts, then the boxes after Calculate or the refusal."""
    lines = [
        "# distribution\tmode\tpar1\tpar2\tprob\tx1\tx2\t->\tprob\tx1\tx2",
        "# typed texts ('-' blank), then the boxes after Calculate, or 'Invalid data'",
        "# written by tools/distribution_cases.py (mpmath, 50 digits); do not edit",
    ]
    for case in cases:
        answer = solve_case(case)
        typed = [t if t != "" else "-" for t in case[2:]]
        row = list(case[:2]) + typed + ["->"]
        if answer is None:
            row.append("Invalid data")
        else:
            where = " ".join(case)
            after = {"prob": case[4], "x1": case[5], "x2": case[6]}
            for box, value in answer.items():
                after[box] = shown_probability(value, where) if box == "prob" else six_digits(value, where)
            row += [after[b] if after[b] != "" else "-" for b in ("prob", "x1", "x2")]
        lines.append("\t".join(row))
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")
    print(f"{len(cases)} cases written to {path}")


def main():
    write_cases(CASES, solve, OUT)
    write_short_cases()
    write_regions()


if __name__ == "__main__":
    main()
