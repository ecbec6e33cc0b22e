#include "canvas/color_functions.h"

#include <algorithm>
#include <cmath>

namespace quil {

namespace {

uint8_t Darker(uint8_t component, uint8_t howMuch) {
  return component > howMuch ? static_cast<uint8_t>(component - howMuch) : 0;
}

uint8_t Brighter(uint8_t component, uint8_t howMuch) {
  return static_cast<uint8_t>(std::min(component + howMuch, 255));
}

}  // namespace

TColor ApplyDark(TColor color, uint8_t howMuch) {
  return RGBColor(Darker(GetRValue(color), howMuch), Darker(GetGValue(color), howMuch),
                  Darker(GetBValue(color), howMuch));
}

TColor ApplyBright(TColor color, uint8_t howMuch) {
  return RGBColor(Brighter(GetRValue(color), howMuch), Brighter(GetGValue(color), howMuch),
                  Brighter(GetBValue(color), howMuch));
}

double QuilSigmoid(double index, double balance, double total) {
  return std::pow((index + 1) / (total + 1), balance * 0.01 + 0.5);
}

}  // namespace quil
