// Axis scaling: the shown range, tick values and the value-to-pixel mapping, linear or
// logarithmic.
#pragma once
#include <vector>

#include "ChartModel.h"

namespace tkw::chart {

// A step of 1, 2 or 5 times a power of ten that splits `span` into at most about `maxTicks`.
double NiceStep(double span, int maxTicks);

class AxisScale {
 public:
  // Scales the axis over [dataMin, dataMax] unless the axis fixes its range; a logarithmic
  // axis widens the range to whole powers of its base and ignores values at or below zero.
  AxisScale(const AxisState& axis, double dataMin, double dataMax, int maxTicks = 8);

  double Min() const { return m_min; }
  double Max() const { return m_max; }
  bool IsLog() const { return m_logBase > 1; }
  const std::vector<double>& Ticks() const { return m_ticks; }

  // Position of a value between 0 (Min) and 1 (Max); NaN for values a log axis cannot show.
  double Fraction(double value) const;
  // Pixel of a value on an axis drawn from `from` (at Min) to `to` (at Max).
  double Pixel(double value, double from, double to) const {
    return from + Fraction(value) * (to - from);
  }

  // No axis draws more ticks than this, whatever step a caller sets.
  static constexpr int kMaxTicks = 200;

 private:
  double m_min = 0, m_max = 1, m_logBase = 0;
  std::vector<double> m_ticks;
};

}  // namespace tkw::chart
