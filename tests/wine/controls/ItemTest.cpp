// CItem: its XML round trip, what the XML reader's attributes set, the tree questions it
// passes to its parent, and copies.
#include "controls/Item.h"

#include <gtest/gtest.h>

#include <objbase.h>

namespace {

// A parent that answers the move questions and records the moves asked of it.
class CFolderItem : public CItem {
  DECLARE_DYNCREATE(CFolderItem)

 public:
  BOOL CanMoveChildUp(CItem* pChild) override { return pChild == m_pFirst ? FALSE : TRUE; }
  BOOL CanMoveChildDown(CItem* pChild) override { return pChild == m_pFirst ? TRUE : FALSE; }
  void MoveChildUp(CItem* pChild) override { m_strMoves += pChild->GetName() + _T("^"); }
  void MoveChildDown(CItem* pChild) override { m_strMoves += pChild->GetName() + _T("v"); }

  CItem* m_pFirst = nullptr;
  CString m_strMoves;
};
IMPLEMENT_DYNCREATE(CFolderItem, CItem)

class ItemXml : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override { ::CoUninitialize(); }
};

TEST_F(ItemXml, RoundTripKeepsNameAndReadOnlyOfAnyLength) {
  CString strLong;
  for (int i = 0; i < 5000; ++i) strLong += static_cast<TCHAR>(L'a' + i % 26);
  const CString names[] = {_T(""), L"caf\u00e9 \u65e5\u672c <&>\"'", _T("  spaced  "), strLong};
  for (const CString& strName : names) {
    for (int bReadOnly : {0, 1}) {
      CItem source;
      source.SetName(strName);
      source.SetReadOnly(bReadOnly);
      source.SetExpanded(1);
      CString strXML;
      CXMLArchive out;
      ASSERT_TRUE(out.StoreToString(strXML, source, _T("ITEM"))) << out.GetError();
      CItem target;
      target.SetName(_T("old"));
      target.SetReadOnly(!bReadOnly);
      CXMLArchive in;
      ASSERT_TRUE(in.LoadFromString(strXML, target, _T("ITEM"))) << in.GetError();
      EXPECT_TRUE(target.GetName() == strName) << "name of length " << strName.GetLength();
      EXPECT_EQ(target.GetReadOnly(), bReadOnly);
      EXPECT_EQ(target.GetExpanded(), 0) << "the expanded flag is not written";
    }
  }
}

TEST_F(ItemXml, ADamagedOrForeignArchiveFailsAndChangesNothing) {
  struct Case {
    const wchar_t* pszXML;
    int nError;
  };
  for (const Case& c :
       {Case{L"<ITEM><NAME>half", CXMLArchive::errMalformed}, Case{L"", CXMLArchive::errMalformed},
        Case{L"<ITEM NAME='x'><NAME>a</NAME></ITEM><ITEM/>", CXMLArchive::errMalformed},
        Case{L"<JOB><NAME>other</NAME></JOB>", CXMLArchive::errRoot}}) {
    CItem item;
    item.SetName(_T("kept"));
    item.SetReadOnly(1);
    CXMLArchive in;
    EXPECT_FALSE(in.LoadFromString(c.pszXML, item, _T("ITEM"))) << c.pszXML;
    EXPECT_EQ(in.GetError(), c.nError) << c.pszXML;
    EXPECT_FALSE(in.GetErrorText().IsEmpty());
    EXPECT_TRUE(item.GetName() == _T("kept")) << c.pszXML;
    EXPECT_EQ(item.GetReadOnly(), 1) << c.pszXML;
  }
}

TEST_F(ItemXml, AttributesSetNameAndFlagsIgnoringCase) {
  CItem item;
  CXMLArchive in;
  ASSERT_TRUE(in.LoadFromString(
      L"<ITEM name='attr' readonly='1' Expanded='3' ICON='7'><READONLY>x</READONLY></ITEM>", item,
      _T("ITEM")));
  EXPECT_TRUE(item.GetName() == _T("attr")) << "no NAME element: the attribute stays";
  EXPECT_EQ(item.GetReadOnly(), 1) << "a READONLY element that is no number leaves the flag";
  EXPECT_EQ(item.GetExpanded(), 3);
  EXPECT_EQ(item.GetIconID(), CItem::defaultIconID) << "other names are ignored";
  item.SetProperty(_T(""), _T("0"));
  EXPECT_EQ(item.GetReadOnly(), 1);
}

TEST(Item, MovesAreAskedOfTheParentAndNothingMovesWithoutOne) {
  CFolderItem folder;
  CItem first, second, orphan;
  first.SetName(_T("a"));
  second.SetName(_T("b"));
  first.SetParent(&folder);
  second.SetParent(&folder);
  folder.m_pFirst = &first;
  EXPECT_EQ(first.CanMoveUp(), FALSE);
  EXPECT_EQ(first.CanMoveDown(), TRUE);
  EXPECT_EQ(second.CanMoveUp(), TRUE);
  EXPECT_EQ(second.CanMoveDown(), FALSE);
  first.MoveDown();
  second.MoveUp();
  orphan.MoveUp();
  orphan.MoveDown();
  EXPECT_TRUE(folder.m_strMoves == _T("avb^"));
  EXPECT_EQ(orphan.CanMoveUp(), FALSE);
  EXPECT_EQ(orphan.CanMoveDown(), FALSE);
}

TEST(Item, CloneIsOfTheSameClassAndCopiesNameIconAndTagOnly) {
  CFolderItem source;
  source.SetName(_T("job"));
  source.SetIconID(42);
  source.SetTag(9);
  source.SetReadOnly(1);
  CItem* pClone = source.Clone();
  ASSERT_NE(pClone, nullptr);
  EXPECT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CFolderItem)));
  EXPECT_TRUE(pClone->GetName() == _T("job"));
  EXPECT_EQ(pClone->GetIconID(), 42);
  EXPECT_EQ(pClone->GetTag(), 9);
  EXPECT_EQ(pClone->GetReadOnly(), 0);
  delete pClone;
}

}  // namespace
