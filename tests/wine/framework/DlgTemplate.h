// Builds in-memory dialog templates (DLGTEMPLATE with DS_SETFONT) for the dialog tests.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace dlgtest {

class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short cx, short cy, const wchar_t* caption) {
    Dword(style | DS_SETFONT);
    Dword(0);  // extended style
    Word(0);   // item count, patched by Add
    Word(0);
    Word(0);  // x, y
    Word(WORD(cx));
    Word(WORD(cy));
    Word(0);  // no menu
    Word(0);  // default class
    String(caption);
    Word(8);
    String(L"MS Shell Dlg");
  }

  // Predefined classes by atom: 0x80 button, 0x81 edit, 0x82 static, 0x83 list box,
  // 0x85 combo box; or a class name.
  DialogTemplate& Add(WORD id, WORD atom, DWORD style, short x, short y, short cx, short cy,
                      const wchar_t* text = L"") {
    return AddItem(
        id, style, x, y, cx, cy,
        [&] {
          Word(0xFFFF);
          Word(atom);
        },
        text);
  }
  DialogTemplate& AddClass(WORD id, const wchar_t* className, DWORD style, short x, short y,
                           short cx, short cy) {
    return AddItem(
        id, style, x, y, cx, cy, [&] { String(className); }, L"");
  }

  LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

 private:
  template <class F>
  DialogTemplate& AddItem(WORD id, DWORD style, short x, short y, short cx, short cy, F cls,
                          const wchar_t* text) {
    if (m_words.size() % 2) m_words.push_back(0);  // items are DWORD aligned
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Word(WORD(x));
    Word(WORD(y));
    Word(WORD(cx));
    Word(WORD(cy));
    Word(id);
    cls();
    String(text);
    Word(0);  // no creation data
    ++m_words[4];
    return *this;
  }
  void Word(WORD w) { m_words.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void String(const wchar_t* s) {
    for (; *s; ++s) Word(WORD(*s));
    Word(0);
  }

  std::vector<WORD> m_words;
};

}  // namespace dlgtest
