// CItem.
#include "controls/Item.h"

IMPLEMENT_DYNCREATE(CItem, CXMLCmdTarget)

CItem::CItem()
    : m_nTag(0),
      m_nSelectedTab(0),
      m_bReadOnly(0),
      m_bExpanded(0),
      m_nIconID(defaultIconID),
      m_nViewData(0),
      m_bCanRename(1),
      m_bAutoName(0),
      m_pParent(nullptr) {}

CItem::~CItem() = default;

void CItem::XMLSerialize(CXMLArchive& ar) {
  if (ar.IsStoring()) {
    ar << CXMLElement(_T("NAME")) << m_strName;
    ar << CXMLElement(_T("READONLY")) << m_bReadOnly;
  } else {
    ar >> CXMLElement(_T("NAME")) >> m_strName;
    ar >> CXMLElement(_T("READONLY")) >> m_bReadOnly;
  }
}

void CItem::SetProperty(const CString& strName, const CString& strValue) {
  if (strName.IsEmpty()) return;
  if (strName.CompareNoCase(_T("NAME")) == 0)
    m_strName = strValue;
  else if (strName.CompareNoCase(_T("READONLY")) == 0)
    m_bReadOnly = _wtoi(strValue);
  else if (strName.CompareNoCase(_T("EXPANDED")) == 0)
    m_bExpanded = _wtoi(strValue);
}

CXMLCmdTarget& CItem::operator=(const CXMLCmdTarget& src) {
  if (src.IsKindOf(RUNTIME_CLASS(CItem))) CopyObject(static_cast<const CItem&>(src));
  return *this;
}

void CItem::CopyObject(const CItem& src) {
  if (&src == this) return;
  m_strName = src.m_strName;
  m_nIconID = src.m_nIconID;
  m_nTag = src.m_nTag;
}

BOOL CItem::CanAddChild(CItem*) {
  return FALSE;
}
int CItem::AddChild(CItem*) {
  return -1;
}
void CItem::DeleteChildren() {}
void CItem::DeleteChild(CItem*) {}
BOOL CItem::CanDelete() {
  return TRUE;
}

BOOL CItem::CanMoveUp() {
  return m_pParent ? m_pParent->CanMoveChildUp(this) : FALSE;
}
BOOL CItem::CanMoveDown() {
  return m_pParent ? m_pParent->CanMoveChildDown(this) : FALSE;
}
void CItem::MoveUp() {
  if (m_pParent) m_pParent->MoveChildUp(this);
}
void CItem::MoveDown() {
  if (m_pParent) m_pParent->MoveChildDown(this);
}
BOOL CItem::CanMoveChildUp(CItem*) {
  return FALSE;
}
BOOL CItem::CanMoveChildDown(CItem*) {
  return FALSE;
}
void CItem::MoveChildUp(CItem*) {}
void CItem::MoveChildDown(CItem*) {}

int CItem::GetChildCount() {
  return 0;
}
CItem* CItem::GetChild(int) {
  return nullptr;
}
int CItem::GetOverlayIconID() {
  return -1;
}

BOOL CItem::GetXML(CString& strXML) {
  strXML.Empty();
  return FALSE;
}

CObject* CItem::GetDataObject() {
  return nullptr;
}
CWnd* CItem::GetPropertySheet(int) {
  return nullptr;
}
CWnd* CItem::GetPropertyWindow() {
  return nullptr;
}
BOOL CItem::DeletePropertyWindow() {
  return TRUE;
}

CItem* CItem::Clone() {
  CItem* pClone = static_cast<CItem*>(GetRuntimeClass()->CreateObject());
  // Through the base's virtual assignment, so a subclass's copy runs.
  if (pClone) static_cast<CXMLCmdTarget&>(*pClone) = *this;
  return pClone;
}
