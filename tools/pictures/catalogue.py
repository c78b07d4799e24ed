"""Every picture the panels load by name: what each one shows and the box it must fit.

The panels build file names from their codes and keep small symbol pictures in arrays; the
arrays are shipped as files named <Array>_<index>.gif. Sizes are pixels: a picture must be at
most `width` wide and between `hmin` and `hmax` high (equal where the panel decides what to
show from the height). make_pictures.py draws from these entries and writes manifest.tsv,
which the picture-set test reads.
"""

from dataclasses import dataclass, field

# The boxes the big pictures are shown in (width, height): the inside of the frame or the
# control that shows each one, which never scales a picture. Graphs fill their frame exactly.
TEST_GRAPH = (290, 188)      # hypothesis test: distribution of the statistic (frame 292 x 190)
TEST_FORMULA = (290, 180)    # hypothesis test: statistic and region (frame 292 x 186, top + 5)
IC_GRAPH = (290, 188)        # confidence interval: central area 1 - alpha (frame 292 x 190)
IC_FORMULA = (290, 184)      # confidence interval: the interval (frame 292 x 186)
IC_MARGIN = (256, 56)        # "E = ..." in front of the margin box, which must end before the
                             # percentage points 2 + 110 pixels further right
DI_GRAPH = (480, 298)        # distribution panel: the region shaded (frame 482 x 300)
DI_FORMULA = (480, 228)      # distribution panel: the probability (frame 482 x 250, top + 20)
EST_FORMULA = (410, 90)      # two-variable panel: the model (result area, from 558, 87)
VENN = (410, 280)            # A and B panel: the Venn diagram fills its control
FORMULA_SHEET = (990, 250)   # A and B panel: the formula sheet, from its control's corner


@dataclass
class Picture:
    name: str
    kind: str                 # graph, formula, symbol, venn, absent
    width: int
    hmin: int
    hmax: int
    lines: list = field(default_factory=list)   # TeX lines (formula, symbol)
    graph: dict = field(default_factory=dict)    # what a graph draws
    family: str = ""          # pictures drawn at one common font size
    size: float = 13.0        # starting font size in points (100 dpi)
    slots: list = field(default_factory=list)    # symbol lines: heights of their rows
    gap: int = 0              # symbol lines: white rows between one row and the next
    side_by_side: bool = False  # first line left of the others

    def content(self):
        if self.kind == "graph":
            g = self.graph
            text = lambda v: ", ".join(map(str, v)) if isinstance(v, (list, tuple)) else v
            return "; ".join(f"{k}={text(v)}" for k, v in g.items())
        if self.kind == "venn":
            return "Venn diagram of A and B in the sample space, A and B shaded in their intersection"
        if self.kind == "absent":
            return "must not exist: its absence hides the margin box"
        return " \\\\ ".join(self.lines)


def formula(name, box, lines, family, size=15.0):
    return Picture(name, "formula", box[0], 1, box[1], lines=lines, family=family, size=size)


def symbol(name, width, height, lines, family, hmin=None, slots=None, size=14.0, gap=0):
    slots = slots or [height]
    # Rows run from the top; what they leave below stays white.
    assert sum(slots) + gap * (len(slots) - 1) <= height, f"{name}: rows do not fit it"
    return Picture(name, "symbol", width, hmin if hmin is not None else height, height,
                   lines=lines, family=family, size=size, slots=slots, gap=gap)


# A two-line symbol stands in front of two boxes 20 high whose tops are 22 apart: its lines
# take the boxes' rows, so that the white rows between the boxes part them too (a "1" below
# one line would otherwise sit on the "2" above the next).
BOX_ROWS = dict(slots=[20, 20], gap=2)


def graph(name, box, family, **g):
    return Picture(name, "graph", box[0], box[1], box[1], graph=g, family=family)


# ---------------------------------------------------------------------------------------
# Hypothesis tests and confidence intervals
# ---------------------------------------------------------------------------------------

CODES = ["MVC", "MVD", "VAR", "PRO", "2MC", "2MD", "2MI", "2VA", "2PR"]
TAG_OF_CODE = {"MVC": "DN", "MVD": "DT", "VAR": "DX", "PRO": "DN", "2MC": "DN",
               "2MD": "DT", "2MI": "DT", "2VA": "DF", "2PR": "DN"}
SIDES = {"L": 0, "B": 1, "R": 2}

WELCH = (r"$\nu=\frac{(s_1^2/n_1+s_2^2/n_2)^2}"
         r"{(s_1^2/n_1)^2/(n_1-1)+(s_2^2/n_2)^2/(n_2-1)}$")
POOLED_S = r"$S_p=\sqrt{\frac{(n_1-1)\,s_1^2+(n_2-1)\,s_2^2}{n_1+n_2-2}}$"
POOLED_P = r"$\hat{p}=\frac{n_1\hat{p}_1+n_2\hat{p}_2}{n_1+n_2}$"

STATISTIC = {
    "MVC": [r"$z_0=\frac{\bar{x}-\mu_0}{\sqrt{\sigma^2/n}}$"],
    "MVD": [r"$t_0=\frac{\bar{x}-\mu_0}{\sqrt{s^2/n}}$"],
    "VAR": [r"$\chi^2_0=\frac{(n-1)\,s^2}{\sigma_0^2}$"],
    "PRO": [r"$z_0=\frac{\hat{p}-p_0}{\sqrt{p_0\,(1-p_0)/n}}$"],
    "2MC": [r"$z_0=\frac{\bar{x}_1-\bar{x}_2-\Delta_0}"
            r"{\sqrt{\sigma_1^2/n_1+\sigma_2^2/n_2}}$"],
    "2MD": [r"$t_0=\frac{\bar{x}_1-\bar{x}_2-\Delta_0}{\sqrt{s_1^2/n_1+s_2^2/n_2}}$", WELCH],
    "2MI": [r"$t_0=\frac{\bar{x}_1-\bar{x}_2-\Delta_0}{S_p\,\sqrt{1/n_1+1/n_2}}$", POOLED_S],
    "2VA": [r"$F_0=\frac{s_1^2}{s_2^2}$"],
    "2PR": [r"$z_0=\frac{\hat{p}_1-\hat{p}_2}"
            r"{\sqrt{\hat{p}\,(1-\hat{p})\,(1/n_1+1/n_2)}}$", POOLED_P],
}

# Degrees of freedom of the t statistic, as they appear in the subscripts.
T_DF = {"MVD": "n-1", "2MD": r"\nu", "2MI": "n_1+n_2-2"}


def region(code, side):
    """The acceptance region of the test, upper-tail subscripts as the tables read them."""
    tag = TAG_OF_CODE[code]
    if tag == "DN":
        s, lo2, hi2, lo1, hi1 = "z_0", r"-z_{\alpha/2}", r"z_{\alpha/2}", r"-z_{\alpha}", r"z_{\alpha}"
        inf_lo = r"-\infty"
    elif tag == "DT":
        k = T_DF[code]
        s = "t_0"
        lo2, hi2 = rf"-t_{{\alpha/2,\,{k}}}", rf"t_{{\alpha/2,\,{k}}}"
        lo1, hi1 = rf"-t_{{\alpha,\,{k}}}", rf"t_{{\alpha,\,{k}}}"
        inf_lo = r"-\infty"
    elif tag == "DX":
        s = r"\chi^2_0"
        lo2, hi2 = r"\chi^2_{1-\alpha/2,\,n-1}", r"\chi^2_{\alpha/2,\,n-1}"
        lo1, hi1 = r"\chi^2_{1-\alpha,\,n-1}", r"\chi^2_{\alpha,\,n-1}"
        inf_lo = "0"
    else:
        s = "F_0"
        d = r"n_1-1,\,n_2-1"
        lo2, hi2 = rf"F_{{1-\alpha/2,\,{d}}}", rf"F_{{\alpha/2,\,{d}}}"
        lo1, hi1 = rf"F_{{1-\alpha,\,{d}}}", rf"F_{{\alpha,\,{d}}}"
        inf_lo = "0"
    a, b = {"B": (lo2, hi2), "L": (lo1, r"+\infty"), "R": (inf_lo, hi1)}[side]
    return rf"${s}\in({a},\ {b})$"


# What the statistic's distribution looks like in the test and interval graphs.
DIST = {
    "DN": dict(dist="norm", params=(), title=r"$z_0\sim N(0,\,1)$", sym="z"),
    "DT": dict(dist="t", params=(6,), title=r"Student's $t$", sym="t"),
    "DX": dict(dist="chi2", params=(6,), title=r"$\chi^2_0\sim\chi^2_{n-1}$", sym=r"\chi^2"),
    "DF": dict(dist="f", params=(9, 12), title=r"$F_0\sim F_{n_1-1,\,n_2-1}$", sym="F"),
}


def critical_labels(tag, side):
    sym = DIST[tag]["sym"]
    symmetric = tag in ("DN", "DT")
    if side == "B":
        return ([rf"$-{sym}_{{\alpha/2}}$", rf"${sym}_{{\alpha/2}}$"] if symmetric else
                [rf"${sym}_{{1-\alpha/2}}$", rf"${sym}_{{\alpha/2}}$"])
    if side == "L":
        return [rf"$-{sym}_{{\alpha}}$"] if symmetric else [rf"${sym}_{{1-\alpha}}$"]
    return [rf"${sym}_{{\alpha}}$"]


def test_pictures():
    out = []
    for tag in ("DN", "DT", "DX", "DF"):
        for side in ("L", "B", "R"):
            d = DIST[tag]
            out.append(graph(f"CH_{tag}{side}.gif", TEST_GRAPH, "test-graph", purpose="test",
                             dist=d["dist"], params=d["params"], side=side,
                             shaded="rejection region", critical=critical_labels(tag, side),
                             title=d["title"]))
    for code in CODES:
        for side in ("L", "B", "R"):
            out.append(formula(f"CH_F{code}{side}.gif", TEST_FORMULA,
                               STATISTIC[code] + ["Acceptance region:", region(code, side)],
                               f"test-formula-{code}"))
    return out


# Two-sample intervals name their margin E on a line of its own, so that they stay readable
# in a frame 290 pixels wide.
DIFF_MEANS = r"$\mu_1-\mu_2\in\left(\bar{x}_1-\bar{x}_2\pm E\right)$"
INTERVAL = {
    "MVC": [r"$\mu\in\left(\bar{x}\pm z_{\alpha/2}\sqrt{\frac{\sigma^2}{n}}\right)$"],
    "MVD": [r"$\mu\in\left(\bar{x}\pm t_{\alpha/2,\,n-1}\sqrt{\frac{s^2}{n}}\right)$"],
    "VAR": [(r"$\sigma^2\in\left(\frac{(n-1)\,s^2}{\chi^2_{\alpha/2,\,n-1}},\ "
             r"\frac{(n-1)\,s^2}{\chi^2_{1-\alpha/2,\,n-1}}\right)$")],
    "PRO": [r"$p\in\left(\hat{p}\pm z_{\alpha/2}\sqrt{\frac{\hat{p}\,(1-\hat{p})}{n}}\right)$"],
    "2MC": [DIFF_MEANS,
            r"$E=z_{\alpha/2}\sqrt{\frac{\sigma_1^2}{n_1}+\frac{\sigma_2^2}{n_2}}$"],
    "2MD": [DIFF_MEANS,
            r"$E=t_{\alpha/2,\,\nu}\sqrt{\frac{s_1^2}{n_1}+\frac{s_2^2}{n_2}}$"],
    "2MI": [DIFF_MEANS,
            r"$E=t_{\alpha/2,\,n_1+n_2-2}\,S_p\sqrt{\frac{1}{n_1}+\frac{1}{n_2}}$"],
    "2VA": [r"$\frac{\sigma_1^2}{\sigma_2^2}\in\left(L,\ U\right)$",
            r"$L=\frac{s_1^2}{s_2^2}\,F_{1-\alpha/2,\,n_2-1,\,n_1-1}$",
            r"$U=\frac{s_1^2}{s_2^2}\,F_{\alpha/2,\,n_2-1,\,n_1-1}$"],
    "2PR": [r"$p_1-p_2\in\left(\hat{p}_1-\hat{p}_2\pm E\right)$",
            (r"$E=z_{\alpha/2}\sqrt{\frac{\hat{p}_1(1-\hat{p}_1)}{n_1}+"
             r"\frac{\hat{p}_2(1-\hat{p}_2)}{n_2}}$")],
}
INTERVAL_EXTRA = {"2MD": [WELCH], "2MI": [POOLED_S]}

MARGIN = {
    "MVC": r"$E=z_{\alpha/2}\sqrt{\frac{\sigma^2}{n}}=$",
    "MVD": r"$E=t_{\alpha/2,\,n-1}\sqrt{\frac{s^2}{n}}=$",
    "PRO": r"$E=z_{\alpha/2}\sqrt{\frac{\hat{p}\,(1-\hat{p})}{n}}=$",
    "2MC": r"$E=z_{\alpha/2}\sqrt{\frac{\sigma_1^2}{n_1}+\frac{\sigma_2^2}{n_2}}=$",
    "2MD": r"$E=t_{\alpha/2,\,\nu}\sqrt{\frac{s_1^2}{n_1}+\frac{s_2^2}{n_2}}=$",
    "2MI": r"$E=t_{\alpha/2,\,n_1+n_2-2}\,S_p\sqrt{\frac{1}{n_1}+\frac{1}{n_2}}=$",
    "2PR": (r"$E=z_{\alpha/2}\sqrt{\frac{\hat{p}_1(1-\hat{p}_1)}{n_1}+"
            r"\frac{\hat{p}_2(1-\hat{p}_2)}{n_2}}=$"),
}

IC_CRITICAL = {
    "DN": [r"$-z_{\alpha/2}$", r"$z_{\alpha/2}$"],
    "DT": [r"$-t_{\alpha/2}$", r"$t_{\alpha/2}$"],
    "DX": [r"$\chi^2_{1-\alpha/2,\,n-1}$", r"$\chi^2_{\alpha/2,\,n-1}$"],
    "DF": [r"$F_{1-\alpha/2}$", r"$F_{\alpha/2}$"],
}
IC_TITLE = {"DN": r"$N(0,\,1)$", "DT": r"Student's $t$", "DX": r"$\chi^2_{n-1}$",
            "DF": r"$F_{n_2-1,\,n_1-1}$"}


def interval_pictures():
    out = []
    for tag in ("DN", "DT", "DX", "DF"):
        d = DIST[tag]
        out.append(graph(f"IC_{tag}.GIF", IC_GRAPH, "ic-graph", purpose="interval",
                         dist=d["dist"], params=d["params"], side="B",
                         shaded="central area 1-alpha, tails alpha/2",
                         critical=IC_CRITICAL[tag], title=IC_TITLE[tag]))
    for code in CODES:
        out.append(formula(f"IC_F{code}.GIF", IC_FORMULA,
                           INTERVAL[code] + INTERVAL_EXTRA.get(code, []), f"ic-formula-{code}"))
    for code in CODES:
        if code in MARGIN:
            out.append(formula(f"IC_E{code}.GIF", IC_MARGIN, [MARGIN[code]], f"ic-margin-{code}"))
        else:
            out.append(Picture(f"IC_E{code}.GIF", "absent", 0, 0, 0))
    return out


def test_symbols():
    out = []
    groups = [(0, r"\mu", None), (10, "p", None), (20, r"\sigma^2", None),
              (30, r"\mu_1-\mu_2", None), (40, r"\sigma_1^2", r"\sigma_2^2"),
              (50, "p_1", "p_2")]
    for base, par, fixed in groups:
        for side, rel in enumerate(("<", r"\neq", ">")):
            if fixed is None:
                lines = [rf"$H_0\!:\ {par}\,=$", rf"$H_1\!:\ {par}\,{rel}$"]
            else:
                lines = [rf"$H_0\!:\ {par}={fixed}$", rf"$H_1\!:\ {par}{rel} {fixed}$"]
            out.append(symbol(f"ImgH0H1_{base + side}.gif", 130, 42, lines, "h0h1",
                              **BOX_ROWS))
    stat = {0: "z_0", 10: "t_0", 20: r"\chi^2_0", 30: "F_0"}
    for base, s in stat.items():
        for off, rel in enumerate(("=", r"\in", r"\notin")):
            out.append(symbol(f"ImgPP_{base + off}.gif", 60, 18, [rf"${s}\ {rel}$"],
                              f"pp{base}", size=16.0))
    one = {0: "n", 10: r"\bar{x}", 20: r"\sigma^2", 30: "s^2", 40: r"\hat{p}"}
    two = {1: ("n_1", "n_2"), 11: (r"\bar{x}_1", r"\bar{x}_2"),
           21: (r"\sigma_1^2", r"\sigma_2^2"), 31: ("s_1^2", "s_2^2"),
           41: (r"\hat{p}_1", r"\hat{p}_2")}
    for i, s in one.items():
        out.append(symbol(f"ImgNMVP_{i}.gif", 60, 17, [rf"${s}\,=$"], "nmvp", hmin=14))
    for i, (a, b) in two.items():
        out.append(symbol(f"ImgNMVP_{i}.gif", 60, 42, [rf"${a}\,=$", rf"${b}\,=$"], "nmvp2",
                          **BOX_ROWS))
    for i, s in {5: r"\nu", 6: "S_p", 8: r"\hat{p}"}.items():
        out.append(symbol(f"ImgPESP_{i}.gif", 60, 22, [rf"${s}\,=$"], "pesp"))
    out.append(symbol("ImgALFA2.gif", 90, 24, [r"$\alpha/2\,=$"], "alfa"))
    out.append(symbol("Img1MAlfa2.gif", 90, 24, [r"$1-\alpha/2\,=$"], "alfa"))
    return out


def interval_symbols():
    out = []
    params = [r"\mu", "p", r"\sigma^2", r"\mu_1-\mu_2", r"\sigma_1^2/\sigma_2^2", "p_1-p_2"]
    for i, s in enumerate(params):
        out.append(symbol(f"ImgIC_{i}.gif", 110, 24, [rf"${s}\ \in$"], "ic"))
    one_point = {0: (r"z_{\alpha/2}", 32), 3: (r"z_{\alpha/2}", 32), 4: (r"z_{\alpha/2}", 32),
                 8: (r"z_{\alpha/2}", 32), 1: (r"t_{\alpha/2,\,n-1}", 36),
                 5: (r"t_{\alpha/2,\,\nu}", 36), 6: (r"t_{\alpha/2,\,n_1+n_2-2}", 36)}
    for i, (s, h) in one_point.items():
        out.append(symbol(f"ImgIC_PAR_{i}.gif", 260, h, [rf"${s}\,=$"], "icpar", size=15.0))
    # The first box holds the larger chi-square point (upper tail alpha/2), the second the
    # smaller one: the labels read the subscripts as upper-tail areas, like every table.
    out.append(symbol("ImgIC_PAR_2.gif", 260, 62,
                      [r"$\chi^2_{\alpha/2,\,n-1}\,=$", r"$\chi^2_{1-\alpha/2,\,n-1}\,=$"],
                      "icpar", slots=[31, 31], size=15.0))
    # The two F points stand beside their boxes, 20 high and 32 apart; the panel's height
    # of the picture leaves white rows below them.
    out.append(symbol("ImgIC_PAR_7.gif", 260, 73,
                      [r"$F_{1-\alpha/2,\,n_2-1,\,n_1-1}\,=$", r"$F_{\alpha/2,\,n_2-1,\,n_1-1}\,=$"],
                      "icpar", slots=[20, 20], gap=12, size=15.0))
    return out


# ---------------------------------------------------------------------------------------
# Probability distribution panel
# ---------------------------------------------------------------------------------------

# tag: (distribution, drawing parameters, title, variable, point letter, lower end, density)
DI = {
    "N": dict(dist="norm", params=(), title=r"$X\sim N(\mu,\,\sigma)$", var="X", pt="x",
              lo=r"-\infty", dv="x",
              density=r"$f(x)=\frac{1}{\sigma\sqrt{2\pi}}\;e^{-(x-\mu)^2/(2\sigma^2)}$"),
    "T": dict(dist="t", params=(5,), title=r"$T\sim t_n$", var="T", pt="t", lo=r"-\infty",
              dv="t",
              density=(r"$f(t)=\frac{\Gamma((n+1)/2)}{\sqrt{n\pi}\;\Gamma(n/2)}"
                       r"\left(1+\frac{t^2}{n}\right)^{-(n+1)/2}$")),
    "X": dict(dist="chi2", params=(5,), title=r"$\chi^2_n$", var=r"\chi^2_n", pt=r"\chi^2",
              lo="0", dv="x",
              density=(r"$f(x)=\frac{x^{n/2-1}\;e^{-x/2}}{2^{n/2}\;"
                       r"\Gamma\left(\frac{n}{2}\right)},\quad x>0$")),
    "F": dict(dist="f", params=(6, 12), title=r"$F_{n_1,\,n_2}$", var=r"F_{n_1,n_2}", pt="F",
              lo="0", dv="x",
              density=(r"$f(x)=\frac{\Gamma((n_1+n_2)/2)\;(n_1/n_2)^{n_1/2}\;x^{n_1/2-1}}"
                       r"{\Gamma(n_1/2)\;\Gamma(n_2/2)\;(1+n_1x/n_2)^{(n_1+n_2)/2}},"
                       r"\quad x>0$")),
    "B": dict(dist="binom", params=(12, 0.4), title=r"$X\sim B(n,\,p)$", var="X", pt="k",
              term=r"\genfrac{(}{)}{0}{0}{n}{k}\,p^k\,(1-p)^{n-k}",
              point=r"\genfrac{(}{)}{0}{0}{n}{k_0}\,p^{k_0}\,(1-p)^{n-k_0}", top="n",
              law=r"$X\sim B(n,\,p),\quad k=0,1,\ldots,n$"),
    "P": dict(dist="poisson", params=(4.0,), title=r"$X\sim \mathcal{P}(\lambda)$", var="X",
              pt="k", term=r"e^{-\lambda}\,\frac{\lambda^k}{k!}",
              point=r"e^{-\lambda}\,\frac{\lambda^{k_0}}{k_0!}", top=r"\infty",
              law=r"$X\sim \mathcal{P}(\lambda),\quad k=0,1,2,\ldots$"),
}
DI_MODES = {"N": "LRIC", "T": "LRIC", "X": "LRIC", "F": "LRIC", "B": "LRIP", "P": "LRIP"}


def di_statement(tag, mode):
    d = DI[tag]
    v, p = d["var"], d["pt"]
    if tag in ("B", "P"):
        t, top = d["term"], d["top"]
        return {
            "L": rf"$P(X\leq k_0)=\sum_{{k=0}}^{{k_0}}{t}$",
            "R": rf"$P(X\geq k_0)=\sum_{{k=k_0}}^{{{top}}}{t}$",
            "I": rf"$P(k_1\leq X\leq k_2)=\sum_{{k=k_1}}^{{k_2}}{t}$",
            "P": rf"$P(X=k_0)={d['point']}$",
        }[mode]
    f = rf"f({d['dv']})\,d{d['dv']}"
    return {
        "L": rf"$P({v}\leq {p}_0)=\int_{{{d['lo']}}}^{{{p}_0}}{f}$",
        "R": rf"$P({v}\geq {p}_0)=\int_{{{p}_0}}^{{\infty}}{f}$",
        "I": rf"$P({p}_1\leq {v}\leq {p}_2)=\int_{{{p}_1}}^{{{p}_2}}{f}$",
        "C": [rf"$P({p}_1\leq {v}\leq {p}_2)=p$",
              rf"$P({v}<{p}_1)=P({v}>{p}_2)=" + r"\frac{1-p}{2}$"],
    }[mode]


def di_marks(tag, mode):
    p = DI[tag]["pt"]
    if mode in ("L", "R", "P"):
        return [rf"${p}_0$"]
    return [rf"${p}_1$", rf"${p}_2$"]


def distribution_pictures():
    out = []
    for tag, modes in DI_MODES.items():
        d = DI[tag]
        for mode in modes:
            out.append(graph(f"DI_{tag}{mode}.GIF", DI_GRAPH, "di-graph", purpose="distribution",
                             dist=d["dist"], params=d["params"], side=mode,
                             shaded={"L": "left of the point", "R": "right of the point",
                                     "I": "between the points",
                                     "C": "centre, equal tails (1-p)/2",
                                     "P": "the point"}[mode],
                             critical=di_marks(tag, mode), title=d["title"]))
    for tag, modes in DI_MODES.items():
        d = DI[tag]
        for mode in modes:
            second = d.get("density") or d.get("law")
            first = di_statement(tag, mode)
            first = first if isinstance(first, list) else [first]
            out.append(formula(f"DI_F{tag}{mode}.GIF", DI_FORMULA, first + [second],
                               f"di-formula-{tag}{mode}"))
    return out


def distribution_symbols():
    out = []
    params = {2: r"\mu", 3: r"\sigma", 4: "n_1", 5: "n_2", 6: "p", 7: r"\lambda", 8: "k",
              9: r"\theta", 12: "a", 13: "b"}
    for i, s in params.items():
        out.append(symbol(f"ImgNMVP_{i}.gif", 60, 17, [rf"${s}\,=$"], "nmvp", hmin=14))
    letters = {10: "t", 20: r"\chi^2", 30: "F", 40: "x", 50: "k"}
    for base, s in letters.items():
        if base == 40 or base == 50:
            out.append(symbol(f"ImgPP_{base}.gif", 60, 18, [rf"${s}_0\ =$"], f"pp{base}",
                              size=16.0))
        for off, sub in ((3, "1"), (4, "2")):
            out.append(symbol(f"ImgPP_{base + off}.gif", 60, 18, [rf"${s}_{sub}\ =$"],
                              f"pp{base}", size=16.0))
    return out


# ---------------------------------------------------------------------------------------
# Two-variable panel: the regression models
# ---------------------------------------------------------------------------------------

def regression_pictures():
    box = EST_FORMULA
    lnx, lny = r"\overline{\ln x}", r"\overline{\ln y}"

    def est(tag, lines, **kw):
        return formula(f"EST_{tag}.GIF", box, lines, f"est-{tag}", size=14.0, **kw)
    cua = est("CUA", [r"$y=A\,x^2+B\,x+C$",
                      r"$A\,\Sigma n x^4+B\,\Sigma n x^3+C\,\Sigma n x^2=\Sigma n x^2 y$",
                      r"$A\,\Sigma n x^3+B\,\Sigma n x^2+C\,\Sigma n x=\Sigma n x y$",
                      r"$A\,\Sigma n x^2+B\,\Sigma n x+C\,\Sigma n=\Sigma n y$"])
    cua.side_by_side = True
    return [
        est("LIN", [r"$y=A+B\,x$", r"$B=\frac{s_{xy}}{s_x^2},\qquad A=\bar{y}-B\,\bar{x}$"]),
        est("LOG", [r"$y=A+B\,\ln x$",
                    r"$B=\frac{s_{y\,\ln x}}{s_{\ln x}^2},\qquad A=\bar{y}-B\," + lnx + "$"]),
        est("EXP", [r"$y=A\cdot B^{\,x},\qquad \ln y=a+b\,x$",
                    r"$b=\frac{s_{x\,\ln y}}{s_x^2},\quad a=" + lny +
                    r"-b\,\bar{x},\quad A=e^a,\ B=e^b$"]),
        est("POT", [r"$y=A\cdot x^{B},\qquad \ln y=a+B\,\ln x$",
                    r"$B=\frac{s_{\ln x\,\ln y}}{s_{\ln x}^2},\quad a=" + lny + r"-B\," + lnx +
                    r",\quad A=e^a$"]),
        cua,
    ]


# ---------------------------------------------------------------------------------------
# A and B events panel
# ---------------------------------------------------------------------------------------

def ab_pictures():
    labels = {1: "A", 2: "B", 3: r"A\cap B", 4: r"A\cup B",
              5: r"\overline{A}\cap\overline{B}", 6: "A/B", 7: "B/A", 8: r"\overline{A}",
              9: r"\overline{B}", 10: r"\overline{A\cap B}", 11: r"\overline{A\cup B}",
              12: r"\overline{A}\cup\overline{B}", 13: "A-B", 14: "B-A"}
    out = [symbol(f"ImgPAB_{k}.gif", 130, 26, [rf"$p({s})\,=$"], "pab")
           for k, s in labels.items()]
    out.append(Picture("ImgPABGRAF_0.gif", "venn", VENN[0], VENN[1], VENN[1], family="venn"))
    def p(s):
        return "p(" + s + ")"
    a, b, ab, aub = p("A"), p("B"), p(r"A\cap B"), p(r"A\cup B")
    na, nb = p(r"\overline{A}"), p(r"\overline{B}")
    nab, naub = p(r"\overline{A\cap B}"), p(r"\overline{A\cup B}")
    na_nb, na_u_nb = p(r"\overline{A}\cap\overline{B}"), p(r"\overline{A}\cup\overline{B}")
    a_b, b_a, amb, bma = p("A/B"), p("B/A"), p("A-B"), p("B-A")
    q = r",\qquad "
    rows = [
        "$" + na + "=1-" + a + q + nb + "=1-" + b + "$",
        "$" + aub + "=" + a + "+" + b + "-" + ab + "$",
        "$" + ab + "=" + a + r"\cdot " + b_a + q + amb + "=" + a + "-" + ab + "$",
        "$" + ab + "=" + b + r"\cdot " + a_b + q + bma + "=" + b + "-" + ab + "$",
        "$" + naub + "=" + na_nb + q + nab + "=" + na_u_nb + q + a_b + r"=\frac{" + ab +
        "}{" + b + "}" + q + b_a + r"=\frac{" + ab + "}{" + a + "}$",
    ]
    out.append(formula("ImgPABGRAF_1.gif", FORMULA_SHEET, rows, "sheet", size=16))
    return out


def catalogue():
    pictures = (test_pictures() + test_symbols() + interval_pictures() + interval_symbols() +
                distribution_pictures() + distribution_symbols() + regression_pictures() +
                ab_pictures())
    names = [p.name.lower() for p in pictures]
    assert len(names) == len(set(names)), "a picture is listed twice"
    return pictures
