// CScriptWizardInit: runs the script wizard and hands back the composed call.
#include "script/wizard/ScriptWizardInit.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/ScriptWizardSheet.h"

#include <afxrich_.h>

using namespace scriptwiz;

namespace {

HBITMAP LoadWizardBitmap(UINT nID) {
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW(nID), RT_BITMAP);
  return static_cast<HBITMAP>(
      ::LoadImageW(hInst, MAKEINTRESOURCEW(nID), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

CString CScriptWizardInit::CreateWizard(CWnd* pParent, CString strKeywordList) {
  CString result;
  if (pParent) m_pParent = pParent;
  // The argument pages' editors are rich edit controls.
  AfxInitRichEdit2();
  HBITMAP hbmWatermark = LoadWizardBitmap(IDB_WATERMARK);
  HBITMAP hbmHeader = LoadWizardBitmap(IDB_HEADER);
  CScriptWizardSheet* pSheet =
      new CScriptWizardSheet(IDS_SHEET_CAPTION, m_pParent, strKeywordList, hbmWatermark, hbmHeader);
  pSheet->m_psh.dwFlags = (pSheet->m_psh.dwFlags & ~PSH_HASHELP) | PSH_WIZARD;
  pSheet->m_psh.hInstance = ::GetModuleHandleW(NULL);
  if (pSheet->DoModal() != IDCANCEL) result = pSheet->m_strResult;
  delete pSheet;
  if (hbmWatermark) ::DeleteObject(hbmWatermark);
  if (hbmHeader) ::DeleteObject(hbmHeader);
  return result;
}
