// The registered messages of the wizard framework.
#include "wizard/WizardMessages.h"

namespace {

// Registered by the library's static initialisers, so it exists before any window asks.
const UINT g_nRemoveTip = ::RegisterWindowMessageW(L"WM_REMOVETIP");

}  // namespace

UINT TKWGetRemoveTipMessage() {
  return g_nRemoveTip;
}
