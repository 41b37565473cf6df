// Random texts, ranges and carets through the script editor's colouring pass, caret context,
// recolour spans and password text, with their rules checked after every step. Shared by the
// native tests (a short seeded pass) and the script benchmark (a long one).
#pragma once

#include <string>

namespace tkw {

struct ScriptFuzzResult {
  long long steps = 0;  // steps run, the failing one included
  std::string failure;  // empty when every check held
};

ScriptFuzzResult FuzzScriptLogic(unsigned seed, long long steps);

}  // namespace tkw
