// Axis scaling with nice steps; logarithmic axes tick at the powers of their base.
#include "AxisScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tkw::chart {

double NiceStep(double span, int maxTicks) {
  if (!(span > 0) || !std::isfinite(span) || maxTicks < 1) return 1;
  const double rough = span / maxTicks;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power >= rough * (1 - 1e-9)) return m * power;
  return 10 * power;
}

AxisScale::AxisScale(const AxisState& axis, double dataMin, double dataMax, int maxTicks) {
  const bool fixed = axis.min < axis.max && std::isfinite(axis.min) && std::isfinite(axis.max);
  double lo = fixed ? axis.min : dataMin, hi = fixed ? axis.max : dataMax;
  if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi) lo = 0, hi = 1;
  m_logBase = std::isfinite(axis.logBase) && axis.logBase > 1 ? axis.logBase : 0;

  if (IsLog()) {
    const double lb = std::log(m_logBase);
    if (!(lo > 0)) lo = hi > 0 ? std::min(1.0, hi) : 1;
    if (!(hi > lo)) hi = lo * m_logBase;
    double e0 = std::floor(std::log(lo) / lb + 1e-9), e1 = std::ceil(std::log(hi) / lb - 1e-9);
    if (e1 <= e0) e1 = e0 + 1;
    // Extreme ranges keep every tick a finite number and their count bounded.
    e0 = std::clamp(e0, -300.0, 300.0);
    e1 = std::clamp(e1, e0 + 1, std::min(300.0, e0 + kMaxTicks - 1));
    m_min = std::pow(m_logBase, e0);
    m_max = std::pow(m_logBase, e1);
    for (double e = e0; e <= e1; ++e) m_ticks.push_back(std::pow(m_logBase, e));
    return;
  }

  if (hi == lo) {
    const double pad = lo == 0 ? 1 : std::fabs(lo) * 0.1;
    lo -= pad, hi += pad;
    if (!fixed && dataMin >= 0 && lo < 0) lo = 0;
  }
  if (!std::isfinite(hi - lo)) lo = -std::numeric_limits<double>::max() / 2, hi = -lo;
  double step = axis.step > 0 && std::isfinite(axis.step) ? axis.step : NiceStep(hi - lo, maxTicks);
  if ((hi - lo) / step > kMaxTicks) step = NiceStep(hi - lo, kMaxTicks);
  if (!fixed) {
    // A range taken from the values widens to whole steps, and to zero when all are above it.
    if (lo > 0 && lo < (hi - lo)) lo = 0;
    lo = std::floor(lo / step) * step;
    hi = std::ceil(hi / step) * step;
    if (hi == lo) hi = lo + step;
  }
  m_min = lo, m_max = hi;
  const double first = std::ceil(lo / step - 1e-9) * step;
  for (int i = 0; i <= kMaxTicks; ++i) {
    const double t = first + i * step;
    if (t > hi + step * 1e-9) break;
    m_ticks.push_back(std::fabs(t) < step * 1e-9 ? 0 : t);
  }
}

double AxisScale::Fraction(double value) const {
  if (IsLog()) {
    if (!(value > 0)) return std::numeric_limits<double>::quiet_NaN();
    return std::log(value / m_min) / std::log(m_max / m_min);
  }
  return (value - m_min) / (m_max - m_min);
}

}  // namespace tkw::chart
