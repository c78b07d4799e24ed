// What the regression model changes on the two-variable panel besides the numbers: which
// caption pictures the headings, the sums and the result boxes take (the logarithmic,
// exponential and power models work on ln x and/or ln y), the words of the six caption
// labels, whether the coefficient of correlation is shown, and the formula picture.
// Plain C++: the panel looks the pictures up by these indices and puts them in place.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tables {

// The caption pictures, by index: base + variant. The variant is 0 x, 1 ln x, 2 y, 3 ln y
// for the one-variable captions, and 0 x y, 1 y ln x, 2 x ln y, 3 ln x ln y for products.
enum CaptionBase : int {
  kCapN = 0,         // n X, n Y
  kCapN2 = 10,       // n X², n Y²
  kCapNXY = 20,      // n X Y
  kCapSumN = 30,     // Σ n X, Σ n Y
  kCapSumN2 = 40,    // Σ n X², Σ n Y²
  kCapSumNXY = 50,   // Σ n X Y
  kCapMean = 60,     // X̄ =, Ȳ =
  kCapStdDev = 70,   // s_X =, s_Y =
  kCapVariance = 80, // s²_X =, s²_Y =
  kCapCov = 90,      // s_XY =
};

struct ModelCaptions2V {
  int xL = 0;  // 1: the model works on ln x
  int yL = 0;  // 1: the model works on ln y
  int p = 0;   // the product's variant
  // Headings of the columns n·X, n·Y, n·X², n·Y², n·X·Y (image4 3..7).
  std::array<int, 5> headings{};
  // Captions of the sums Σ n·X, Σ n·Y, Σ n·X², Σ n·Y², Σ n·X·Y (image4 9..13).
  std::array<int, 5> sums{};
  // Captions of the result boxes, in the order of kResultBoxes (image4 14, 19, 15, 18, 16,
  // 17, 21).
  std::array<int, 7> results{};
  // "Mean of x", "Standard deviation of ln x", ...: Label1 32, 34, 35 (of X) and 40, 39,
  // 38 (of Y).
  std::string Label1_32, Label1_34, Label1_35, Label1_40, Label1_39, Label1_38;
  bool correlationShown = true;  // not for the quadratic
  std::string formulaPicture;    // "EST_" + the model's tag + ".GIF"
};

// The result boxes the captions of ModelCaptions2V::results stand beside, in that order.
inline constexpr std::array<const char*, 7> kResultBoxes = {
    "Txt2V_MX", "Txt2V_MY", "Txt2V_DX", "Txt2V_DY", "Txt2V_VX", "Txt2V_VY", "Txt2V_COV"};

// The captions of model RegType2V (0 linear, 1 logarithmic, 2 exponential, 3 power,
// 4 quadratic; another value is taken as linear).
ModelCaptions2V CargarImagenes2v(int16_t RegType2V);

// The model's tag: "LIN", "LOG", "EXP", "POT", "CUA".
std::string ModelTag(int16_t RegType2V);

// The names of the formula pictures the panel can show, one per model, in model order.
std::vector<std::string> FormulaPictureNames();

}  // namespace tables
