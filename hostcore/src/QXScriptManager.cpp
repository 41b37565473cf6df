// The script manager: the catalogue read from qxcore.dll's resources into the objects callers use.
#include "QXScriptManager.h"

#include "QXCoreResources.h"
#include "QXScriptCatalogue.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

CString ToCString(const std::wstring& s) {
  return CString(s.c_str(), (int)s.size());
}

// qxcore.dll's own module handle, found from the address of code inside it.
HMODULE CoreModule() {
  HMODULE hModule = NULL;
  ::GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&CoreModule), &hModule);
  return hModule;
}

}  // namespace

IMPLEMENT_DYNAMIC(CScriptParameter, CObject)
IMPLEMENT_DYNAMIC(CScriptObject, CObject)

CScriptParameter::CScriptParameter(int nParmNo, int nAttribute, const CString& strText)
    : m_nParmNo(nParmNo), m_nAttribute(nAttribute), m_strText(strText) {}

CScriptObject::CScriptObject(const CString& strFullName, const CString& strCategory,
                             const CString& strDescription, const CString& strParameterDesc,
                             const CString& strParmDef)
    : m_strFullName(strFullName),
      m_strCategory(strCategory),
      m_strDescription(strDescription),
      m_strParameterDesc(strParameterDesc),
      m_strParmDef(strParmDef) {}

CScriptObject::~CScriptObject() {
  while (!m_listParms.IsEmpty()) delete m_listParms.RemoveHead();
}

CString CScriptObject::GetName() const {
  return m_strFullName.Left(3).CompareNoCase(_T("$QX")) == 0 ? m_strFullName.Mid(3) : m_strFullName;
}

CString CScriptObject::GetParmText(int nParmNo, int nAttribute) const {
  for (POSITION pos = m_listParms.GetHeadPosition(); pos != NULL;) {
    const CScriptParameter* pParm = static_cast<const CScriptParameter*>(m_listParms.GetNext(pos));
    if (pParm->GetParmNo() == nParmNo && pParm->GetAttribute() == nAttribute)
      return pParm->GetText();
  }
  return CString();
}

void CScriptObject::AddParameter(int nParmNo, int nAttribute, const CString& strText) {
  m_listParms.AddTail(new CScriptParameter(nParmNo, nAttribute, strText));
}

CQXScriptManager::CQXScriptManager() : m_nCurrentItem(-1) {}

CQXScriptManager::~CQXScriptManager() {
  Clear();
}

void CQXScriptManager::Clear() {
  m_mapByKey.RemoveAll();
  POSITION pos = m_mapObjects.GetStartPosition();
  while (pos != NULL) {
    CString strName;
    CObject* pObject = NULL;
    m_mapObjects.GetNextAssoc(pos, strName, pObject);
    delete pObject;
  }
  m_mapObjects.RemoveAll();
  m_arrKeyWords.RemoveAll();
  m_arrConstants.RemoveAll();
}

BOOL CQXScriptManager::LoadCatalogue(const void* pData, size_t nSize) {
  Clear();
  qx::ScriptCatalogue catalogue;
  std::wstring error;
  if (!qx::ParseScriptCatalogue(static_cast<const char*>(pData), nSize, catalogue, error)) {
    m_strLoadError = _T("The script function catalogue cannot be read: ") + ToCString(error);
    return FALSE;
  }
  m_strLoadError.Empty();

  std::vector<std::wstring> names;
  for (const qx::ScriptFunction& f : catalogue.functions) {
    CScriptObject* pObject =
        new CScriptObject(ToCString(f.name), ToCString(f.category), ToCString(f.description),
                          ToCString(f.parameterHelp), ToCString(f.parmDef));
    for (const qx::ScriptParmEntry& e : f.parms)
      pObject->AddParameter(e.number, e.attribute, ToCString(e.text));
    m_mapObjects.SetAt(ToCString(f.name), pObject);
    m_mapByKey.SetAt(ToCString(qx::ScriptFunctionKey(f.name)), pObject);
    names.push_back(f.name);
  }
  // The assist list shows the keywords in this order.
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return qx::ScriptFunctionKey(a) < qx::ScriptFunctionKey(b);
  });
  for (const std::wstring& name : names) m_arrKeyWords.Add(name.c_str());
  for (const std::wstring& constant : catalogue.constants) m_arrConstants.Add(constant.c_str());
  return TRUE;
}

BOOL CQXScriptManager::LoadDefaultCatalogue() {
  HMODULE hModule = CoreModule();
  HRSRC hResource = hModule ? ::FindResourceW(hModule, MAKEINTRESOURCEW(IDR_QX_SCRIPT_CATALOGUE),
                                              MAKEINTRESOURCEW(10))
                            : NULL;  // 10: RT_RCDATA
  HGLOBAL hData = hResource ? ::LoadResource(hModule, hResource) : NULL;
  const void* pData = hData ? ::LockResource(hData) : NULL;
  if (!pData) {
    Clear();
    m_strLoadError = _T("The script function catalogue is missing from qxcore.dll.");
    return FALSE;
  }
  return LoadCatalogue(pData, ::SizeofResource(hModule, hResource));
}

CScriptObject* CQXScriptManager::GetQXScriptObject(const CString& strName) const {
  const std::wstring key =
      qx::ScriptFunctionKey(std::wstring(strName.GetString(), strName.GetLength()));
  CObject* pObject = NULL;
  if (key.empty() || !m_mapByKey.Lookup(key.c_str(), pObject)) return NULL;
  return static_cast<CScriptObject*>(pObject);
}

CObList* CQXScriptManager::GetQXScriptParmObList(const CString& strName) const {
  CScriptObject* pObject = GetQXScriptObject(strName);
  return pObject ? pObject->GetParmObList() : NULL;
}

CQXScriptManager* TKWGetScriptManager() {
  static CQXScriptManager* s_pManager = [] {
    static CQXScriptManager manager;
    manager.LoadDefaultCatalogue();
    return &manager;
  }();
  return s_pManager;
}
