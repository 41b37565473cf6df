// CItem: the base of the host's tree items (projects, jobs, tests...), a named node kept in the
// host's XML archive that answers a tree view's questions.
#pragma once
#include <afxwin.h>

#include "XMLArchive.h"
#include "core/TKWExport.h"

class TKWUI_API CItem : public CXMLCmdTarget {
  DECLARE_DYNCREATE(CItem)

 public:
  enum { defaultIconID = 5082 };

  CItem();
  ~CItem() override;

  // Overridden in place of the base's slots.
  void XMLSerialize(CXMLArchive& ar) override;
  void SetProperty(const CString& strName, const CString& strValue) override;
  CXMLCmdTarget& operator=(const CXMLCmdTarget& src) override;  // CopyObject

  // Copies name, icon identifier and tag.
  virtual void CopyObject(const CItem& src);
  virtual BOOL CanAddChild(CItem* pChild);
  virtual int AddChild(CItem* pChild);
  virtual void DeleteChildren();
  virtual void DeleteChild(CItem* pChild);
  virtual void SetParent(CItem* pParent) { m_pParent = pParent; }
  virtual void SetExpanded(int bExpanded) { m_bExpanded = bExpanded; }
  virtual int GetExpanded() const { return m_bExpanded; }
  virtual BOOL CanDelete();
  virtual BOOL CanRename() { return m_bCanRename; }
  virtual BOOL IsAutoName() { return m_bAutoName; }
  // Moving is the parent's business: without one, nothing moves.
  virtual BOOL CanMoveUp();
  virtual BOOL CanMoveDown();
  virtual void MoveUp();
  virtual void MoveDown();
  virtual BOOL CanMoveChildUp(CItem* pChild);
  virtual BOOL CanMoveChildDown(CItem* pChild);
  virtual void MoveChildUp(CItem* pChild);
  virtual void MoveChildDown(CItem* pChild);
  virtual int GetChildCount();
  virtual CItem* GetChild(int nIndex);
  virtual int GetIconID() { return m_nIconID; }
  virtual void SetIconID(int nIconID) { m_nIconID = nIconID; }
  virtual int GetOverlayIconID();  // -1: no overlay
  virtual CString GetName() const { return m_strName; }
  virtual void SetName(const CString& strName) { m_strName = strName; }
  // The item as XML text; the base has none (empties the string and answers 0).
  virtual BOOL GetXML(CString& strXML);
  virtual CObject* GetDataObject();
  virtual CWnd* GetPropertySheet(int nIndex);
  virtual CWnd* GetPropertyWindow();
  virtual BOOL DeletePropertyWindow();
  // A new item of this item's own runtime class with this item's content; the caller owns it.
  virtual CItem* Clone();

  int GetSelectedChildCount() { return 0; }
  CItem* GetParent() const { return m_pParent; }
  void SetReadOnly(int bReadOnly) { m_bReadOnly = bReadOnly; }
  int GetReadOnly() const { return m_bReadOnly; }
  void SetViewData(int nViewData) { m_nViewData = nViewData; }
  int GetViewData() const { return m_nViewData; }
  void SetTag(int nTag) { m_nTag = nTag; }
  int GetTag() const { return m_nTag; }

  int m_nTag;          // copied with the item
  int m_nSelectedTab;  // page last active in the sheet that edits the item; the sheet writes it

 protected:
  int m_bReadOnly;
  int m_bExpanded;
  int m_nIconID;
  CString m_strName;
  int m_nViewData;  // not set until the view sets it
  int m_bCanRename;
  int m_bAutoName;
  CString m_strDescription;  // for subclasses
  CItem* m_pParent;          // not owned

 private:
  CItem(const CItem&) = delete;
};
