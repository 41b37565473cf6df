// Thinning a polyline with far more points than pixel columns, without changing its picture.
#pragma once
#include <cstddef>
#include <vector>

namespace tkw::chart {

struct Pixel {
  int x = 0, y = 0;
};

// Within each run of points on one pixel column keeps the first, the highest, the lowest and
// the last, in their order: the line drawn through them covers the same pixels of that column
// and joins its neighbours at the same places. `line` must be ordered by x.
std::vector<Pixel> ThinByColumn(const std::vector<Pixel>& line);

}  // namespace tkw::chart
