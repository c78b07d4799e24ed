#!/usr/bin/python3
"""Expected results of the statistics' core, computed independently of the C++ code.

Every table cell is taken as the exact value of the double the program stores, and the
statistics are then computed exactly: rational arithmetic (fractions) for sums, means,
variances, quantiles and the quadratic fit, and 80-digit mpmath for logarithms, roots and
powers. Only the final step, the significant-digit text, follows the program's own
half-up rule. A value that lies so close to a rounding boundary that the program's double
arithmetic could fall on either side is refused (Fragile), so that every expected text
is one the program must reproduce.

Needs Debian's python3 with python3-mpmath:
    /usr/bin/python3 tools/stats_reference.py > tests/data/stats_reference.tsv
The build never runs this script; its output is committed.
"""

import math
import re
import sys
from decimal import Decimal
from fractions import Fraction as F

import mpmath

mpmath.mp.dps = 80

DBL_MAX = F(1.7976931348623157e308)
QUANTILE_DIVISORS = [4, 10, 100]
QUANTILE_SYMBOLS = ["Q    =", "D    =", "P    ="]


class Fragile(Exception):
    pass


class Failure(Exception):
    """A run-time failure: overflow, division by zero, logarithm or root out of domain."""


# --- exact arithmetic helpers ---------------------------------------------------------


def mpf_of(q):
    return mpmath.mpf(q.numerator) / q.denominator


def exact(m):
    """The exact rational value of an mpf."""
    sign, man, exp, _ = m._mpf_
    if man == 0:
        return F(0)
    return (-1 if sign else 1) * F(man) * F(2) ** exp


def checked(q):
    if abs(q) > DBL_MAX:
        raise Failure()
    return q


def div(a, b):
    if b == 0:
        raise Failure()
    return checked(a / b)


def ln(q):
    if q <= 0:
        raise Failure()
    return exact(mpmath.log(mpf_of(q)))


def sqrt(q):
    if q < 0:
        raise Failure()
    return exact(mpmath.sqrt(mpf_of(q)))


def exp(q):
    if q > 710:
        raise Failure()
    return checked(exact(mpmath.exp(mpf_of(q))))


def underflow(q):
    """A product as a double holds it: 0 below the smallest subnormal."""
    return F(0) if abs(q) < F(1, 2 ** 1075) else q


def is_integer(q):
    return q.denominator == 1


def power(base, e):
    """base^e as the program's power: a negative base only to a whole exponent."""
    if base == 0:
        if e < 0:
            raise Failure()
        return F(1) if e == 0 else F(0)
    if base < 0:
        if not is_integer(e):
            raise Failure()
        return checked(base ** int(e))
    if is_integer(e) and abs(e) < 64:
        return checked(base ** int(e))
    return checked(exact(mpmath.power(mpf_of(base), mpf_of(e))))


# --- the program's number text ----------------------------------------------------------

ERROR_FLAG = [0]


def number_text(digits, exponent):
    """Digits d1 d2 ... with d1 of weight 10^exponent, as the program writes numbers."""
    digits = digits.rstrip("0") or "0"
    if exponent < -4 or exponent >= 15:
        mantissa = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        return "%sE%s%02d" % (mantissa, "-" if exponent < 0 else "+", abs(exponent))
    if exponent < 0:
        return "0." + "0" * (-exponent - 1) + digits
    int_len = exponent + 1
    if len(digits) <= int_len:
        return digits + "0" * (int_len - len(digits))
    return digits[:int_len] + "." + digits[int_len:]


NEAR = {}  # box -> tolerance, for the case being written
VALUES = {}  # box -> (exact value, tolerance), of the boxes in NEAR


def show(out, box, v, n):
    """Writes the text of v into a box, or records the value where a tolerance applies."""
    if box in NEAR:
        if v != 0:
            ERROR_FLAG[0] = 0
        out[box] = None
        VALUES[box] = (v, NEAR[box])
    else:
        out[box] = fmt(v, n)


def fmt(v, n):
    """FormatoCifras: n significant digits, half-up, on the exact value v."""
    v = F(v)
    if v == 0:
        return "0"
    ERROR_FLAG[0] = 0
    negative = v < 0
    a = abs(v)
    # The program finds the decimal exponent from the double's logarithms.
    e = math.floor(math.log(float(a)) / math.log(10))
    w = e - n + 1
    scaled = a / F(10) ** w
    whole = math.floor(scaled)
    fraction = scaled - whole
    # Double arithmetic carries a relative error of some 1E-15 into the value; refuse
    # values whose rounding it could tip.
    if abs(fraction - F(1, 2)) < scaled * F(2, 10**14):
        raise Fragile("%s at %d digits" % (float(v), n))
    rounded = whole + (1 if fraction >= F(1, 2) else 0)
    digits = str(rounded)
    text = number_text(digits, len(digits) - 1 + w)
    return ("-" if negative else "") + text


def class_word(v, positive, zero, negative):
    """The word of a value rounded half-up to 5 decimals."""
    ERROR_FLAG[0] = 0
    t = F(v) * 100000 + F(1, 2)
    if v != 0 and abs(t - round(t)) < F(1, 10000):
        raise Fragile("class word of %s" % float(v))
    r = math.floor(t)
    return positive if r > 0 else (zero if r == 0 else negative)


def cell(text):
    """The double a table cell stores for a plain decimal text; None for an empty cell."""
    return None if text is None else F(float(text))


LEADING_NUMBER = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")


def leading_value(s):
    """The number at the start of a text; 0 when it does not begin with one."""
    m = LEADING_NUMBER.match(s.strip(" "))
    return float(m.group(0)) if m else 0.0


def read_number(text):
    """The number typed into a box: plain, a/b or x%; None when it cannot be read."""
    s = text.strip(" ")
    if s == "":
        return F(0)
    try:
        if s.endswith("%"):
            v = leading_value(s[:-1]) / 100
        elif "/" in s[1:]:
            if "%" in s:
                return None
            a, b = s.split("/", 1)
            v = leading_value(a) / leading_value(b)
        else:
            v = leading_value(s)
    except ZeroDivisionError:
        return None
    if math.isinf(v):
        return None
    return F(v)


def guard(value, term1, term2):
    return F(0) if (abs(term1) + abs(term2)) * F(1, 10**12) > abs(value) else value


# --- one variable ---------------------------------------------------------------------------

BOXES_1V = ["Txt1V_SN", "Txt1V_SX", "Txt1V_SX2", "Txt1V_SX3", "Txt1V_SX4", "Txt1V_MO",
            "Txt1V_MX", "Txt1V_VX", "Txt1V_DX", "Txt1V_CV", "Txt1V_ME", "Txt1V_AS",
            "Txt1V_CU", "Label1_68", "Label1_69"]


class Table1V:
    def __init__(self, kind, rows_in_use):
        self.kind = kind  # 0 ungrouped, 1 grouped
        self.N = rows_in_use
        self.rows = {}  # i -> (x1, x2, n), None for an empty cell

    def get(self, i):
        return self.rows.get(i, (None, None, None))

    def cells(self, i):
        x1, x2, n = self.get(i)
        return (x1, n) if self.kind == 0 else (x1, x2, n)

    def complete(self, i):
        return all(c is not None for c in self.cells(i))

    def value(self, i):
        x1, x2, _ = self.get(i)
        # The class mark of the program: the bounds' sum as a double holds it, halved.
        return x1 if self.kind == 0 else F(float(x1 + x2)) / 2


class State1V:
    def __init__(self):
        self.sums = None  # N, S1..S4
        self.central = None  # m2, m3, m4
        self.ready = False
        self.ok = False
        self.M = -1
        self.kind_qq = 2
        self.frac = F(0)


def check_classes(t, st):
    st.M = -1
    for i in range(t.N, 0, -1):
        if t.complete(i):
            st.M = i
            break
    if st.M < 0:
        return False
    for i in range(1, st.M + 1):
        if not t.complete(i):
            return False
        x1, x2, n = t.get(i)
        if n < 0 or (t.kind == 1 and not x1 < x2):
            return False
    for i in range(1, st.M):
        if t.kind == 1 and t.get(i)[1] != t.get(i + 1)[0]:
            return False
        if t.kind == 0 and not t.get(i)[0] < t.get(i + 1)[0]:
            return False
    return True


def mode(t, st):
    """The mode, or None when it is not defined."""
    if t.kind == 0:
        usable = [(x1, n) for x1, _, n in (t.get(i) for i in range(1, t.N + 1))
                  if x1 is not None and n is not None and n >= 0]
        if not usable:
            return None
        top = max(n for _, n in usable)
        first = next(x for x, n in usable if n == top)
        rivals = [x1 for x1, _, n in (t.get(i) for i in range(1, t.N + 1))
                  if x1 is not None and n == top and x1 != first]
        return None if rivals else first
    if not st.ok:
        return None
    d = [F(0)] + [t.get(i)[2] / (t.get(i)[1] - t.get(i)[0]) for i in range(1, st.M + 1)] + [F(0)]
    top = max(d[1:-1])
    k = d.index(top, 1)
    if d[1:-1].count(top) > 1:
        return None
    d1, d2 = d[k] - d[k - 1], d[k] - d[k + 1]
    x1, x2, _ = t.get(k)
    return x1 + (x2 - x1) * d1 / (d1 + d2)


def spans(t, M):
    """The interval over which each complete row spreads its frequency."""
    out = []
    for i in range(1, M + 1):
        x1, x2, n = t.get(i)
        if t.kind == 1:
            out.append((x1, x2, n))
        else:
            lo = x1 if i == 1 else (t.get(i - 1)[0] + x1) / 2
            hi = x1 if i == M else (x1 + t.get(i + 1)[0]) / 2
            out.append((lo, hi, n))
    return out


def quantile(t, st, p):
    """GetCuantil: the value at fraction p, or None on failure."""
    ERROR_FLAG[0] = 0
    if not st.ok or not st.ready or st.sums[0] <= 0 or p < 0 or p > 1:
        ERROR_FLAG[0] = 1
        return None
    M = st.M
    if p == 0:
        return t.get(1)[0]
    if p == 1:
        return t.get(M)[1] if t.kind == 1 else t.get(M)[0]
    if t.kind == 0 and M == 1:
        return t.get(1)[0]
    N = st.sums[0]
    below = F(0)
    for lo, hi, n in spans(t, M):
        if (below + n) / N >= p:
            return lo + (p - below / N) * (hi - lo) * N / n
        below += n
    ERROR_FLAG[0] = 1
    return None


def quantile_pct(t, st, x):
    """GetCuantilPCT: the fraction at value x, or None on failure."""
    ERROR_FLAG[0] = 0
    if not st.ok or not st.ready or st.sums[0] <= 0 or (t.kind == 0 and st.M == 1):
        ERROR_FLAG[0] = 1
        return None
    sp = spans(t, st.M)
    if x >= sp[-1][1]:
        return F(1)
    if x <= sp[0][0]:
        return F(0)
    below = F(0)
    for lo, hi, n in sp:
        if lo <= x <= hi:
            return (below + n * (x - lo) / (hi - lo)) / st.sums[0]
        below += n
    raise AssertionError("spans cover the range")


def moment(st, k, about):
    digit = str(k)
    out = {"Label1_63": "a  =" if about == 0 else "m  =",
           "Label1_64": digit if about == 0 else "  " + digit,
           "Label1_65": digit + "th-moment about the " + ("origin" if about == 0 else "mean"),
           "Txt1V_MM": ""}
    if st.ready:
        N = st.sums[0]
        if about == 0:
            value = F(1) if k == 0 else st.sums[k] / N
        else:
            value = [F(1), F(0), *st.central][k]
        key = "Txt1V_MM[%d,%d]" % (k, about)
        if key in NEAR:
            NEAR["Txt1V_MM"] = NEAR[key]
        show(out, "Txt1V_MM", value, 10)
        NEAR.pop("Txt1V_MM", None)
    return out


def pass_1v(t, st, k, about):
    out = {b: "" for b in BOXES_1V}
    out["MomentShown"] = "0"
    st.ready = st.ok = False
    rows = [i for i in range(1, t.N + 1)]
    complete = []
    for i in rows:
        empty = sum(c is None for c in t.cells(i))
        # A partly filled row, or a negative frequency, leaves every box empty.
        if 0 < empty < len(t.cells(i)) or (empty == 0 and t.get(i)[2] < 0):
            ERROR_FLAG[0] = 1
            return out
        if empty == 0:
            complete.append(i)
    values = [(t.value(i), t.get(i)[2]) for i in complete]
    try:
        for v, n in values:
            for j in range(1, 5):
                checked(v ** j * n)
        N = sum((n for _, n in values), F(0))
        S = [checked(sum((underflow(v ** j * n) for v, n in values), F(0))) for j in range(1, 5)]
    except Failure:
        ERROR_FLAG[0] = 1
        return out
    if not complete or N <= 0:
        return out
    try:
        for box, v in zip(["Txt1V_SN", "Txt1V_SX", "Txt1V_SX2", "Txt1V_SX3", "Txt1V_SX4"], [N] + S):
            show(out, box, v, 10)
        ERROR_FLAG[0] = 0
        st.ok = check_classes(t, st)
        mo = mode(t, st)
        if mo is None:
            ERROR_FLAG[0] = 1
        else:
            show(out, "Txt1V_MO", mo, 10)
        mean = S[0] / N
        show(out, "Txt1V_MX", mean, 10)
        st.central = [sum(((v - mean) ** j * n for v, n in values), F(0)) / N for j in (2, 3, 4)]
        variance = st.central[0]
        show(out, "Txt1V_VX", variance, 10)
        sd = sqrt(variance)
        show(out, "Txt1V_DX", sd, 10)
        if mean != 0:
            show(out, "Txt1V_CV", sd / mean, 8)
        st.sums = [N] + S
        st.ready = True
        if st.ok:
            median = quantile(t, st, F(1, 2))
            if median is not None:
                show(out, "Txt1V_ME", median, 8)
        out.update(moment(st, k, about))
        out["MomentShown"] = "1"
        if variance == 0:
            return out
        m2, m3, m4 = st.central
        skewness = exact(mpf_of(m3) / mpmath.sqrt(mpf_of(m2)) ** 3)
        show(out, "Txt1V_AS", skewness, 6)
        out["Label1_68"] = class_word(skewness, "Positive: Right-skewed", "Symmetrical",
                                      "Negative: left-skewed")
        ratio = m4 / m2 / m2
        kurtosis = guard(ratio - 3, ratio, 3)
        show(out, "Txt1V_CU", kurtosis, 6)
        out["Label1_69"] = class_word(kurtosis, "Leptokurtic", "Mesokurtic", "Platykurtic")
    except Failure:
        ERROR_FLAG[0] = 1
    return out


def convert_quantile(t, st, order, value):
    """CmdCuantil: converts whichever box is the input into the other."""
    divisor = QUANTILE_DIVISORS[st.kind_qq]
    if order == "" and value != "" and st.ok:
        x = read_number(value)
        if x is not None:
            p = quantile_pct(t, st, x)
            if p is not None:
                st.frac = p
                order = fmt(divisor * p, 6)
        ERROR_FLAG[0] = 0
    if value == "" and order != "" and st.ok:
        k = read_number(order)
        if k is not None:
            p = k / divisor
            st.frac = p
            x = quantile(t, st, p)
            if x is not None:
                value = fmt(x, 6)
        ERROR_FLAG[0] = 0
    return order, value


# --- two variables --------------------------------------------------------------------------

BOXES_2V = ["Txt2V_SN", "Txt2V_SX", "Txt2V_SY", "Txt2V_SX2", "Txt2V_SY2", "Txt2V_SXY",
            "Txt2V_MX", "Txt2V_MY", "Txt2V_VX", "Txt2V_VY", "Txt2V_DX", "Txt2V_DY",
            "Txt2V_COV", "Txt2V_R", "Txt2V_CUR"]


class Table2V:
    def __init__(self, model, rows_in_use):
        self.model = model
        self.N = rows_in_use
        self.rows = {}

    def get(self, i):
        return self.rows.get(i, (None, None, None))


class State2V:
    def __init__(self):
        self.coef = [F(0), F(0), F(0)]


def equation(model, A, B, C):
    def num(v):
        return fmt(v, 10)

    s = " y = "
    if model in (0, 1):
        term = " x" if model == 0 else " ln x"
        separator = ""
        if A != 0:
            s += ("- " if A < 0 else "") + num(abs(A))
            separator = "  +  "
        if B != 0:
            s += " - " if B < 0 else separator
            s += ("" if abs(B) == 1 else num(abs(B))) + term
        if A == 0 and B == 0:
            s += "0"
    elif model == 2:
        if A == 0 or B == 0:
            s += "0"
        elif A == 1 and B == 1:
            s += "1"
        else:
            if A != 1:
                s += num(A)
            if B != 1:
                s += ("" if A == 1 else " · ") + num(B) + " ^ x"
    elif model == 3:
        if A == 0:
            s += "0"
        elif A == 1 and B == 0:
            s += "1"
        else:
            if A != 1:
                s += num(A)
            if A != 1 and B != 0:
                s += " · "
            if B != 0:
                s += "x"
            if B not in (0, 1):
                s += " ^ " + ("(" + num(B) + ")" if B < 0 else num(B))
    else:
        separator = ""
        if A != 0:
            s += (" - " if A < 0 else "") + ("" if abs(A) == 1 else num(abs(A))) + "x²"
            separator = " + "
        if B != 0:
            s += (separator if B > 0 else " - ") + ("" if abs(B) == 1 else num(abs(B))) + "x"
            separator = " + "
        if C != 0:
            s += (separator if C > 0 else " - ") + num(abs(C))
        if A == 0 and B == 0 and C == 0:
            s += "0"
    return s


def fit_quadratic(points, mean_x):
    """Exact least-squares parabola, or None when the data do not determine one."""
    weighted = [(x, y, n) for x, y, n in points]
    if len({x for x, _, n in weighted if n != 0}) < 3:
        return None
    # The program's test of a singular system: on x centred at its mean, the determinant
    # against 1E-12 times the sum of its terms' sizes.
    c = [sum(((x - mean_x) ** j * n for x, _, n in weighted), F(0)) for j in range(5)]
    terms = [2 * c[1] * c[2] * c[3], c[0] * c[2] * c[4], c[2] ** 3, c[1] ** 2 * c[4], c[0] * c[3] ** 2]
    D = terms[0] + terms[1] - terms[2] - terms[3] - terms[4]
    if not abs(D) > F(1, 10**12) * sum(abs(v) for v in terms):
        return None
    # Solve the raw normal equations exactly by elimination.
    s = [sum((x ** j * n for x, _, n in weighted), F(0)) for j in range(5)]
    tt = [sum((x ** j * y * n for x, y, n in weighted), F(0)) for j in range(3)]
    m = [[s[4], s[3], s[2], tt[2]], [s[3], s[2], s[1], tt[1]], [s[2], s[1], s[0], tt[0]]]
    for col in range(3):
        pivot = next(r for r in range(col, 3) if m[r][col] != 0)
        m[col], m[pivot] = m[pivot], m[col]
        for r in range(3):
            if r != col:
                f = m[r][col] / m[col][col]
                m[r] = [a - f * b for a, b in zip(m[r], m[col])]
    return [m[r][3] / m[r][r] for r in range(3)]


def pass_2v(t, st):
    out = {b: "" for b in BOXES_2V}
    model = t.model
    log_x, log_y = model in (1, 3), model in (2, 3)
    N = F(0)
    points = []  # (X, Y, n) transformed
    raw = []  # (x, y, n)
    not_positive = False
    for i in range(1, t.N + 1):
        x, y, n = t.get(i)
        empty = sum(c is None for c in (x, y, n))
        if empty == 3:
            continue
        if empty or n < 0:
            ERROR_FLAG[0] = 1
            return out
        N += n
        if (log_x and x <= 0) or (log_y and y <= 0):
            not_positive = True
            break
        points.append((ln(x) if log_x else x, ln(y) if log_y else y, n))
        raw.append((x, y, n))
    try:
        for X, Y, n in points:
            checked(X * X * n), checked(Y * Y * n), checked(X * Y * n)
        SX = checked(sum((X * n for X, _, n in points), F(0)))
        SY = checked(sum((Y * n for _, Y, n in points), F(0)))
        SX2 = checked(sum((X * X * n for X, _, n in points), F(0)))
        SY2 = checked(sum((Y * Y * n for _, Y, n in points), F(0)))
        SXY = checked(sum((X * Y * n for X, Y, n in points), F(0)))
    except Failure:
        ERROR_FLAG[0] = 1
        return out
    if N <= 0:
        return out
    if not_positive:
        ERROR_FLAG[0] = 1
        return out
    try:
        for box, v in zip(BOXES_2V, [N, SX, SY, SX2, SY2, SXY]):
            show(out, box, v, 10)
        mx, my = SX / N, SY / N
        show(out, "Txt2V_MX", mx, 10)
        show(out, "Txt2V_MY", my, 10)
        var_x = SX2 / N - mx * mx
        show(out, "Txt2V_VX", var_x, 10)
        show(out, "Txt2V_DX", sqrt(var_x), 10)
        var_y = SY2 / N - my * my
        show(out, "Txt2V_VY", var_y, 10)
        show(out, "Txt2V_DY", sqrt(var_y), 10)
        cov = SXY / N - mx * my
        show(out, "Txt2V_COV", cov, 10)
        if var_x != 0 and var_y != 0:
            show(out, "Txt2V_R", cov / sqrt(var_x * var_y), 10)
        if var_x <= 0:
            return out
        b = cov / var_x
        a = guard(my - mx * b, mx * b, my)
        if model in (0, 1):
            coef = [a, b, F(0)]
        elif model == 2:
            coef = [exp(a), exp(b), F(0)]
        elif model == 3:
            coef = [exp(a), b, F(0)]
        else:
            coef = fit_quadratic(raw, mx)
            if coef is None:
                return out
        st.coef = [F(Decimal(fmt(v, 10))) for v in coef]
        out["Txt2V_CUR"] = equation(model, *st.coef)
    except Failure:
        ERROR_FLAG[0] = 1
    return out


def curve_at(model, coef, x):
    A, B, C = coef
    if model == 0:
        return A + B * x
    if model == 1:
        return A + B * ln(x)
    if model == 2:
        return A * power(B, x)
    if model == 3:
        return A * power(x, B)
    return A * x * x + B * x + C


def curve_inverse(model, coef, y):
    A, B, C = coef
    if model == 0:
        return div(y - A, B)
    if model == 1:
        return exp(div(y - A, B))
    if model == 2:
        return div(ln(div(y, A)), ln(B))
    if model == 3:
        q, e = div(y, A), div(F(1), B)
        if q >= 0:
            return power(q, e)
        if is_integer(e) and e % 2 == 1:
            return -power(-q, e)
        raise Failure()
    if A == 0:
        return div(y - C, B)
    root = sqrt(B * B - 4 * A * (C - y))
    return (-B + root) / 2 / A if A > 0 else (-B - root) / 2 / A


def estimate(curve, typed, evaluate):
    if typed.strip(" ") == "" or curve.strip(" ") == "":
        return ""
    v = read_number(typed)
    if v is None:
        return ""
    try:
        return fmt(checked(evaluate(v)), 10)
    except Failure:
        return ""


# --- graph hand-over ---------------------------------------------------------------------


def window(values):
    """The first window over an axis from the values found on it."""
    if values:
        lo, hi = min(values), max(values)
        if lo == hi:
            lo, hi = lo - abs(lo) / 2, hi + abs(hi) / 2
    if not values or lo == hi:
        lo, hi = F(0), F(10)
    a, b = lo - (hi - lo) / 10, hi + (hi - lo) / 10
    if abs(a) > DBL_MAX or abs(b) > DBL_MAX:
        a, b = F(-1), F(11)
    return a, b


def graph_1v(t, st):
    if t.kind == 1 and not st.ok:
        return {"Opened": "0"}
    if t.kind == 1:
        rows = [t.get(i) for i in range(1, st.M + 1)]
        xs = [r[0] for r in rows] + [r[1] for r in rows]
    else:
        rows = [t.get(i) for i in range(1, t.N + 1)]
        xs = [r[0] for r in rows if r[0] is not None]
    ns = [r[2] for r in rows if r[2] is not None]
    if t.kind == 1 and rows:
        # Classes of unequal width stand at their frequency density, so that their areas
        # are the frequencies; widths equal but for the rounding of typed bounds are equal.
        widths = [r[1] - r[0] for r in rows]
        size = max(max(abs(r[0]), abs(r[1])) for r in rows)
        if any(abs(w - widths[0]) > F(1, 10**12) * size for w in widths):
            ns = [r[2] / w for r, w in zip(rows, widths)]
    x = window(xs)
    if ns:
        y = window([min(min(ns), F(0)), max(ns)])
    else:
        y = window([])
    return {"Opened": "1", "GraphKind": str(10 + t.kind), "GraphFormula": "",
            "ViewXmin": x[0], "ViewXmax": x[1], "ViewYmin": y[0], "ViewYmax": y[1]}


def graph_2v(t, st, curve):
    rows = [t.get(i) for i in range(1, t.N + 1)]
    x = window([r[0] for r in rows if r[0] is not None])
    y = window([r[1] for r in rows if r[1] is not None])
    return {"GraphKind": str(t.model), "GraphFormula": curve.strip(" "),
            "GraphCoefA": st.coef[0], "GraphCoefB": st.coef[1], "GraphCoefC": st.coef[2],
            "ViewXmin": x[0], "ViewXmax": x[1], "ViewYmin": y[0], "ViewYmax": y[1]}


# --- the cases and the file the tests read ---------------------------------------------------
#
# One line a record, fields separated by tabs:
#   case <name> 1v|2v <DataType1V or RegType2V> <rows in use>
#   row <i> <a> <b> <c>         a table row (x1 x2 n, or x y n); "-" is an empty cell
#   <operation> <arguments...>  what the test runs next (see OPERATIONS below)
#   expect <field> <text>       a field's text after the operation
#   near <field> <value> <tol>  a field's number after the operation, within tol
#   end


def text_of(v):
    return "-" if v is None else v


class Writer:
    def __init__(self):
        self.lines = []

    def put(self, *fields):
        self.lines.append("\t".join(str(f) for f in fields))

    def expect(self, out):
        for field, text in out.items():
            if text is None:
                value, tolerance = VALUES[field]
                self.put("near", field, repr(float(value)), repr(tolerance))
            elif isinstance(text, F):
                self.put("near", field, repr(float(text)), repr(1e-12 * max(1.0, abs(float(text)))))
            else:
                self.put("expect", field, text)


def set_row(w, t, i, row):
    a, b, c = (cell(v) for v in row)
    t.rows[i] = (a, b, c)
    w.put("row", i, *(text_of(v) for v in row))


def flags_1v(st):
    return {"ErrorFlag": str(ERROR_FLAG[0]), "ClassesOK1V": str(int(st.ok)),
            "Stats1VReady": str(int(st.ready)), "M1V": str(st.M)}


def operations(w, header, t, rows, ops, near):
    """Writes a case's header and table, and yields its operations other than row edits."""
    NEAR.clear()
    NEAR.update(near or {})
    VALUES.clear()
    w.put("case", *header)
    for i, row in enumerate(rows, start=1):
        if row is not None:
            set_row(w, t, i, row)
    for op in ops:
        if op[0] == "row":
            set_row(w, t, op[1], op[2])
        else:
            yield op[0], op[1:]


def run_1v(w, name, kind, rows, ops, rows_in_use=12, near=None):
    t, st = Table1V(kind, rows_in_use), State1V()
    for name_, args in operations(w, (name, "1v", kind, rows_in_use), t, rows, ops, near):
        if name_ == "pass":
            k, about = args[0], args[1]
            preset = args[2] if len(args) > 2 else 0
            ERROR_FLAG[0] = preset
            out = pass_1v(t, st, k, about)
            out["CmdCuantil_Enabled"] = str(int(t.N >= 200))
            out.update(flags_1v(st))
            w.put("pass", k, about, preset)
        elif name_ == "moments":
            for k in range(5):
                for about in (0, 1):
                    ERROR_FLAG[0] = 0
                    w.put("moment", k, about)
                    w.expect(moment(st, k, about))
            continue
        elif name_ == "cuantil":
            kind_qq, order, value = args
            ERROR_FLAG[0] = 0
            st.kind_qq = kind_qq
            order, value = convert_quantile(t, st, order, value)
            w.put("cuantil", kind_qq, args[1], args[2])
            out = {"Txt1V_QPCT": order, "Txt1V_QQ": value, "ErrorFlag": str(ERROR_FLAG[0])}
        elif name_ in ("change_order", "change_value"):
            ERROR_FLAG[0] = 0
            st.kind_qq = args[0]
            order, value = (args[1], "") if name_ == "change_order" else ("", args[1])
            if st.ok and t.N < 200:
                order, value = convert_quantile(t, st, order, value)
            w.put(name_, args[0], args[1])
            out = {"Txt1V_QPCT": order, "Txt1V_QQ": value}
        elif name_ == "getcuantil":
            p = read_number(args[0])
            x = quantile(t, st, p)
            w.put("getcuantil", args[0])
            out = {"value": F(0) if x is None else x, "ErrorFlag": str(ERROR_FLAG[0])}
        elif name_ == "getcuantilpct":
            x = read_number(args[0])
            p = quantile_pct(t, st, x)
            w.put("getcuantilpct", args[0])
            out = {"value": F(0) if p is None else p, "ErrorFlag": str(ERROR_FLAG[0])}
        elif name_ == "graph":
            w.put("graph")
            out = graph_1v(t, st)
        elif name_ == "optqq":
            old, new, frac, order = args
            st.kind_qq, st.frac = new, F(frac)
            k = None if order == "" else read_number(order)
            if k is not None:
                st.frac = k / QUANTILE_DIVISORS[old]
                order = fmt(QUANTILE_DIVISORS[new] * st.frac, 6)
            w.put("optqq", *args)
            out = {"Label1_67": QUANTILE_SYMBOLS[new], "Txt1V_QPCT": order,
                   "TipoQQ": str(new), "FracQQ": st.frac}
        elif name_ == "captions":
            w.put("captions")
            out = {"LblESTAD1_%d" % k: "One variable statistic:  %s data" % c
                   for k, c in enumerate(("Ungrouped", "Grouped"))}
            for k, c in enumerate(MODELS):
                out["LblESTAD2_%d" % k] = "Two variables statistic:  %s regression analysis" % c
                out["Label1_44_%d" % k] = "Curve of %s regression" % c.upper()
        else:
            raise ValueError(name_)
        w.expect(out)
    w.put("end")


MODELS = ("Linear", "Logarithmic", "Exponential", "Power", "Quadratic")


def run_2v(w, name, model, rows, ops, rows_in_use=12, near=None):
    t, st = Table2V(model, rows_in_use), State2V()
    curve = ""
    for name_, args in operations(w, (name, "2v", model, rows_in_use), t, rows, ops, near):
        if name_ == "model":
            t.model = args[0]
            w.put("model", args[0])
            continue
        if name_ == "pass":
            preset = args[0] if args else 0
            ERROR_FLAG[0] = preset
            out = pass_2v(t, st)
            curve = out["Txt2V_CUR"]
            out["ErrorFlag"] = str(ERROR_FLAG[0])
            for letter, v in zip("ABC", st.coef):
                out["RegCoef" + letter] = fmt(v, 10)
            w.put("pass", preset)
        elif name_ == "estx":
            w.put("estx", args[0])
            out = {"Txt2V_ESTY": estimate(curve, args[0], lambda v: curve_at(t.model, st.coef, v))}
        elif name_ == "esty":
            w.put("esty", args[0])
            out = {"Txt2V_ESTX": estimate(curve, args[0], lambda v: curve_inverse(t.model, st.coef, v))}
        elif name_ == "graph":
            w.put("graph")
            out = graph_2v(t, st, curve)
        elif name_ == "equation":
            w.put("equation", *args)
            out = {"Txt2V_CUR": equation(args[0], *(F(Decimal(v)) for v in args[1:]))}
        else:
            raise ValueError(name_)
        w.expect(out)
    w.put("end")


def P(k=0, about=0, preset=0):
    return ("pass", k, about, preset)


M = ("moments",)
G = ("graph",)


def Q(kind, order, value):
    return ("cuantil", kind, order, value)


def one_variable(w):
    u, g = 0, 1
    run_1v(w, "empty table", u, [], [P(2, 1, preset=1), M, G, Q(2, "50", ""), Q(2, "", "3")])
    run_1v(w, "single value", u, [("5", None, "3")],
           [P(2, 1), M, Q(2, "30", ""), Q(0, "4", ""), Q(2, "", "5"), Q(2, "", "7"),
            ("getcuantil", "0.3"), ("getcuantilpct", "5")])
    run_1v(w, "single value graph", u, [("5", None, "4")], [G])
    run_1v(w, "median interpolates", u, [("1", None, "1"), ("2", None, "1"), ("10", None, "1")],
           [P(0, 0), M, Q(0, "1", ""), Q(0, "3", ""), Q(2, "", "6"), Q(2, "", "1.5")])
    run_1v(w, "ungrouped with frequencies", u,
           [("2", None, "4"), ("3", None, "1"), ("5", None, "6"), ("7", None, "2"), ("11", None, "3")],
           [P(3, 1), M,
            Q(0, "1", ""), Q(0, "2", ""), Q(0, "3", ""), Q(1, "1", ""), Q(1, "9", ""),
            Q(2, "5", ""), Q(2, "50", ""), Q(2, "99.5", ""), Q(2, "0", ""), Q(2, "100", ""),
            Q(2, "", "2"), Q(2, "", "4"), Q(2, "", "6.5"), Q(1, "", "9"), Q(0, "", "10.99"),
            Q(2, "", "11"), Q(2, "", "12"), Q(2, "", "1"), Q(2, "", "abc"), Q(2, "", "1/4"),
            Q(2, "", "3/0"), Q(2, "3/0", ""), Q(2, "1E+400", ""), Q(2, "", "1E+400"),
            Q(0, "5", ""), Q(2, "-1", ""), Q(2, "120", ""), Q(1, "2", "3"), Q(1, "", ""),
            ("change_order", 1, "7"), ("change_value", 0, "5"),
            ("getcuantil", "0"), ("getcuantil", "0.25"), ("getcuantil", "0.5"),
            ("getcuantil", "0.8"), ("getcuantil", "1"), ("getcuantil", "1.01"),
            ("getcuantilpct", "2"), ("getcuantilpct", "2.5"), ("getcuantilpct", "4"),
            ("getcuantilpct", "9"), ("getcuantilpct", "11"), G])
    run_1v(w, "quantiles of 1 2 3 4", u, [(v, None, "1") for v in ("1", "2", "3", "4")],
           [P(), ("getcuantil", "0.5"), ("getcuantilpct", "2.5"), ("getcuantil", "0"),
            ("getcuantil", "1"), ("getcuantilpct", "0.5"), ("getcuantilpct", "9"),
            Q(2, "50", ""), Q(2, "", "2.5"), Q(0, "5", ""), Q(2, "-1", "")])
    run_1v(w, "zero frequencies inside", u,
           [("1", None, "2"), ("2", None, "0"), ("3", None, "0"), ("4", None, "2"), ("8", None, "1")],
           [P(4, 0), M, Q(1, "4", ""), Q(1, "5", ""), Q(1, "6", ""), Q(2, "", "2.5"),
            Q(2, "", "3"), Q(2, "", "6")])
    run_1v(w, "mode tie", u, [("1", None, "2"), ("2", None, "2"), ("3", None, "1")], [P(1, 0), M])
    run_1v(w, "mode tie on a long table", u, [("1", None, "2"), ("2", None, "2"), ("3", None, "1")],
           [P(1, 0), ("change_order", 2, "50"), ("change_value", 2, "2"), Q(2, "50", "")],
           rows_in_use=250)
    run_1v(w, "same value twice", u, [("4", None, "3"), ("4", None, "3"), ("2", None, "1")],
           [P(), Q(2, "50", ""), G])
    run_1v(w, "values not rising", u, [("3", None, "1"), ("1", None, "4"), ("2", None, "1")],
           [P(), Q(2, "50", ""), Q(2, "", "2")])
    run_1v(w, "blank row between", u,
           [("1", None, "1"), ("2", None, "3"), None, ("4", None, "1")], [P(), G])
    run_1v(w, "partly filled row", u, [("1", None, "1"), ("2", None, None), ("4", None, "1")],
           [P(2, 1), M])
    run_1v(w, "zero total frequency", u, [("3", None, "0")], [P(0, 0, preset=1), M])
    # A negative frequency leaves every box empty, whatever the rest of the table would give:
    # a negative variance, a mean outside the data, or numbers that merely look possible.
    run_1v(w, "negative variance", u, [("0", None, "2"), ("10", None, "-1")], [P(2, 1), M, G])
    run_1v(w, "negative frequency", u,
           [("1", None, "2"), ("2", None, "2"), ("3", None, "1"), ("43", None, "-1")],
           [P(2, 1), M, G, Q(2, "50", "")])
    run_1v(w, "negative frequency, positive variance", u,
           [("1", None, "3"), ("2", None, "-1"), ("5", None, "2")], [P(2, 0), M])
    run_1v(w, "negative frequency of a class", g,
           [("0", "10", "2"), ("10", "20", "-1"), ("20", "30", "3")], [P(2, 1), G])
    run_1v(w, "power overflow", u, [("1E+100", None, "1"), ("2", None, "1")], [P(), M])
    run_1v(w, "far from zero (1000000.x)", u,
           [("1000000.1", None, "1"), ("1000000.2", None, "1"), ("1000000.3", None, "1")],
           # m3 and the skewness are what the doubles' departure from 0.1 steps leaves: a
           # cancellation no arithmetic on the stored values holds to all digits
           [P(3, 1), M], near={"Txt1V_MM[3,1]": 1e-9, "Txt1V_AS": 1e-15})
    run_1v(w, "far from zero (1000.x)", u,
           [("1000.1", None, "1"), ("1000.2", None, "2"), ("1000.5", None, "1")],
           [P(4, 1), M])
    run_1v(w, "far from zero (10000001 to 10000003)", u,
           [("10000001", None, "1"), ("10000003", None, "1"), ("10000002", None, "1")],
           [P(4, 1), M])
    run_1v(w, "far from zero, grouped", g,
           [("10000000", "10000000.2", "2"), ("10000000.2", "10000000.4", "3")], [P(2, 1)])
    # Data holding one value have variance 0, and no skewness, whatever their size.
    for value, times in (("5", 3), ("0.1", 3), ("10000000.1", 5), ("1E-300", 2), ("-7.3", 4)):
        run_1v(w, "constant %s %d times" % (value, times), u,
               [(value, None, "1")] * times + [("2", None, "0")], [P(2, 1)])
    # Many rows of a small frequency: the mean's rounding error no longer cancels by itself.
    run_1v(w, "constant 10000000.1 in 100 rows of frequency 0.1", u,
           [("10000000.1", None, "0.1")] * 100, [P(2, 1)], rows_in_use=100)
    run_1v(w, "constant after varied data", u, [("2.5", None, "1"), ("4", None, "3")],
           [P(2, 1), ("row", 2, ("2.5", None, "3")), P(3, 1)])
    run_1v(w, "constant classes", g, [("0.05", "0.15", "2")] * 3, [P(3, 1)])
    run_1v(w, "invalid pass after a grouped one", g, [("0", "10", "2"), ("10", "20", "5")],
           [P(), G, ("row", 2, ("10", None, "5")), P(), G, Q(2, "50", "")])
    run_1v(w, "mesokurtic", u, [("-1", None, "1"), ("0", None, "4"), ("1", None, "1")], [P()])
    run_1v(w, "leptokurtic", u, [("-1", None, "1"), ("0", None, "8"), ("1", None, "1")], [P()])
    run_1v(w, "platykurtic and left-skewed", u, [("1", None, "1"), ("5", None, "1"), ("6", None, "1")],
           [P()])
    run_1v(w, "nearly symmetrical", u,
           [("-1", None, "1"), ("0", None, "1"), ("1.0000004", None, "1")], [P()])
    run_1v(w, "negative mean", u, [("-3", None, "1"), ("-1", None, "2")], [P()])
    run_1v(w, "zero mean", u, [("-2", None, "1"), ("2", None, "1")], [P()])

    run_1v(w, "grouped classes", g, [("0", "10", "2"), ("10", "20", "5"), ("20", "30", "3")],
           [P(2, 1), M, Q(0, "1", ""), Q(1, "5", ""), Q(2, "100", ""), Q(2, "0", ""),
            Q(2, "", "16"), Q(2, "", "10"), Q(1, "", "25"), Q(2, "", "-5"), Q(2, "", "30"),
            ("getcuantilpct", "10"), ("getcuantilpct", "20"), ("getcuantil", "0.2"), G])
    run_1v(w, "grouped classes away from zero", g,
           [("10", "20", "3"), ("20", "36", "6"), ("36", "40", "1")],
           [P(1, 1), M, Q(0, "3", ""), Q(2, "", "33"), G])
    run_1v(w, "grouped unequal widths", g, [("0", "10", "10"), ("10", "12", "4"), ("12", "20", "2")],
           [P(), Q(2, "90", ""), G])
    run_1v(w, "grouped two unequal widths", g, [("0", "10", "3"), ("10", "30", "5")], [P(), G])
    run_1v(w, "grouped tenths", g, [("0.1", "0.2", "2"), ("0.2", "0.3", "5"), ("0.3", "0.4", "1")],
           [P(), G])
    run_1v(w, "grouped first class modal", g, [("0", "5", "9"), ("5", "10", "3"), ("10", "15", "1")],
           [P()])
    run_1v(w, "grouped density tie", g, [("0", "10", "4"), ("10", "15", "2"), ("15", "20", "1")],
           [P()])
    run_1v(w, "grouped zero-frequency class", g,
           [("0", "1", "1"), ("1", "2", "0"), ("2", "3", "1")],
           [P(4, 0), Q(2, "50", ""), Q(2, "", "1.5"), Q(2, "", "2.25")])
    run_1v(w, "grouped single class", g, [("2", "4", "5")],
           [P(2, 0), Q(0, "1", ""), Q(2, "", "3.5"), G])
    run_1v(w, "grouped classes not touching", g, [("0", "10", "2"), ("11", "20", "3")],
           [P(), Q(2, "50", ""), G])
    run_1v(w, "grouped partly filled row", g, [("0", "10", "2"), ("10", None, "3")], [P()])
    run_1v(w, "row count beyond the arrays", u, [None] * 10000 + [("4", None, "2")],
           [P(1, 0), G], rows_in_use=50000)
    # The order box is re-expressed from its own text, whatever fraction an earlier
    # conversion left behind: (kind before, kind chosen, fraction left, order box).
    run_1v(w, "quantile kinds", u, [],
           [("optqq",) + c for c in (
               (0, 2, "0.75", "3"), (2, 0, "0.75", "75"), (1, 2, "0.75", "1"),
               (2, 1, "0.5", "33"), (2, 0, "0.5", "100/3"), (1, 1, "0.5", " 2.5 "),
               (0, 2, "0.5", "5"), (0, 2, "0.5", "3/0"), (2, 1, "0.5", "1E+400"),
               (0, 1, "0.5", ""))] + [("captions",)])
    run_1v(w, "bars over a huge range", u, [("1E+308", None, "1"), ("-1E+308", None, "2")], [G])
    run_1v(w, "bars beyond the doubles", u, [("1.7E+308", None, "1"), ("-1.7E+308", None, "2")], [G])
    run_1v(w, "a bar beyond the doubles", u, [("1.5E+308", None, "1")], [G])


def two_variables(w):
    L, LOG, EXP, POW, QUA = 0, 1, 2, 3, 4
    run_2v(w, "linear through the origin", L, [("1", "2", "1"), ("2", "4", "1"), ("3", "6", "1")],
           [("pass",), ("estx", "2.5"), ("esty", "7"), ("graph",)])
    run_2v(w, "linear 1 + 2x", L, [("1", "3", "1"), ("2", "5", "1")],
           [("pass",), ("estx", "3"), ("esty", "7"), ("estx", "3/0"), ("esty", "1E+400"),
            ("estx", "  "), ("esty", "1/2"), G])
    run_2v(w, "linear both negative", L, [("0", "-2", "1"), ("1", "-5", "1")], [("pass",)])
    run_2v(w, "linear slope -1", L, [("0", "5", "1"), ("5", "0", "1")], [("pass",), ("esty", "2")])
    run_2v(w, "linear slope 1", L, [("1", "1", "1"), ("2", "2", "1")], [("pass",)])
    run_2v(w, "linear with frequencies", L,
           [("1", "2.3", "2"), ("2", "2.9", "1"), ("3", "4.4", "3"), ("4", "4.6", "1"),
            ("6", "7.7", "2"), ("7", "7.4", "1")],
           [("pass",), ("estx", "5"), ("esty", "5"), G])
    run_2v(w, "linear over years", L,
           [(str(2000 + i), str(v), "1") for i, v in enumerate([12, 15, 15, 19, 22, 22, 27, 30, 31, 35, 38])],
           [("pass",), ("estx", "2016"), ("esty", "50")])
    run_2v(w, "logarithmic", LOG,
           [("1", "2.1", "1"), ("2", "4.0", "2"), ("4", "6.2", "1"), ("8", "8.1", "1"), ("16", "9.8", "1")],
           [("pass",), ("estx", "10"), ("estx", "-1"), ("esty", "5"), G])
    run_2v(w, "logarithmic with x = 0", LOG, [("1", "2", "1"), ("0", "3", "1"), ("2", "4", "1")],
           [("pass",), G])
    run_2v(w, "logarithmic negative x after zero total", LOG, [("-1", "2", "0")], [("pass", 1)])
    run_2v(w, "exponential 3 * 2^x", EXP, [("0", "3", "1"), ("1", "6", "1"), ("2", "12", "1")],
           [("pass",), ("estx", "3"), ("esty", "24"), ("esty", "-1"), ("esty", "0"), G])
    run_2v(w, "exponential growth", EXP,
           [("1", "2.7", "1"), ("2", "7.4", "3"), ("3", "20", "1"), ("5", "150", "2")],
           [("pass",), ("estx", "4"), ("esty", "50")])
    run_2v(w, "exponential with y = 0", EXP, [("1", "2", "1"), ("2", "0", "1")], [("pass",)])
    run_2v(w, "exponential base beyond the doubles", EXP, [("0", "1", "1"), ("0.5", "1E+308", "1")],
           [("pass",), ("estx", "0.25"), G])
    run_2v(w, "exponential constant 1", EXP, [("1", "1", "1"), ("2", "1", "1")],
           [("pass",), ("estx", "7"), ("esty", "1")])
    run_2v(w, "exponential constant 5", EXP, [("1", "5", "1"), ("2", "5", "1")],
           [("pass",), ("esty", "5")])
    run_2v(w, "power 3x", POW, [("1", "3", "1"), ("2", "6", "1"), ("4", "12", "1")], [("pass",)])
    run_2v(w, "power x squared", POW, [("1", "1", "1"), ("2", "4", "1"), ("3", "9", "1")],
           [("pass",), ("estx", "-3"), ("esty", "-4")])
    run_2v(w, "power negative exponent", POW, [("1", "2", "1"), ("4", "1", "1"), ("16", "0.5", "1")],
           [("pass",), ("esty", "0.25"), G])
    run_2v(w, "power square root", POW, [("1", "2", "1"), ("4", "4", "1"), ("16", "8", "1")],
           [("pass",), ("estx", "16"), ("estx", "-4"), ("esty", "-1"), ("esty", "6")])
    run_2v(w, "power fifth root", POW, [("1", "2", "1"), ("32", "4", "1"), ("1024", "8", "1")],
           [("pass",), ("esty", "-4"), ("esty", "4")])
    run_2v(w, "power cube root", POW, [("1", "1", "1"), ("8", "2", "1"), ("27", "3", "1")],
           [("pass",), ("esty", "-2"), ("esty", "2")])
    run_2v(w, "power constant 1", POW, [("1", "1", "1"), ("2", "1", "1")], [("pass",), ("estx", "5")])
    run_2v(w, "power scattered", POW,
           [("0.5", "1.2", "1"), ("1", "2.1", "2"), ("3", "4.9", "1"), ("6", "7.2", "1"), ("10", "9.8", "2")],
           [("pass",), ("estx", "2"), ("esty", "3"), G])
    run_2v(w, "power with x = 0", POW, [("1", "1", "1"), ("0", "1", "1")], [("pass",)])
    run_2v(w, "quadratic (x - 1) squared", QUA,
           [("0", "1", "1"), ("1", "0", "1"), ("2", "1", "1"), ("3", "4", "1")],
           [("pass",), ("estx", "5"), ("esty", "4"), ("esty", "-1"), G])
    run_2v(w, "quadratic 9 - x squared", QUA,
           [("-2", "5", "1"), ("-1", "8", "1"), ("0", "9", "1"), ("1", "8", "1"), ("2", "5", "1")],
           [("pass",), ("esty", "5"), ("esty", "10")])
    run_2v(w, "quadratic scattered", QUA,
           [("-1", "4.2", "1"), ("0", "1.1", "2"), ("1", "0.2", "1"), ("2", "0.9", "1"),
            ("3", "4.1", "2"), ("4", "8.8", "1")],
           [("pass",), ("estx", "1.5"), ("esty", "3"), G])
    run_2v(w, "quadratic over years", QUA,
           [(str(2000 + i), str(v), "1") for i, v in enumerate([3, 5, 9, 16, 24, 35, 47, 62, 78, 97, 117])],
           [("pass",), ("estx", "2012"), ("esty", "150"), G])
    run_2v(w, "quadratic over years, falling", QUA,
           [(str(1990 + i), str(v), "1") for i, v in enumerate([900, 870, 851, 830, 820, 818, 815, 822, 830])],
           [("pass",), ("estx", "2000"), ("esty", "900")])
    run_2v(w, "quadratic that becomes singular", QUA,
           [("1", "2", "1"), ("2", "5", "1"), ("3", "10", "1")],
           [("pass",), ("row", 3, ("2", "10", "1")), ("pass",), ("estx", "2"),
            ("row", 3, ("3", "10", "0")), ("pass",), G])
    run_2v(w, "quadratic nearly singular", QUA,
           [("0", "1", "1"), ("1", "2", "1"), ("1.000000001", "3", "1")], [("pass",)])
    run_2v(w, "all x equal", L, [("2", "1", "1"), ("2", "5", "2")], [("pass",), ("estx", "2"), G])
    run_2v(w, "far from zero", L,
           [("10000000.%d" % i if i < 10 else "10000001.0", str(y), "1")
            for i, y in zip(range(1, 11), (2, 2.2, 2.5, 2.6, 2.8, 3.1, 3.2, 3.4, 3.7, 3.8))],
           [("pass",)])
    run_2v(w, "x constant far from zero", L,
           [("10000000.1", "1", "1"), ("10000000.1", "2", "1"), ("10000000.1", "4", "2")],
           [("pass",), ("model", POW), ("pass",)])
    run_2v(w, "x constant in 100 rows of frequency 0.1", L,
           [("10000000.1", str(3 * i + 1), "0.1") for i in range(100)], [("pass",)], rows_in_use=100)
    run_2v(w, "y constant in 100 rows of frequency 0.1", L,
           [(str(i), "0.7", "0.1") for i in range(100)], [("pass",)], rows_in_use=100)
    run_2v(w, "y constant 0.1", L, [("1", "0.1", "1"), ("2", "0.1", "1"), ("3", "0.1", "1")],
           [("pass",), ("model", LOG), ("pass",)])
    run_2v(w, "all x zero", L, [("0", "1", "1"), ("0", "5", "2")], [G])
    run_2v(w, "all y equal", L, [("1", "5", "1"), ("3", "5", "2")], [("pass",), ("esty", "5")])
    run_2v(w, "single row", L, [("4", "7", "2")], [("pass",), G])
    run_2v(w, "partly filled row", L, [("1", "2", "1"), ("2", None, "1")], [("pass",), G])
    run_2v(w, "zero total frequency", L, [("1", "2", "0"), ("3", "2", "0")], [("pass", 1)])
    # A negative frequency leaves every box empty and the last fit's coefficients as they were;
    # the graph still shows the points, without a curve.
    run_2v(w, "negative frequency", L, [("1", "3", "1"), ("2", "5", "1"), ("4", "9", "2")],
           [("pass",), ("row", 2, ("2", "5", "-1")), ("pass",), ("estx", "3"), G])
    run_2v(w, "negative frequency, every model", L,
           [("1", "1.5", "2"), ("2", "2.2", "-1"), ("3", "3.9", "2")],
           [("pass",), ("model", LOG), ("pass",), ("model", EXP), ("pass",), ("model", POW),
            ("pass",), ("model", QUA), ("pass",)])
    run_2v(w, "negative frequency after x = 0", LOG, [("0", "2", "1"), ("1", "3", "-1")],
           [("pass",)])
    run_2v(w, "empty table", L, [], [("pass", 1), G])
    run_2v(w, "row count beyond the arrays", L, [None] * 10000 + [("1", "2", "3")],
           [("pass",), G], rows_in_use=50000)
    # The equation box, blanks included: (model, A, B, C).
    run_2v(w, "equation texts", L, [], [("equation",) + c for c in (
        (0, "2", "3", "0"), (0, "-2", "-3", "0"), (0, "0", "1", "0"), (0, "0", "2", "0"),
        (0, "5", "-1", "0"), (0, "0", "-4", "0"), (0, "7", "0", "0"), (0, "0", "0", "0"),
        (0, "0.1234567891", "1E-20", "0"), (1, "2", "3", "0"), (1, "-1.5", "1", "0"),
        (1, "0", "-1", "0"), (2, "2", "1.5", "0"), (2, "3", "2", "0"), (2, "1", "0.5", "0"),
        (2, "4", "1", "0"), (2, "1", "1", "0"), (2, "0", "2", "0"), (2, "2", "0", "0"),
        (3, "2", "1.5", "0"), (3, "2", "-0.5", "0"), (3, "3", "1", "0"), (3, "1", "2", "0"),
        (3, "1", "1", "0"), (3, "5", "0", "0"), (3, "1", "0", "0"), (3, "0", "2", "0"),
        (4, "2", "-3", "1"), (4, "1", "-2", "1"), (4, "-1", "0", "9"), (4, "0", "1", "-1"),
        (4, "0", "0", "-2.5"), (4, "-0.5", "-1", "0"), (4, "0", "0", "0"))])
    run_2v(w, "one table, every model", L,
           [("1", "1.5", "1"), ("2", "2.2", "1"), ("3", "3.9", "2"), ("5", "7.1", "1")],
           [("pass",), ("model", LOG), ("pass",), ("model", EXP), ("pass",), ("model", POW),
            ("pass",), ("model", QUA), ("pass",), G])


def main():
    w = Writer()
    w.put("# Expected results of the statistics' core: written by tools/stats_reference.py.")
    one_variable(w)
    two_variables(w)
    sys.stdout.write("\n".join(w.lines) + "\n")


if __name__ == "__main__":
    main()
