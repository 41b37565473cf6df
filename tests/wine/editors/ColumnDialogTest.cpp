// The column dialogs driven as a user would: list selections, buttons, double clicks, fields
// edited and left, radio clicks, OK against Cancel, on a manager with several column kinds.
#include "grid/GfxColumnManager.h"
#include "grid/editors/GfxCustomizeColumnDlg.h"
#include "grid/editors/GfxFormatColumnDlg.h"

#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "Support.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using Dlg = CGfxCustomizeColumnDlg;
using Fmt = CGfxFormatColumnDlg;

std::vector<std::wstring> Texts(HWND dialog, int id) {
  std::vector<std::wstring> texts;
  const HWND list = GetDlgItem(dialog, id);
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    texts.push_back(text);
  }
  return texts;
}

std::vector<LRESULT> Data(HWND dialog, int id) {
  std::vector<LRESULT> data;
  const HWND list = GetDlgItem(dialog, id);
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) data.push_back(SendMessageW(list, LB_GETITEMDATA, i, 0));
  return data;
}

bool Enabled(HWND dialog, int id) {
  return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// Selects entries of a multiple-selection list, the caret on the last, and tells the dialog
// as a click does.
void SelectEntries(HWND dialog, int id, std::vector<int> entries) {
  const HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, LB_SETSEL, FALSE, -1);
  for (int i : entries) SendMessageW(list, LB_SETSEL, TRUE, i);
  if (!entries.empty()) SendMessageW(list, LB_SETCARETINDEX, entries.back(), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), LPARAM(list));
}

void Notify(HWND dialog, int id, WORD code) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(GetDlgItem(dialog, id)));
}

// Types a field's new text and leaves it for the OK button, as a user's Tab would.
void EditAndLeave(HWND dialog, int id, const wchar_t* text) {
  SetFocus(GetDlgItem(dialog, id));
  SetDlgItemTextW(dialog, id, text);
  SetFocus(GetDlgItem(dialog, IDCANCEL));
}

class ColumnDialog : public testing::Test {
 protected:
  void SetUp() override {
    const HMODULE module = tks::HostResources();
    ASSERT_NE(nullptr, module);
    tks::ClearModalAnswers();
    tks::ShowHostFrame(true);
    // Ids 0 to 5: plain edit text, numeric right-aligned, image with a description, currency
    // with a drop-down editor, an untitled column and a plain one.
    m_.DefineColumn(0, L"Name", L"Full name", 0, 100, GFXCOL_EDIT, -1, nullptr);
    m_.DefineColumn(1, L"Size", nullptr, 1, 60, GFXCOL_NUMERIC | GFXCOL_DROPLIST, -1, nullptr);
    m_.DefineColumn(2, L"St", nullptr, 2, 20, GFXCOL_IMAGE, -1, L"State");
    m_.DefineColumn(3, L"Cost", nullptr, 0, 80, GFXCOL_VALUTE | GFXCOL_DROPDOWN, -1, nullptr);
    m_.DefineColumn(4, L"", nullptr, 0, 50, 0, -1, nullptr);
    m_.DefineColumn(5, L"Owner", nullptr, 0, 90, 0, -1, nullptr);
    Show({0, 1, 2});
  }
  void TearDown() override {
    tks::ShowHostFrame(false);
    EXPECT_EQ(0, tks::PendingModalAnswers()) << "an armed answer found no dialog";
  }
  void Show(std::vector<int> ids) {
    m_.DefineDefaultColumns(static_cast<int>(ids.size()), ids.data());
  }
  INT_PTR Customize(std::function<void(HWND)> answer) {
    tks::AnswerNextDialog(answer);
    Dlg dlg(CWnd::FromHandle(tks::HostFrame()));
    dlg.m_pColumnManager = &m_;
    return dlg.DoModal();
  }
  INT_PTR Format(std::function<void(HWND)> answer) {
    tks::AnswerNextDialog(answer);
    Fmt dlg(CWnd::FromHandle(tks::HostFrame()));
    dlg.m_pColumnManager = &m_;
    return dlg.DoModal();
  }
  CGfxColumnManager m_;
};

TEST_F(ColumnDialog, CustomizeAddsMovesRemovesAndStoresColumnZeroFirst) {
  EXPECT_EQ(
      IDOK, Customize([](HWND d) {
        EXPECT_EQ((std::vector<std::wstring>{L"Cost", L"Owner"}), Texts(d, Dlg::IDC_AVAILABLE))
            << "untitled columns are left out";
        EXPECT_EQ((std::vector<std::wstring>{L"Name", L"Size", L"State"}),
                  Texts(d, Dlg::IDC_SHOWN));
        for (int id : {IDOK, +Dlg::IDC_ADD, +Dlg::IDC_REMOVE, +Dlg::IDC_MOVE_UP})
          EXPECT_FALSE(Enabled(d, id)) << "nothing to do yet: control " << id;
        SelectEntries(d, Dlg::IDC_AVAILABLE, {0, 1});
        EXPECT_TRUE(Enabled(d, Dlg::IDC_ADD));
        tks::PressButton(d, Dlg::IDC_ADD);
        EXPECT_EQ((std::vector<std::wstring>{L"Name", L"Size", L"State", L"Owner", L"Cost"}),
                  Texts(d, Dlg::IDC_SHOWN))
            << "several entries arrive last first";
        EXPECT_TRUE(Enabled(d, IDOK));
        EXPECT_FALSE(Enabled(d, Dlg::IDC_ADD)) << "nothing left to add";

        SelectEntries(d, Dlg::IDC_SHOWN, {0});
        EXPECT_FALSE(Enabled(d, Dlg::IDC_MOVE_UP));
        tks::PressButton(d, Dlg::IDC_MOVE_DOWN);
        tks::PressButton(d, Dlg::IDC_MOVE_DOWN);
        EXPECT_EQ((std::vector<LRESULT>{1, 2, 0, 5, 3}), Data(d, Dlg::IDC_SHOWN));
        EXPECT_EQ(1, SendDlgItemMessageW(d, Dlg::IDC_SHOWN, LB_GETSEL, 2, 0))
            << "the moved entry stays selected";
        SelectEntries(d, Dlg::IDC_SHOWN, {4});
        EXPECT_FALSE(Enabled(d, Dlg::IDC_MOVE_DOWN));
        tks::PressButton(d, Dlg::IDC_MOVE_UP);
        EXPECT_EQ((std::vector<LRESULT>{1, 2, 0, 3, 5}), Data(d, Dlg::IDC_SHOWN));

        SelectEntries(d, Dlg::IDC_SHOWN, {1, 3});
        EXPECT_FALSE(Enabled(d, Dlg::IDC_MOVE_UP)) << "two selected";
        Notify(d, Dlg::IDC_SHOWN, LBN_DBLCLK);
        EXPECT_EQ((std::vector<LRESULT>{1, 0, 5}), Data(d, Dlg::IDC_SHOWN));
        EXPECT_EQ((std::vector<LRESULT>{3, 2}), Data(d, Dlg::IDC_AVAILABLE));
        SelectEntries(d, Dlg::IDC_AVAILABLE, {1});
        Notify(d, Dlg::IDC_AVAILABLE, LBN_DBLCLK);
        tks::PressButton(d, IDOK);
      }));
  EXPECT_EQ((std::vector<int>{0, 1, 5, 2}), m_.GetDefaultColumns())
      << "column 0 goes first and is not listed twice";
}

TEST_F(ColumnDialog, CustomizeRefusesAnEmptyShownListAndCancelKeepsTheManager) {
  std::wstring message;
  EXPECT_EQ(IDCANCEL, Customize([&message](HWND d) {
              SelectEntries(d, Dlg::IDC_SHOWN, {0, 1, 2});
              tks::PressButton(d, Dlg::IDC_REMOVE);
              tks::AnswerNextMessageBox([&message](const std::wstring&, const std::wstring& text) {
                message = text;
                return IDOK;
              });
              tks::PressButton(d, IDOK);
              EXPECT_TRUE(IsWindow(d)) << "the dialog stays open";
              tks::PressButton(d, IDCANCEL);
            }));
  EXPECT_EQ(L"Choose at least one column to show.", message);
  EXPECT_EQ((std::vector<int>{0, 1, 2}), m_.GetDefaultColumns());
}

TEST_F(ColumnDialog, CustomizeWithoutColumnsOrWithAHugeTitleStaysUsable) {
  CGfxColumnManager empty;
  tks::AnswerNextDialog([](HWND d) {
    EXPECT_TRUE(Texts(d, Dlg::IDC_AVAILABLE).empty());
    tks::AnswerNextMessageBox(IDOK);
    tks::PressButton(d, IDOK);
    tks::PressButton(d, IDCANCEL);
  });
  Dlg dlg;
  dlg.m_pColumnManager = &empty;
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(0, empty.GetDefaultCount());

  const std::wstring huge(1000, L'W');
  m_.RenameColumn(5, huge.c_str());
  EXPECT_EQ(IDOK, Customize([&huge](HWND d) {
              EXPECT_EQ(huge, Texts(d, Dlg::IDC_AVAILABLE)[1]);
              SelectEntries(d, Dlg::IDC_AVAILABLE, {1});
              tks::PressButton(d, Dlg::IDC_ADD);
              tks::PressButton(d, IDOK);
            }));
  EXPECT_EQ((std::vector<int>{0, 1, 2, 5}), m_.GetDefaultColumns());
}

// The format dialog's fields for the selected column.
struct Fields {
  std::wstring label, labelDt, width, editor;
  std::vector<std::wstring> formats;
  int format;
  UINT checked;  // radio button checked, 0 none
  bool widthEnabled, labelDtEnabled, alignEnabled;
};
Fields Read(HWND d) {
  Fields f;
  f.label = tks::DialogItemText(d, Fmt::IDC_LABEL);
  f.labelDt = tks::DialogItemText(d, Fmt::IDC_LABEL_DT);
  f.width = tks::DialogItemText(d, Fmt::IDC_WIDTH);
  f.editor = tks::DialogItemText(d, Fmt::IDC_EDITOR);
  const int count = static_cast<int>(SendDlgItemMessageW(d, Fmt::IDC_FORMAT, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[32] = {};
    SendDlgItemMessageW(d, Fmt::IDC_FORMAT, CB_GETLBTEXT, i, LPARAM(text));
    f.formats.push_back(text);
  }
  f.format = static_cast<int>(SendDlgItemMessageW(d, Fmt::IDC_FORMAT, CB_GETCURSEL, 0, 0));
  f.checked = 0;
  for (UINT id : {+Fmt::IDC_LEFT, +Fmt::IDC_CENTER, +Fmt::IDC_RIGHT})
    if (IsDlgButtonChecked(d, id) == BST_CHECKED) f.checked = id;
  f.widthEnabled = Enabled(d, Fmt::IDC_WIDTH);
  f.labelDtEnabled = Enabled(d, Fmt::IDC_LABEL_DT);
  f.alignEnabled = Enabled(d, Fmt::IDC_LEFT) && Enabled(d, Fmt::IDC_CENTER);
  return f;
}

void SelectColumn(HWND d, int entry) {
  SendDlgItemMessageW(d, Fmt::IDC_SHOWN, LB_SETCURSEL, entry, 0);
  Notify(d, Fmt::IDC_SHOWN, LBN_SELCHANGE);
}

TEST_F(ColumnDialog, FormatShowsEachKindOfColumnAndLocksImageColumns) {
  EXPECT_EQ(IDCANCEL, Format([](HWND d) {
              EXPECT_EQ((std::vector<std::wstring>{L"Name", L"Size", L"State"}),
                        Texts(d, Fmt::IDC_SHOWN));
              Fields f = Read(d);
              EXPECT_EQ(L"Name", f.label);
              EXPECT_EQ(L"Full name", f.labelDt);
              EXPECT_EQ(L"Edit", f.editor);
              EXPECT_EQ((std::vector<std::wstring>{L"Text", L"Numeric", L"Valute"}), f.formats);
              EXPECT_EQ(0, f.format);
              EXPECT_EQ(UINT(Fmt::IDC_LEFT), f.checked);
              EXPECT_TRUE(f.widthEnabled && f.labelDtEnabled && f.alignEnabled);
              const int chars = std::stoi(f.width);
              EXPECT_GT(chars, 0);

              SelectColumn(d, 1);
              f = Read(d);
              EXPECT_EQ(L"Drop list", f.editor);
              EXPECT_EQ(1, f.format);
              EXPECT_EQ(UINT(Fmt::IDC_RIGHT), f.checked);
              EXPECT_EQ(L"", f.labelDt);
              EXPECT_LT(std::stoi(f.width), chars) << "a narrower column";

              SelectColumn(d, 2);
              f = Read(d);
              EXPECT_EQ(L"State", f.label) << "an image column is titled by its description";
              EXPECT_EQ((std::vector<std::wstring>{L"Image"}), f.formats);
              EXPECT_EQ(UINT(Fmt::IDC_CENTER), f.checked);
              EXPECT_FALSE(f.widthEnabled || f.labelDtEnabled || f.alignEnabled);
              EXPECT_EQ(L"", f.editor);
              tks::PressButton(d, IDCANCEL);
            }));
}

TEST_F(ColumnDialog, FormatEditsReachTheGridManagerOnlyOnOk) {
  const auto edit = [](HWND d) {
    EditAndLeave(d, Fmt::IDC_LABEL, L"Full");
    EditAndLeave(d, Fmt::IDC_LABEL_DT, L"Second");
    EditAndLeave(d, Fmt::IDC_WIDTH, L"0");
    SendDlgItemMessageW(d, Fmt::IDC_RIGHT, BM_CLICK, 0, 0);
    SetFocus(GetDlgItem(d, Fmt::IDC_FORMAT));
    SendDlgItemMessageW(d, Fmt::IDC_FORMAT, CB_SETCURSEL, 2, 0);
    SetFocus(GetDlgItem(d, IDCANCEL));
    EXPECT_EQ(L"Full", Texts(d, Fmt::IDC_SHOWN)[0]);
    EXPECT_EQ(0, SendDlgItemMessageW(d, Fmt::IDC_SHOWN, LB_GETCURSEL, 0, 0));
    EditAndLeave(d, Fmt::IDC_LABEL, L"");  // an empty label is not stored
    SelectColumn(d, 2);
    EditAndLeave(d, Fmt::IDC_LABEL, L"Status");
  };
  EXPECT_EQ(IDCANCEL, Format([&edit](HWND d) {
              edit(d);
              tks::PressButton(d, IDCANCEL);
            }));
  EXPECT_STREQ(L"Name", m_.GetColumnById(0)->GetText());
  EXPECT_EQ(100, m_.GetColumnById(0)->GetWidth());
  EXPECT_EQ(GFXCOL_EDIT, m_.GetColumnById(0)->GetFlags());

  EXPECT_EQ(IDOK, Format([&edit](HWND d) {
              edit(d);
              tks::PressButton(d, IDOK);
            }));
  const CGfxColumnManager::CGfxColumn* name = m_.GetColumnById(0);
  EXPECT_STREQ(L"Full", name->GetText());
  EXPECT_STREQ(L"Second", name->GetTextDt());
  EXPECT_EQ(0, name->GetWidth());
  EXPECT_EQ(1, name->GetAlign());
  EXPECT_EQ(GFXCOL_EDIT | GFXCOL_VALUTE, name->GetFlags());
  EXPECT_STREQ(L"Status", m_.GetColumnById(2)->GetDescr());
  EXPECT_STREQ(L"St", m_.GetColumnById(2)->GetText());
  EXPECT_EQ(20, m_.GetColumnById(2)->GetWidth());
}

TEST_F(ColumnDialog, FormatRefusesAWidthOutOfRangeAndCopesWithNoColumns) {
  std::wstring message;
  EXPECT_EQ(IDOK, Format([&message](HWND d) {
              tks::AnswerNextMessageBox([&message](const std::wstring&, const std::wstring& text) {
                message = text;
                return IDOK;
              });
              EditAndLeave(d, Fmt::IDC_WIDTH, L"1025");
              EXPECT_EQ(GetDlgItem(d, Fmt::IDC_WIDTH), GetFocus()) << "the focus goes back";
              SetDlgItemTextW(d, Fmt::IDC_WIDTH, L"2");
              tks::PressButton(d, IDOK);  // Enter: the field is read without being left
            }));
  EXPECT_NE(std::wstring::npos, message.find(L"1024")) << message;
  EXPECT_GT(m_.GetColumnById(0)->GetWidth(), 0);
  EXPECT_LT(m_.GetColumnById(0)->GetWidth(), 40);

  Show({});
  EXPECT_EQ(IDOK, Format([](HWND d) {
              EXPECT_TRUE(Texts(d, Fmt::IDC_SHOWN).empty());
              EXPECT_FALSE(Enabled(d, Fmt::IDC_LABEL));
              tks::PressButton(d, Fmt::IDC_RIGHT);  // no column to align
              tks::PressButton(d, IDOK);
            }));
  EXPECT_EQ(6, m_.GetColumnCount());
}

}  // namespace
