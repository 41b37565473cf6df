// The order of the multi-marker slider's values: where a new marker goes and how far a dragged
// one may move without passing its neighbours.
#pragma once
#include <cstddef>
#include <utility>
#include <vector>

namespace tkw {

// Which neighbour stopped a dragged marker (the slider keeps the number it records).
enum MarkerCrossing : unsigned char {
  kCrossingNone = 0,
  kCrossingPrevious = 1,  // stopped at the previous marker's value
  kCrossingNext = 2,      // stopped at the next marker's value
};

struct CrossingCheck {
  float value = 0.0f;  // the value the marker may take
  MarkerCrossing crossing = kCrossingNone;
};

// Keeps value v of marker index (of the ascending values) from passing its neighbours: at or
// below the previous value it becomes that value, else at or above the next value it becomes
// that one. An index outside the list changes nothing.
CrossingCheck AvoidCrossing(const std::vector<float>& values, size_t index, float v);

// Where a marker of value v is inserted: before the first value greater than or equal to it,
// else at the end. Among equal values the newest therefore comes first.
size_t InsertIndex(const std::vector<float>& values, float v);

// The nearest values below and above v among values, starting from the range's ends: (min, max)
// when no value lies strictly between.
std::pair<float, float> NeighbourValues(const std::vector<float>& values, float v, float min,
                                        float max);

}  // namespace tkw
