// A word list of the script editor (function names or constants): one string of blank-separated
// words with a lower-case copy, so a word is found by searching for blank + word + blank.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tkw {

// ASCII lower case only: the names the list holds are ASCII, and other characters must keep
// their positions and values whatever the locale.
wchar_t ScriptLower(wchar_t ch);
std::wstring ScriptLower(const std::wstring& text);

class ScriptWordList {
 public:
  // Answers whether the host knows a name (the script manager has an object for it).
  using KnownName = std::function<bool(const std::wstring&)>;

  // Replaces the list: a blank, then each word accepted by known (every word when known is
  // empty) followed by a blank. Answers the accepted words in order.
  std::vector<std::wstring> Set(const std::vector<std::wstring>& words,
                                const KnownName& known = KnownName());
  // Appends a trimmed, non-empty word that known accepts; answers whether it was added.
  bool Add(const std::wstring& word, const KnownName& known = KnownName());
  void Clear();

  // The list as stored ("" until set, " " for a set but empty list).
  const std::wstring& GetText() const { return m_text; }
  const std::wstring& GetLowerText() const { return m_lower; }

  // Finds a word given in lower case; answers its form as listed, or false.
  bool Find(const std::wstring& lowerWord, std::wstring* listed = nullptr) const;

 private:
  std::wstring m_text;
  std::wstring m_lower;
};

}  // namespace tkw
