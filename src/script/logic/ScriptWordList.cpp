// The script editor's blank-separated word lists.
#include "script/logic/ScriptWordList.h"

namespace tkw {

wchar_t ScriptLower(wchar_t ch) {
  return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch - L'A' + L'a') : ch;
}

std::wstring ScriptLower(const std::wstring& text) {
  std::wstring lower(text);
  for (wchar_t& ch : lower) ch = ScriptLower(ch);
  return lower;
}

namespace {

std::wstring Trimmed(const std::wstring& word) {
  const wchar_t* blanks = L" \t\r\n";
  const size_t first = word.find_first_not_of(blanks);
  if (first == std::wstring::npos) return std::wstring();
  return word.substr(first, word.find_last_not_of(blanks) - first + 1);
}

}  // namespace

std::vector<std::wstring> ScriptWordList::Set(const std::vector<std::wstring>& words,
                                              const KnownName& known) {
  std::vector<std::wstring> accepted;
  m_text = L" ";
  for (const std::wstring& word : words) {
    if (known && !known(word)) continue;
    m_text += word + L" ";
    accepted.push_back(word);
  }
  m_lower = ScriptLower(m_text);
  return accepted;
}

bool ScriptWordList::Add(const std::wstring& word, const KnownName& known) {
  const std::wstring trimmed = Trimmed(word);
  if (trimmed.empty() || (known && !known(trimmed))) return false;
  m_text += L" " + trimmed + L" ";
  m_lower = ScriptLower(m_text);
  return true;
}

void ScriptWordList::Clear() {
  m_text.clear();
  m_lower.clear();
}

bool ScriptWordList::Find(const std::wstring& lowerWord, std::wstring* listed) const {
  if (lowerWord.empty()) return false;
  const size_t k = m_lower.find(L" " + lowerWord + L" ");
  if (k == std::wstring::npos) return false;
  if (listed) *listed = m_text.substr(k + 1, lowerWord.size());
  return true;
}

}  // namespace tkw
