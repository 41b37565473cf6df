// Transactions.
#include "QXXact.h"

#include "QXDowncast.h"

// ---- CXact

IMPLEMENT_DYNCREATE(CXact, CXMLCmdTarget)

CXact::CXact() : m_nIconID(0), m_nID(0), m_nSelected(unselected), m_pParent(NULL) {}

CXact::CXact(LPCTSTR lpszName, int nIconID)
    : m_strName(lpszName), m_nIconID(nIconID), m_nID(0), m_nSelected(unselected), m_pParent(NULL) {}

CXact::~CXact() {
  // A transaction deleted on its own (DeleteAll of an array that borrowed it) leaves its
  // parent's list, so the parent never deletes it a second time.
  if (m_pParent) m_pParent->RemoveXact(this);
  DeleteXacts();
}

int CXact::GetChildCount() const {
  return (int)m_arrChildren.GetSize();
}

CXact* CXact::GetXact(int nIndex) const {
  return m_arrChildren.GetOrNull(nIndex);
}

int CXact::FindXact(const CXact* pChild) const {
  return (int)m_arrChildren.Find(pChild);
}

int CXact::AddXact(CXact* pChild, CXact* pAfter) {
  if (!pChild || pChild->m_pParent != NULL) return -1;
  for (const CXact* pAncestor = this; pAncestor; pAncestor = pAncestor->m_pParent) {
    if (pAncestor == pChild) return -1;  // would make a cycle
  }
  const int nIndex = (int)m_arrChildren.InsertAfter(pChild, pAfter);
  pChild->m_pParent = this;
  return nIndex;
}

CXact* CXact::RemoveXact(int nIndex) {
  CXact* pChild = m_arrChildren.TakeAt(nIndex);
  if (pChild) pChild->m_pParent = NULL;
  return pChild;
}

BOOL CXact::RemoveXact(CXact* pChild) {
  return RemoveXact(FindXact(pChild)) != NULL;
}

void CXact::DeleteXacts() {
  for (int i = 0; i < GetChildCount(); ++i) m_arrChildren.GetAt(i)->m_pParent = NULL;
  m_arrChildren.DeleteAll();
}

void CXact::XMLSerialize(CXMLArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteProperty(_T("ID"), m_nID);
    ar << CXMLElement(_T("NAME")) << m_strName;
    ar << CXMLElement(_T("ICON")) << m_nIconID;
    ar << CXMLElement(_T("SELECTED")) << m_nSelected;
    for (int i = 0; i < GetChildCount(); ++i) ar << GetXact(i);
  } else {
    ar >> CXMLElement(_T("NAME")) >> m_strName;
    ar >> CXMLElement(_T("ICON")) >> m_nIconID;
    ar >> CXMLElement(_T("SELECTED")) >> m_nSelected;
    if (m_nSelected < unselected || m_nSelected > partlySelected) m_nSelected = unselected;
    ar.ReadChildObjects(*this);
  }
}

void CXact::SetProperty(const CString& strName, const CString& strValue) {
  if (strName.CompareNoCase(_T("ID")) == 0) m_nID = _wtoi(strValue);
}

BOOL CXact::SetChildObject(const CString& strElement, CXMLCmdTarget* pChild) {
  UNUSED(strElement);
  CXact* pXact = QXDowncast<CXact>(pChild);
  return pXact && AddXact(pXact) >= 0;
}

CXMLCmdTarget& CXact::operator=(const CXMLCmdTarget& src) {
  const CXact* pSource = QXDowncast<CXact>(&src);
  if (pSource && pSource != this) {
    m_strName = pSource->m_strName;
    m_nIconID = pSource->m_nIconID;
    m_nID = pSource->m_nID;
  }
  return *this;
}
