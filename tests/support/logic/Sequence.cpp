// Message sequence comparison, window-free so it is tested natively.
#include "Sequence.h"

#include <cstdio>
#include <sstream>

namespace tks {

namespace {

struct Named {
  unsigned message;
  const char* name;
};

constexpr Named kNames[] = {
    {0x0001, "WM_CREATE"},
    {0x0002, "WM_DESTROY"},
    {0x0003, "WM_MOVE"},
    {0x0005, "WM_SIZE"},
    {0x0006, "WM_ACTIVATE"},
    {0x0007, "WM_SETFOCUS"},
    {0x0008, "WM_KILLFOCUS"},
    {0x000A, "WM_ENABLE"},
    {0x000B, "WM_SETREDRAW"},
    {0x000C, "WM_SETTEXT"},
    {0x000D, "WM_GETTEXT"},
    {0x000E, "WM_GETTEXTLENGTH"},
    {0x000F, "WM_PAINT"},
    {0x0010, "WM_CLOSE"},
    {0x0014, "WM_ERASEBKGND"},
    {0x0018, "WM_SHOWWINDOW"},
    {0x0020, "WM_SETCURSOR"},
    {0x0021, "WM_MOUSEACTIVATE"},
    {0x002B, "WM_DRAWITEM"},
    {0x002C, "WM_MEASUREITEM"},
    {0x0030, "WM_SETFONT"},
    {0x0031, "WM_GETFONT"},
    {0x0046, "WM_WINDOWPOSCHANGING"},
    {0x0047, "WM_WINDOWPOSCHANGED"},
    {0x004E, "WM_NOTIFY"},
    {0x007B, "WM_CONTEXTMENU"},
    {0x0081, "WM_NCCREATE"},
    {0x0082, "WM_NCDESTROY"},
    {0x0083, "WM_NCCALCSIZE"},
    {0x0084, "WM_NCHITTEST"},
    {0x0085, "WM_NCPAINT"},
    {0x0087, "WM_GETDLGCODE"},
    {0x0100, "WM_KEYDOWN"},
    {0x0101, "WM_KEYUP"},
    {0x0102, "WM_CHAR"},
    {0x0104, "WM_SYSKEYDOWN"},
    {0x0105, "WM_SYSKEYUP"},
    {0x0106, "WM_SYSCHAR"},
    {0x0110, "WM_INITDIALOG"},
    {0x0111, "WM_COMMAND"},
    {0x0112, "WM_SYSCOMMAND"},
    {0x0113, "WM_TIMER"},
    {0x0114, "WM_HSCROLL"},
    {0x0115, "WM_VSCROLL"},
    {0x0116, "WM_INITMENU"},
    {0x0117, "WM_INITMENUPOPUP"},
    {0x011F, "WM_MENUSELECT"},
    {0x0121, "WM_ENTERIDLE"},
    {0x0133, "WM_CTLCOLOREDIT"},
    {0x0135, "WM_CTLCOLORBTN"},
    {0x0138, "WM_CTLCOLORSTATIC"},
    {0x0200, "WM_MOUSEMOVE"},
    {0x0201, "WM_LBUTTONDOWN"},
    {0x0202, "WM_LBUTTONUP"},
    {0x0203, "WM_LBUTTONDBLCLK"},
    {0x0204, "WM_RBUTTONDOWN"},
    {0x0205, "WM_RBUTTONUP"},
    {0x0206, "WM_RBUTTONDBLCLK"},
    {0x020A, "WM_MOUSEWHEEL"},
    {0x0210, "WM_PARENTNOTIFY"},
    {0x0211, "WM_ENTERMENULOOP"},
    {0x0212, "WM_EXITMENULOOP"},
    {0x0215, "WM_CAPTURECHANGED"},
    {0x0281, "WM_IME_SETCONTEXT"},
    {0x0282, "WM_IME_NOTIFY"},
    {0x0318, "WM_PRINTCLIENT"},
    {0x0400, "WM_USER"},
};

std::string Hex(unsigned long long v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%llx", v);
  return buf;
}

// Why expected does not match got, or an empty text when it does.
std::string Difference(const SeqMsg& expected, const SeqMsg& got) {
  if (expected.message != got.message) {
    return "expected " + MessageName(expected.message) + ", got " + MessageName(got.message);
  }
  const std::string name = MessageName(got.message);
  if ((expected.flags & kWParam) && expected.wParam != got.wParam) {
    return name + " wParam: expected " + Hex(expected.wParam) + ", got " + Hex(got.wParam);
  }
  if ((expected.flags & kLParam) && expected.lParam != got.lParam) {
    return name + " lParam: expected " + Hex(static_cast<unsigned long long>(expected.lParam)) +
           ", got " + Hex(static_cast<unsigned long long>(got.lParam));
  }
  if ((expected.flags & kCode) && expected.code != got.code) {
    return name + " code: expected " + std::to_string(expected.code) + ", got " +
           std::to_string(got.code);
  }
  if ((expected.flags & kId) && expected.id != got.id) {
    return name + " id: expected " + std::to_string(expected.id) + ", got " +
           std::to_string(got.id);
  }
  return std::string();
}

void List(std::ostringstream& out, const char* title, const std::vector<SeqMsg>& seq, size_t mark,
          bool showAll) {
  out << title << " (" << seq.size() << "):\n";
  for (size_t i = 0; i < seq.size(); ++i) {
    out << (i == mark ? " -> " : "    ") << i << ' ' << FormatSeqMsg(seq[i], showAll) << '\n';
  }
  if (mark == seq.size()) out << " -> (end)\n";
}

}  // namespace

std::string MessageName(unsigned message) {
  for (const Named& n : kNames) {
    if (n.message == message) return n.name;
  }
  if (message > 0x0400 && message < 0x8000) return "WM_USER+" + std::to_string(message - 0x0400);
  return Hex(message);
}

std::string FormatSeqMsg(const SeqMsg& msg, bool showAll) {
  std::string s = MessageName(msg.message);
  if (showAll || (msg.flags & kWParam)) s += " w=" + Hex(msg.wParam);
  if (showAll || (msg.flags & kLParam))
    s += " l=" + Hex(static_cast<unsigned long long>(msg.lParam));
  if (showAll || (msg.flags & kCode)) s += " code=" + std::to_string(msg.code);
  if (showAll || (msg.flags & kId)) s += " id=" + std::to_string(msg.id);
  if (msg.flags & kOptional) s += " (optional)";
  return s;
}

SeqComparison CompareSequence(const std::vector<SeqMsg>& expected,
                              const std::vector<SeqMsg>& actual, const std::string& context) {
  size_t e = 0;
  size_t a = 0;
  std::string why;
  while (e < expected.size() && a < actual.size()) {
    const std::string diff = Difference(expected[e], actual[a]);
    if (diff.empty()) {
      ++e;
      ++a;
    } else if (expected[e].flags & kOptional) {
      ++e;
    } else {
      why = diff;
      break;
    }
  }
  if (why.empty()) {
    while (e < expected.size() && (expected[e].flags & kOptional)) ++e;
    if (e < expected.size()) {
      why = "missing " + FormatSeqMsg(expected[e], false);
    } else if (a < actual.size()) {
      why = "unexpected " + FormatSeqMsg(actual[a], true);
    }
  }
  SeqComparison result;
  result.matches = why.empty();
  if (!result.matches) {
    std::ostringstream out;
    if (!context.empty()) out << context << ": ";
    out << "message sequence differs at expected #" << e << ", got #" << a << ": " << why << '\n';
    List(out, "expected", expected, e, false);
    List(out, "got", actual, a, true);
    result.report = out.str();
  }
  return result;
}

}  // namespace tks
