// The multi-marker slider's pixel scale.
#include "controls/logic/SliderScale.h"

#include <cmath>

namespace tkw {

namespace {

// Pixels far beyond any screen; keeps float-to-int conversions defined for absurd values.
constexpr float kPixelLimit = 1.0e6f;

int ToPixel(float f) {
  if (!(f == f)) return 0;  // NaN
  if (f > kPixelLimit) return static_cast<int>(kPixelLimit);
  if (f < -kPixelLimit) return -static_cast<int>(kPixelLimit);
  return static_cast<int>(f);
}

}  // namespace

float RoundTo(float fValue, short nDigits) {
  const float p = static_cast<float>(std::pow(10.0, static_cast<double>(nDigits)));
  return std::floor(fValue * p + 0.5f) / p;
}

int SliderScale::PixelOf(float fValue) const {
  const float span = max - min + 1.0f;
  const int width = right - left;
  if (width <= 0 || !(span > 0.0f)) return left;
  return ToPixel(
      RoundTo((fValue - min) / span * static_cast<float>(width) + static_cast<float>(left), 0));
}

float SliderScale::ValueAt(int x) const {
  const int width = right - left;
  if (width <= 0) return min;
  const float span = max - min + 1.0f;
  return RoundTo(static_cast<float>(x - left) / static_cast<float>(width) * span + min, 1);
}

int SliderScale::MarkerX(float fValue) const {
  const int x = PixelOf(fValue);
  if (x < left) return left;
  if (x > right) return right;
  return x;
}

float SliderScale::ReleaseValue(int x) const {
  if (x <= left) x = left + 1;
  if (x >= right) x = right;
  const float v = ValueAt(x);
  if (v < 0.0f) return 0.0f;
  return v > max ? max : v;
}

}  // namespace tkw
