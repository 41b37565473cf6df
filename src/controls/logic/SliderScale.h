// The multi-marker slider's pixel scale: values to pixels and back, in single precision.
#pragma once

namespace tkw {

// fValue rounded to nDigits decimals (a negative count rounds to tens, hundreds...), half up.
float RoundTo(float fValue, short nDigits);

// The scale runs over the work rectangle's pixels [left, right] and spans max - min + 1, so
// the pixel of max lies one step short of the right end.
struct SliderScale {
  float min = 0.0f;
  float max = 0.0f;
  int left = 0;   // left of the work rectangle
  int right = 0;  // right of the work rectangle

  // The pixel of a value; outside [left, right] for values outside the range. A scale with no
  // width or no span puts every value at left.
  int PixelOf(float fValue) const;
  // The value at a pixel, to one decimal; min on a scale with no width.
  float ValueAt(int x) const;
  // Where a marker of that value is drawn: its pixel kept on the scale, so a marker placed
  // outside the range still shows (and can be dragged back) at the nearer end.
  int MarkerX(float fValue) const;
  // The value a drag released at pixel x reports: the pixel is kept on the scale first (at or
  // left of left counts as left + 1, at or right of right as right), then the value is kept
  // within 0 and max.
  float ReleaseValue(int x) const;
};

}  // namespace tkw
