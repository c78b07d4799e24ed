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


def solve(case):
    dist, mode, par1, par2, prob, x1, x2 = case
    pars = [number(par1)] + ([number(par2)] if dist in ("N", "F", "B") else [])
    args = (dist, mode, pars, number(x1), number(x2), number(prob))
    try:
        if dist in ("B", "P"):
            return discrete(*args)
        return continuous(*args)
    except Refused:
        return None


def main():
    lines = [
        "# distribution\tmode\tpar1\tpar2\tprob\tx1\tx2\t->\tprob\tx1\tx2",
        "# typed texts ('-' blank), then the boxes after Calculate, or 'Invalid data'",
        "# written by tools/distribution_cases.py (mpmath, 50 digits); do not edit",
    ]
    for case in CASES:
        answer = solve(case)
        typed = [t if t != "" else "-" for t in case[2:]]
        row = list(case[:2]) + typed + ["->"]
        if answer is None:
            row.append("Invalid data")
        else:
            where = " ".join(case)
            after = {"prob": case[4], "x1": case[5], "x2": case[6]}
            for box, value in answer.items():
                after[box] = six_digits(value, where)
            row += [after[b] if after[b] != "" else "-" for b in ("prob", "x1", "x2")]
        lines.append("\t".join(row))
    with open(OUT, "w") as out:
        out.write("\n".join(lines) + "\n")
    print(f"{len(CASES)} cases written to {OUT}")


if __name__ == "__main__":
    main()
