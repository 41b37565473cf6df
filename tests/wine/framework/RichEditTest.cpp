// CRichEditCtrl against the real control: selection and text, character formats by range,
// undo, and the clipboard commands.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include "CtlParent.h"
#include "Support.h"

namespace {

class RichEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(AfxInitRichEdit2());
    ASSERT_TRUE(AfxInitRichEdit2()) << "loading twice must answer the same";
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 100), &parent, 21));
  }
  ctltest::ParentWnd parent;
  CRichEditCtrl edit;
};

TEST_F(RichEdit, SelectionTextAndLines) {
  edit.SetWindowText(L"hello world\rsecond");
  EXPECT_EQ(2, edit.GetLineCount());
  edit.SetSel(6, 11);
  long start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(6, start);
  EXPECT_EQ(11, end);
  EXPECT_STREQ(L"world", edit.GetSelText());
  EXPECT_TRUE(edit.GetSelectionType() & SEL_MULTICHAR);
  CString range;
  EXPECT_EQ(5, edit.GetTextRange(0, 5, range));
  EXPECT_STREQ(L"hello", range);
  EXPECT_EQ(1, edit.LineFromChar(13));
  EXPECT_EQ(12, edit.LineIndex(1));
  EXPECT_EQ(6, edit.LineLength(1));
  wchar_t line[4];
  EXPECT_EQ(3, edit.GetLine(1, line, 4));
  EXPECT_STREQ(L"sec", line) << "GetLine truncates to the buffer and terminates";
  edit.SetSel(0, 0);
  EXPECT_TRUE(edit.GetSelText().IsEmpty());
  EXPECT_EQ(SEL_EMPTY, edit.GetSelectionType());
}

TEST_F(RichEdit, CharacterFormatsApplyToTheSelectionOnly) {
  edit.SetWindowText(L"plain slanted");
  edit.SetSel(6, 13);
  CHARFORMAT2 cf = {};
  cf.dwMask = CFM_ITALIC | CFM_COLOR;
  cf.dwEffects = CFE_ITALIC;
  cf.crTextColor = RGB(200, 0, 0);
  EXPECT_TRUE(edit.SetSelectionCharFormat(cf));

  CHARFORMAT2 got = {};
  edit.GetSelectionCharFormat(got);
  EXPECT_TRUE(got.dwEffects & CFE_ITALIC);
  EXPECT_EQ(RGB(200, 0, 0), got.crTextColor);
  edit.SetSel(0, 5);
  CHARFORMAT plain = {};
  edit.GetSelectionCharFormat(plain);
  EXPECT_FALSE(plain.dwEffects & CFE_ITALIC) << "text outside the selection kept its format";
  EXPECT_NE(RGB(200, 0, 0), plain.crTextColor);
}

TEST_F(RichEdit, UndoAndClipboardCommands) {
  edit.SetWindowText(L"abc");
  edit.EmptyUndoBuffer();
  EXPECT_FALSE(edit.CanUndo());
  edit.SetSel(3, 3);
  edit.ReplaceSel(L"def", TRUE);
  EXPECT_TRUE(edit.CanUndo());
  EXPECT_TRUE(edit.Undo());
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(L"abc", text);

  edit.SetSel(0, 1);
  edit.Copy();
  EXPECT_TRUE(edit.CanPaste()) << "copied text can be pasted";
  edit.SetSel(1, 3);
  edit.Cut();
  edit.GetWindowText(text);
  EXPECT_STREQ(L"a", text);
  edit.SetSel(0, 0);
  edit.Paste();
  edit.GetWindowText(text);
  EXPECT_STREQ(L"bca", text) << "the cut text replaced the copied one on the clipboard";
}

}  // namespace
