// Fuzzes the chart template reader: mutated templates must be read or refused cleanly (the
// sanitizers catch overruns), a refused read leaves the look untouched, and whatever is read
// writes back to a template that reads again to the same bytes.
// Usage: fuzz_chart_template [iterations] [seed]
#include <cstdio>
#include <cstdlib>
#include <random>

#include "chart/logic/ChartTemplate.h"

using namespace tkw::chart;

namespace {

std::vector<std::vector<uint8_t>> Seeds() {
  Appearance plain;
  plain.axes.resize(2);
  Appearance rich = plain;
  rich.gallery = kPie;
  rich.serLegBox = true;
  rich.axes[1].logBase = 10;
  rich.series.resize(3);
  rich.series[1].legend = u"Users";
  rich.titles.push_back({u"History", 0});
  rich.legend = {u"a", u"b"};
  rich.slices.push_back({0, 1, 12});
  return {WriteTemplate(plain), WriteTemplate(rich)};
}

void Mutate(std::vector<uint8_t>& b, std::mt19937& rng) {
  const int edits = 1 + int(rng() % 4);
  for (int e = 0; e < edits; ++e) {
    const size_t at = b.empty() ? 0 : rng() % b.size();
    switch (rng() % 6) {
      case 0:
        if (!b.empty()) b[at] ^= uint8_t(1u << (rng() % 8));
        break;
      case 1:
        if (!b.empty()) b[at] = uint8_t(rng());
        break;
      case 2: b.insert(b.begin() + long(at), uint8_t(rng())); break;
      case 3:
        if (!b.empty()) b.erase(b.begin() + long(at));
        break;
      case 4: b.resize(at); break;
      case 5:  // a length or count field set to an extreme
        if (at + 4 <= b.size()) {
          const uint32_t v[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 1024, 4096};
          const uint32_t x = v[rng() % 7];
          for (int k = 0; k < 4; ++k) b[at + size_t(k)] = uint8_t(x >> (8 * k));
        }
        break;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const long iterations = argc > 1 ? std::atol(argv[1]) : 20000;
  std::mt19937 rng(argc > 2 ? unsigned(std::atol(argv[2])) : 1u);
  const auto seeds = Seeds();
  Appearance sentinel;
  sentinel.gallery = 77;
  const std::vector<uint8_t> sentinelBytes = WriteTemplate(sentinel);
  long accepted = 0;
  for (long i = 0; i < iterations; ++i) {
    std::vector<uint8_t> b = seeds[size_t(i) % seeds.size()];
    Mutate(b, rng);
    Appearance look = sentinel;
    const TemplateResult r = ReadTemplate(b.data(), b.size(), look);
    if (!r.ok) {
      if (r.error.empty() || WriteTemplate(look) != sentinelBytes) {
        std::fprintf(stderr,
                     "iteration %ld: a refused template changed the look or gave no reason\n", i);
        return 1;
      }
      continue;
    }
    ++accepted;
    const std::vector<uint8_t> again = WriteTemplate(look);
    Appearance back;
    if (!ReadTemplate(again.data(), again.size(), back).ok || WriteTemplate(back) != again) {
      std::fprintf(stderr, "iteration %ld: an accepted template does not write back stably\n", i);
      return 1;
    }
  }
  std::printf("%ld templates, %ld accepted\n", iterations, accepted);
  return 0;
}
