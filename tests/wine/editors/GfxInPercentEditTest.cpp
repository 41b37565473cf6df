// CGfxInPercentEdit driven by keys over a stand-in grid: the text, caret and value after typing,
// and the end of an edit.
#include "grid/editors/GfxInPercentEdit.h"

#include "ComboEditorFixture.h"

using combotest::ComboEditorTest;

namespace {

class PercentEdit : public ComboEditorTest {
 protected:
  CGfxInPercentEdit* Open(double value, int decimals = 2, bool commas = true) {
    CGfxInPercentEdit* edit = new CGfxInPercentEdit(4, 2, L"", false);
    EXPECT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE, CRect(20, 20, 200, 40), &list_, 2125));
    edit->SetComma(',');
    edit->SetDecimalPoint('.');
    edit->SetDecimals(decimals);
    edit->EnableCommas(commas);
    edit->SetValue(value);
    tks::PumpUntilIdle();
    return edit;
  }
  // Types keys: Backspace as '\b', Delete as '\x7f', the rest as characters.
  static void Keys(HWND h, const std::wstring& keys) {
    for (wchar_t ch : keys) {
      if (ch == L'\b')
        tks::PressKey(h, VK_BACK);
      else if (ch == 0x7f)
        tks::PressKey(h, VK_DELETE);
      else
        tks::TypeText(h, std::wstring(1, ch));
    }
  }
};

TEST_F(PercentEdit, TypingKeepsAWellFormedNumberWithTheCaretAndValueInStep) {
  const struct {
    const char* what;
    double value;
    long caret;
    const wchar_t* keys;
    const wchar_t* text;
    long caretAfter;
    double valueAfter;
  } cases[] = {
      {"digits go in before the zero and regroup", 0, 0, L"1234", L"12,340.00", 5, 12340},
      {"Backspace after a separator takes the digit too", 12340, 3, L"\b", L"1,340.00", 2, 1340},
      {"Delete in the decimals keeps their count", 1.25, 2, L"\x7f", L"1.50", 2, 1.5},
      {"decimals are overwritten", 1.25, 2, L"9", L"1.95", 3, 1.95},
      {"the caret steps over a separator", 1234, 1, L"9", L"19,234.00", 3, 19234},
      {"minus twice is positive again", 5, 0, L"--", L"5.00", 0, 5},
      {"plus leaves a positive number", 5, 0, L"+", L"5.00", 0, 5},
      {"minus negates", 5, 0, L"-", L"-5.00", 1, -5},
      {"a point in the integer part cuts it", 12345, 2, L".", L"12.00", 3, 12},
      {"other characters are ignored", 7, 0, L"a \t", L"7.00", 0, 7},
      {"Insert changes nothing", 7, 0, L"", L"7.00", 0, 7},
  };
  for (const auto& c : cases) {
    CGfxInPercentEdit* edit = Open(c.value);
    HWND h = edit->m_hWnd;
    edit->SetSel(c.caret, c.caret);
    if (!*c.keys) tks::PressKey(h, VK_INSERT);
    Keys(h, c.keys);
    CString text;
    edit->GetWindowText(text);
    long start = -1, end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(CString(c.text), text) << c.what;
    EXPECT_EQ(c.caretAfter, start) << c.what;
    EXPECT_EQ(start, end) << c.what;
    EXPECT_DOUBLE_EQ(c.valueAfter, edit->GetValue()) << c.what;
    EXPECT_TRUE(list_.ends.empty()) << c.what << ": no live reports";
    edit->DestroyWindow();
    list_.ends.clear();
  }
}

TEST_F(PercentEdit, WholeNumbersWithoutSeparatorsEndTheEditWithTheTypedText) {
  CGfxInPercentEdit* edit = Open(42, 0, false);
  HWND h = edit->m_hWnd;
  CString text;
  edit->GetWindowText(text);
  EXPECT_EQ(CString(L"42"), text);
  edit->SetSel(2, 2);
  Keys(h, L"15");
  tks::PressKey(h, VK_RETURN);
  EXPECT_TRUE(::IsWindow(h)) << "Enter is ignored";
  tks::PressKey(h, VK_RIGHT);
  EXPECT_FALSE(::IsWindow(h)) << "Right at the end leaves the cell";
  ASSERT_EQ(1u, list_.ends.size());
  EXPECT_EQ(L"4215", list_.ends[0].text);
  EXPECT_EQ((std::vector<combotest::Move>{{3, 4, 2}}), list_.moves);
}

}  // namespace
