// Marker ordering rules of the multi-marker slider.
#include "controls/logic/MarkerOrder.h"

namespace tkw {

CrossingCheck AvoidCrossing(const std::vector<float>& values, size_t index, float v) {
  CrossingCheck check;
  check.value = v;
  if (index >= values.size()) return check;
  if (index > 0 && v <= values[index - 1]) {
    check.value = values[index - 1];
    check.crossing = kCrossingPrevious;
  } else if (index + 1 < values.size() && v >= values[index + 1]) {
    check.value = values[index + 1];
    check.crossing = kCrossingNext;
  }
  return check;
}

size_t InsertIndex(const std::vector<float>& values, float v) {
  for (size_t i = 0; i < values.size(); ++i)
    if (values[i] >= v) return i;
  return values.size();
}

std::pair<float, float> NeighbourValues(const std::vector<float>& values, float v, float min,
                                        float max) {
  std::pair<float, float> around(min, max);
  for (float value : values) {
    if (value < v && value > around.first) around.first = value;
    if (value > v && value < around.second) around.second = value;
  }
  return around;
}

}  // namespace tkw
