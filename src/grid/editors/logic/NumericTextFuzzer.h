// Random editing of the numeric editor's text, checking after every step that the text is a
// well-formed number under the current settings and that the value is the number it shows.
// Shared by the native tests (a short seeded pass) and the editing benchmark (a long one).
#pragma once

#include <string>

namespace tkw {

class NumericText;

struct NumericFuzzResult {
  long long steps = 0;  // steps run, the failing one included
  std::string failure;  // empty when every check held
};

// Runs `steps` random operations (keys, selections, pastes, values, settings, foreign texts)
// from a fixed seed and stops at the first broken rule.
NumericFuzzResult FuzzNumericText(unsigned seed, long long steps);

// What is wrong with the editor's text, value or selection; empty when all is well.
std::string CheckNumericText(const NumericText& edit);

}  // namespace tkw
