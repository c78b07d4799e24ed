// Replays tests/data/stats_reference.tsv: tables, the operations run on them, and the texts
// and numbers expected after each, as tools/stats_reference.py computed them exactly.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <string>
#include <vector>

#include "graph/graph_handover.h"
#include "numeric/numeric.h"
#include "tables/estimation.h"
#include "tables/quantiles.h"
#include "tables/statistics1v.h"
#include "tables/statistics2v.h"
#include "table_test_support.h"

namespace {

using namespace tables;

// A number of the file; "-" (read as an empty text) is an empty cell.
double Number(const std::string& text) {
  if (text.empty()) return NoValue;
  double v = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), v);
  EXPECT_EQ(result.ec, std::errc()) << "not a number: " << text;
  return v;
}

int16_t Int(const std::string& text) { return static_cast<int16_t>(std::stoi(text)); }

// One case of the file: its table, the statistics' state, and what the last operation gave.
class CaseRunner {
 public:
  void Start(const std::vector<std::string>& f) {
    *this = CaseRunner();
    name_ = f.at(1);
    twoVariables_ = f.at(2) == "2v";
    t1_.DataType1V = Int(f.at(3));
    t2_.RegType2V = Int(f.at(3));
    t1_.N1V = t2_.N2V = std::stoi(f.at(4));
  }

  void Row(const std::vector<std::string>& f) {
    const int i = std::stoi(f.at(1));
    const double a = Number(f.at(2)), b = Number(f.at(3)), c = Number(f.at(4));
    if (twoVariables_) {
      t2_.Data2V_X[i] = a, t2_.Data2V_Y[i] = b, t2_.Data2V_N[i] = c;
    } else {
      t1_.Data1V_X1[i] = a, t1_.Data1V_X2[i] = b, t1_.Data1V_N[i] = c;
    }
  }

  void Run(const std::vector<std::string>& f) {
    texts_.clear();
    numbers_.clear();
    ErrorFlag = 0;
    const std::string& op = f.at(0);
    if (op == "pass" && !twoVariables_) {
      ErrorFlag = Int(f.at(3));
      Show(tables::ProcesarDatos1VAR(t1_, s1_, Int(f.at(1)), Int(f.at(2))));
    } else if (op == "pass") {
      ErrorFlag = Int(f.at(1));
      Show(tables::ProcesarDatos2VAR(t2_, s2_));
    } else if (op == "moment") {
      Show(tables::CalculaMomento(s1_, Int(f.at(1)), Int(f.at(2))));
    } else if (op == "cuantil") {
      s1_.TipoQQ = Int(f.at(1));
      Show(tables::CmdCuantil_Click(t1_, s1_, {f.at(2), f.at(3)}));
      texts_["ErrorFlag"] = std::to_string(ErrorFlag);
    } else if (op == "change_order" || op == "change_value") {
      s1_.TipoQQ = Int(f.at(1));
      Show(op == "change_order" ? tables::Txt1V_QPCT_Change(t1_, s1_, f.at(2))
                                : tables::Txt1V_QQ_Change(t1_, s1_, f.at(2)));
    } else if (op == "getcuantil" || op == "getcuantilpct") {
      const double v = LeerNumero(f.at(1));
      numbers_["value"] = op == "getcuantil" ? tables::GetCuantil(t1_, s1_, v)
                                             : tables::GetCuantilPCT(t1_, s1_, v);
      texts_["ErrorFlag"] = std::to_string(ErrorFlag);
    } else if (op == "model") {
      t2_.RegType2V = Int(f.at(1));
    } else if (op == "estx") {
      texts_["Txt2V_ESTY"] = tables::Txt2V_ESTX_Change(s2_, t2_.RegType2V, curve_, f.at(1));
    } else if (op == "esty") {
      texts_["Txt2V_ESTX"] = tables::Txt2V_ESTY_Change(s2_, t2_.RegType2V, curve_, f.at(1));
    } else if (op == "graph") {
      Graph();
    } else if (op == "optqq") {
      s1_.TipoQQ = Int(f.at(1)), s1_.FracQQ = Number(f.at(3));
      const auto kind = tables::OptQQ_Click(s1_, Int(f.at(2)), f.size() > 4 ? f[4] : "");
      texts_ = {{"Label1_67", kind.Label1_67}, {"Txt1V_QPCT", kind.Txt1V_QPCT},
                {"TipoQQ", std::to_string(s1_.TipoQQ)}};
      numbers_["FracQQ"] = s1_.FracQQ;
    } else if (op == "equation") {
      texts_["Txt2V_CUR"] =
          tables::CurveEquation(Int(f.at(1)), Number(f.at(2)), Number(f.at(3)), Number(f.at(4)));
    } else if (op == "captions") {
      for (int16_t m = 0; m < 5; ++m) {
        if (m < 2) texts_["LblESTAD1_" + std::to_string(m)] = tables::LblESTAD1_Caption(m);
        texts_["LblESTAD2_" + std::to_string(m)] = tables::LblESTAD2_Caption(m);
        texts_["Label1_44_" + std::to_string(m)] = tables::Label1_44_Caption(m);
      }
    } else {
      ADD_FAILURE() << "unknown operation " << op;
    }
  }

  // An "expect" line: the text, or the number exactly (the coefficients, stored as their
  // 10-digit text reads back); a "near" line: the number within the given distance.
  void Check(const std::vector<std::string>& f, int number) {
    const std::string& field = f.at(1);
    const std::string where =
        "case \"" + name_ + "\", check " + std::to_string(number) + ", " + field;
    const auto n = numbers_.find(field);
    const auto t = texts_.find(field);
    ASSERT_TRUE(n != numbers_.end() || t != texts_.end()) << where << ": not produced";
    if (f[0] == "near") {
      ASSERT_TRUE(n != numbers_.end() || !t->second.empty()) << where << ": empty";
      const double actual = n != numbers_.end() ? n->second : LeerNumero(t->second);
      EXPECT_NEAR(actual, Number(f.at(2)), Number(f.at(3))) << where;
    } else if (n != numbers_.end()) {
      EXPECT_EQ(n->second, Number(f.size() > 2 ? f[2] : "")) << where;
    } else {
      EXPECT_EQ(t->second, f.size() > 2 ? f[2] : "") << where;
    }
  }

 private:

  static std::string Flag(bool b) { return b ? "1" : "0"; }

  void Show(const tables::Results1V& r) {
    texts_ = {{"Txt1V_SN", r.Txt1V_SN}, {"Txt1V_SX", r.Txt1V_SX},   {"Txt1V_SX2", r.Txt1V_SX2},
              {"Txt1V_SX3", r.Txt1V_SX3}, {"Txt1V_SX4", r.Txt1V_SX4}, {"Txt1V_MO", r.Txt1V_MO},
              {"Txt1V_MX", r.Txt1V_MX}, {"Txt1V_VX", r.Txt1V_VX},   {"Txt1V_DX", r.Txt1V_DX},
              {"Txt1V_CV", r.Txt1V_CV}, {"Txt1V_ME", r.Txt1V_ME},   {"Txt1V_AS", r.Txt1V_AS},
              {"Txt1V_CU", r.Txt1V_CU}, {"Label1_68", r.Label1_68}, {"Label1_69", r.Label1_69}};
    texts_.insert({{"MomentShown", Flag(r.Moment.has_value())},
                   {"CmdCuantil_Enabled", Flag(r.CmdCuantil_Enabled)},
                   {"ErrorFlag", std::to_string(ErrorFlag)}, {"M1V", std::to_string(s1_.M1V)},
                   {"ClassesOK1V", Flag(s1_.ClassesOK1V)},
                   {"Stats1VReady", Flag(s1_.Stats1VReady)}});
    if (r.Moment) Show(*r.Moment);
  }

  void Show(const tables::Moment1V& m) {
    texts_.insert({{"Label1_63", m.Label1_63}, {"Label1_64", m.Label1_64},
                   {"Label1_65", m.Label1_65}, {"Txt1V_MM", m.Txt1V_MM}});
  }

  void Show(const tables::QuantileBoxes& b) {
    texts_.insert({{"Txt1V_QPCT", b.Txt1V_QPCT}, {"Txt1V_QQ", b.Txt1V_QQ}});
  }

  void Show(const tables::Results2V& r) {
    texts_ = {{"Txt2V_SN", r.Txt2V_SN},   {"Txt2V_SX", r.Txt2V_SX},   {"Txt2V_SY", r.Txt2V_SY},
              {"Txt2V_SX2", r.Txt2V_SX2}, {"Txt2V_SY2", r.Txt2V_SY2}, {"Txt2V_SXY", r.Txt2V_SXY},
              {"Txt2V_MX", r.Txt2V_MX},   {"Txt2V_MY", r.Txt2V_MY},   {"Txt2V_VX", r.Txt2V_VX},
              {"Txt2V_VY", r.Txt2V_VY},   {"Txt2V_DX", r.Txt2V_DX},   {"Txt2V_DY", r.Txt2V_DY},
              {"Txt2V_COV", r.Txt2V_COV}, {"Txt2V_R", r.Txt2V_R},     {"Txt2V_CUR", r.Txt2V_CUR}};
    texts_["ErrorFlag"] = std::to_string(ErrorFlag);
    numbers_ = {
        {"RegCoefA", s2_.RegCoefA}, {"RegCoefB", s2_.RegCoefB}, {"RegCoefC", s2_.RegCoefC}};
    curve_ = r.Txt2V_CUR;
  }

  void Graph() {
    // Values the two-variable command must not touch when the one-variable one runs.
    handover_.GraphCoefA = 7;
    if (twoVariables_) {
      graph::HandOverGraph2V(t2_, s2_, curve_, handover_);
      numbers_ = {{"GraphCoefA", handover_.GraphCoefA}, {"GraphCoefB", handover_.GraphCoefB},
                  {"GraphCoefC", handover_.GraphCoefC}};
    } else {
      texts_["Opened"] = Flag(graph::HandOverGraph1V(t1_, s1_, handover_));
      EXPECT_EQ(handover_.GraphCoefA, 7) << name_ << ": the bar diagram has no coefficients";
    }
    texts_["GraphKind"] = std::to_string(handover_.GraphKind);
    texts_["GraphFormula"] = handover_.GraphFormula;
    const graph::ViewBounds& v = handover_.View;
    numbers_.insert({{"ViewXmin", v.ViewXmin}, {"ViewXmax", v.ViewXmax},
                     {"ViewYmin", v.ViewYmin}, {"ViewYmax", v.ViewYmax}});
  }

  std::string name_;
  bool twoVariables_ = false;
  Table1V t1_;
  Stats1V s1_;
  Table2V t2_;
  Stats2V s2_;
  graph::GraphHandover handover_;
  std::string curve_;
  std::map<std::string, std::string> texts_;
  std::map<std::string, double> numbers_;
};

TEST(StatisticsReference, EveryCaseGivesTheExpectedTexts) {
  CaseRunner runner;
  int cases = 0, checks = 0;
  for (const auto& f : tables_test::ReferenceRows("stats_reference.tsv")) {
    const std::string& kind = f.at(0);
    if (kind == "case") {
      runner.Start(f);
      ++cases;
    } else if (kind == "row") {
      runner.Row(f);
    } else if (kind == "expect" || kind == "near") {
      runner.Check(f, ++checks);
    } else if (kind != "end") {
      runner.Run(f);
    }
  }
  EXPECT_GT(cases, 60);
  EXPECT_GT(checks, 2000);
}

// Statistics that a pass cleared (or never made) leave nothing to convert; an order typed
// then is kept and the failed lookups say so through ErrorFlag, which the command clears.
TEST(StatisticsReference, QuantilesNeedReadyStatistics) {
  Table1V table;
  Stats1V stats;
  stats.ClassesOK1V = true;
  EXPECT_EQ(tables::GetCuantil(table, stats, 0.5), 0);
  EXPECT_EQ(ErrorFlag, 1);
  EXPECT_EQ(tables::GetCuantilPCT(table, stats, 1), 0);
  EXPECT_EQ(ErrorFlag, 1);
  const auto boxes = tables::CmdCuantil_Click(table, stats, {"50", ""});
  EXPECT_EQ(boxes.Txt1V_QPCT + "|" + boxes.Txt1V_QQ, "50|");
  EXPECT_EQ(ErrorFlag, 0);
}

}  // namespace
