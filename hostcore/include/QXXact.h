// Transactions: the steps of a test, in a tree, with a three-state selection mark.
#pragma once
#include "QXPtrArray.h"
#include "XMLArchive.h"

class CXact;

// An array of transactions; DeleteAll frees them, RemoveAll and the destructor forget them.
class CXactArray : public CQXPtrArray<CXact> {};

// One transaction. It owns its child transactions.
class QX_API CXact : public CXMLCmdTarget {
  DECLARE_DYNCREATE(CXact)

 public:
  enum { unselected = 0, selected = 1, partlySelected = 2 };

  CXact();
  explicit CXact(LPCTSTR lpszName, int nIconID = 0);
  ~CXact() override;  // deletes the children and leaves the parent's list

  CString GetName() const { return m_strName; }
  void SetName(LPCTSTR lpszName) { m_strName = lpszName; }
  int GetIconID() const { return m_nIconID; }
  void SetIconID(int nIconID) { m_nIconID = nIconID; }
  int GetID() const { return m_nID; }
  void SetID(int nID) { m_nID = nID; }
  // Selection mark: 0 not selected, 1 selected, 2 partly selected (some children are).
  int GetSelected() const { return m_nSelected; }
  void SetSelected(int nMark) { m_nSelected = nMark; }

  CXact* GetParent() const { return m_pParent; }  // null at the top

  // Children.
  virtual int GetChildCount() const;
  int GetXactCount() const { return GetChildCount(); }
  CXact* GetXact(int nIndex) const;         // null when out of range
  int FindXact(const CXact* pChild) const;  // index, or -1
  // Adopts pChild after pAfter (at the end when pAfter is null or not a child) and becomes its
  // parent; returns its index. Refuses (-1) null, this transaction, one of its ancestors and a
  // transaction that already has a parent (remove it there first).
  int AddXact(CXact* pChild, CXact* pAfter = NULL);
  // Takes a child out without deleting it; it then has no parent. Null / FALSE when not found.
  CXact* RemoveXact(int nIndex);
  BOOL RemoveXact(CXact* pChild);
  void DeleteXacts();  // deletes every child

  void XMLSerialize(CXMLArchive& ar) override;
  void SetProperty(const CString& strName, const CString& strValue) override;
  BOOL SetChildObject(const CString& strElement, CXMLCmdTarget* pChild) override;
  CXMLCmdTarget& operator=(const CXMLCmdTarget& src) override;  // name, icon, id (not children)

 private:
  CString m_strName;
  int m_nIconID;
  int m_nID;
  int m_nSelected;
  CXact* m_pParent;
  CXactArray m_arrChildren;
};
