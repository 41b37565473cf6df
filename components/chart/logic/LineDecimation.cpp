// Column-wise polyline thinning.
#include "LineDecimation.h"

namespace tkw::chart {

std::vector<Pixel> ThinByColumn(const std::vector<Pixel>& line) {
  std::vector<Pixel> out;
  out.reserve(line.size() < 4096 ? line.size() : 4096);
  size_t i = 0;
  while (i < line.size()) {
    size_t first = i, top = i, bottom = i, last = i;
    for (++i; i < line.size() && line[i].x == line[first].x; ++i) {
      if (line[i].y < line[top].y) top = i;
      if (line[i].y > line[bottom].y) bottom = i;
      last = i;
    }
    // The extremes in the order the line passes them.
    size_t keep[4] = {first, top < bottom ? top : bottom, top < bottom ? bottom : top, last};
    size_t previous = size_t(-1);
    for (size_t k : keep) {
      if (k == previous) continue;
      out.push_back(line[k]);
      previous = k;
    }
  }
  return out;
}

}  // namespace tkw::chart
