// Chart template files (.CHT): the chart's look as tagged records, written and read back by
// the component. Reading is bounded and all-or-nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ChartModel.h"

namespace tkw::chart {

// A template is never larger than this; bigger files are refused before they are read.
constexpr size_t kMaxTemplateBytes = 10u * 1024 * 1024;

std::vector<uint8_t> WriteTemplate(const Appearance& look);

struct TemplateResult {
  bool ok = false;
  std::string error;  // why the file was refused
};

// Reads a template into `out`; on failure `out` is untouched.
TemplateResult ReadTemplate(const uint8_t* data, size_t size, Appearance& out);

}  // namespace tkw::chart
