// Message sequences: what a test expected a window to receive against what it received.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tks {

// Which fields of an expected entry are checked (the message itself always is).
enum SeqFlags : unsigned {
  kWParam = 1,     // wParam must match
  kLParam = 2,     // lParam must match
  kCode = 4,       // notification code must match
  kId = 8,         // control id must match
  kOptional = 16,  // the entry may be missing
};

// One message, recorded or expected.
struct SeqMsg {
  unsigned message = 0;       // message number
  unsigned flags = 0;         // SeqFlags (expected entries only)
  std::uintptr_t wParam = 0;  // first parameter
  std::intptr_t lParam = 0;   // second parameter
  int code = 0;               // notification code (WM_COMMAND high word, NMHDR code)
  int id = 0;                 // control id (WM_COMMAND low word, NMHDR idFrom)
};

// Result of a comparison; report names the first difference and lists both sequences.
struct SeqComparison {
  bool matches = false;  // the sequences agree
  std::string report;    // empty when they match
};

// Compares a recorded sequence with an expected one, in order; optional expected entries may
// be skipped, every other entry must match one recorded message and nothing may be left over.
SeqComparison CompareSequence(const std::vector<SeqMsg>& expected,
                              const std::vector<SeqMsg>& actual,
                              const std::string& context = std::string());

// Name of a common window message ("WM_COMMAND"), or its number in hex.
std::string MessageName(unsigned message);

// One entry as text: its name, then the fields it checks (all fields if showAll).
std::string FormatSeqMsg(const SeqMsg& msg, bool showAll);

}  // namespace tks
