#include "tables/model_captions.h"

namespace tables {

namespace {

constexpr const char* kTags[] = {"LIN", "LOG", "EXP", "POT", "CUA"};

int16_t Known(int16_t model) { return model >= 0 && model <= 4 ? model : 0; }

}  // namespace

std::string ModelTag(int16_t model) { return kTags[Known(model)]; }

std::vector<std::string> FormulaPictureNames() {
  std::vector<std::string> names;
  for (int16_t m = 0; m <= 4; ++m) names.push_back(CargarImagenes2v(m).formulaPicture);
  return names;
}

ModelCaptions2V CargarImagenes2v(int16_t model) {
  const int16_t m = Known(model);
  ModelCaptions2V c;
  c.xL = m == 1 || m == 3 ? 1 : 0;
  c.yL = m == 2 || m == 3 ? 1 : 0;
  c.p = m == 4 ? 0 : m;
  const int x = c.xL, y = 2 + c.yL;
  c.headings = {kCapN + x, kCapN + y, kCapN2 + x, kCapN2 + y, kCapNXY + c.p};
  c.sums = {kCapSumN + x, kCapSumN + y, kCapSumN2 + x, kCapSumN2 + y, kCapSumNXY + c.p};
  c.results = {kCapMean + x,     kCapMean + y,     kCapStdDev + x, kCapStdDev + y,
               kCapVariance + x, kCapVariance + y, kCapCov + c.p};
  const std::string X = c.xL == 1 ? "ln x" : "x";
  const std::string Y = c.yL == 1 ? "ln y" : "y";
  c.Label1_32 = "Mean of " + X;
  c.Label1_34 = "Standard deviation of " + X;
  c.Label1_35 = "Variance of " + X;
  c.Label1_40 = "Mean of " + Y;
  c.Label1_39 = "Standard deviation of " + Y;
  c.Label1_38 = "Variance of " + Y;
  c.correlationShown = m != 4;
  c.formulaPicture = "EST_" + ModelTag(m) + ".GIF";
  return c;
}

}  // namespace tables
