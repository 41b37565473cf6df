// CGfxListCtrl: copying rows as tab-separated text, the copy popup, links and registry reads.
#include "grid/GfxListCtrl.h"

#include "grid/logic/GfxBrowserCommand.h"
#include "grid/GfxCategoryManager.h"

#include <qxres_ids.h>

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

BOOL CGfxListCtrl::DoCopyInClipboard(bool bSelectedOnly) {
  if (!::IsWindow(m_hWnd)) return FALSE;
  CWaitCursor wait;
  // The owner's callback asks for the column id of every cell.
  CKeepColumns keep(*this);

  // Image headers ("<image>_") stand for pictures: neither they nor their cells are copied.
  const int nColumns = GetColumnCount();
  CHeaderCtrl* pHeader = GetHeaderCtrl();
  std::vector<bool> copied(static_cast<size_t>(nColumns), false);
  std::wstring text;
  for (int nPos = 0; nPos < nColumns; ++nPos) {
    TCHAR szTitle[256] = {};
    HDITEM item = {};
    item.mask = HDI_TEXT;
    item.pszText = szTitle;
    item.cchTextMax = 256;
    pHeader->GetItem(nPos, &item);
    szTitle[255] = 0;
    const size_t nLength = wcslen(szTitle);
    if (nLength > 0 && szTitle[nLength - 1] == _T('_')) continue;
    copied[static_cast<size_t>(nPos)] = true;
    if (nPos > 0) text += L'\t';
    text += szTitle;
  }

  // Category rows carry no owner item: the owner is never asked about their identities.
  const CGfxCategoryManager* pCategories = m_pCategoryManager;
  CString strCell;
  int nRowsCopied = 0;
  auto appendRow = [&](int nItem) {
    const DWORD_PTR dwData = GetItemData(nItem);  // once per row, not once per cell
    if (pCategories && pCategories->IsListItemACategory(dwData) >= 0) return;
    ++nRowsCopied;
    if (!text.empty()) text += L"\r\n";
    for (int nPos = 0; nPos < nColumns; ++nPos) {
      if (!copied[static_cast<size_t>(nPos)]) continue;
      if (nPos > 0) text += L'\t';
      strCell.Empty();
      GetItemTextEx(nItem, nPos, strCell, &dwData);
      text.append(strCell.GetString(), static_cast<size_t>(strCell.GetLength()));
    }
  };
  if (bSelectedOnly) {
    for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
      appendRow(i);
  } else {
    const int nCount = GetItemCount();
    for (int i = 0; i < nCount; ++i) appendRow(i);
  }
  // A header line alone is not worth the user's clipboard.
  if (nRowsCopied == 0) return FALSE;

  if (!::OpenClipboard(m_hWnd)) return FALSE;
  ::EmptyClipboard();
  BOOL bDone = FALSE;
  const size_t nBytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nBytes)) {
    if (void* pText = ::GlobalLock(hText)) {
      memcpy(pText, text.c_str(), nBytes);
      ::GlobalUnlock(hText);
      bDone = ::SetClipboardData(CF_UNICODETEXT, hText) != NULL;
    }
    if (!bDone) ::GlobalFree(hText);
  }
  ::CloseClipboard();
  return bDone;
}

void CGfxListCtrl::OnCopy() {
  DoCopyInClipboard(true);
}

void CGfxListCtrl::OnCopyToClipboard() {
  DoCopyInClipboard(false);
}

void CGfxListCtrl::OnRClick(NMHDR* /*pNMHDR*/, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  if (!::IsWindow(m_hWnd)) return;
  CString strCopyAll;
  strCopyAll.LoadString(IDS_QX_COPY_ALL);
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_GFX_COPYALL, strCopyAll);
  CPoint point;
  ::GetCursorPos(&point);
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
  menu.DestroyMenu();
}

HINSTANCE CGfxListCtrl::GotoURL(LPCTSTR lpszUrl, int nShowCommand) {
  HANDLE hProcess = NULL;
  const HINSTANCE hResult = OpenLink(lpszUrl, nShowCommand, &hProcess);
  return hProcess ? reinterpret_cast<HINSTANCE>(hProcess) : hResult;
}

HINSTANCE CGfxListCtrl::OpenLink(LPCTSTR lpszUrl, int nShowCommand, HANDLE* phProcess) {
  *phProcess = NULL;
  if (!lpszUrl || !*lpszUrl) return NULL;
  HINSTANCE hResult = ::ShellExecute(NULL, _T("open"), lpszUrl, NULL, NULL, nShowCommand);
  if (reinterpret_cast<INT_PTR>(hResult) > 32) return hResult;

  // No handler for the text itself: hand it to the browser that opens web pages.
  TCHAR szKey[MAX_PATH * 2] = {};
  if (GetRegKey(HKEY_CLASSES_ROOT, _T(".htm"), szKey) != ERROR_SUCCESS) return hResult;
  CString strCommandKey(szKey);
  strCommandKey += _T("\\shell\\open\\command");
  TCHAR szCommand[MAX_PATH * 2] = {};
  if (GetRegKey(HKEY_CLASSES_ROOT, strCommandKey, szCommand) != ERROR_SUCCESS) return hResult;
  std::wstring line = GfxBrowserCommandLine(szCommand, lpszUrl);
  STARTUPINFO si = {};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(nShowCommand);
  PROCESS_INFORMATION pi = {};
  if (!::CreateProcess(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return NULL;
  ::CloseHandle(pi.hThread);
  *phProcess = pi.hProcess;
  return hResult;
}

LONG CGfxListCtrl::GetRegKey(HKEY hKey, LPCTSTR lpszSubKey, LPTSTR lpszValue) {
  if (lpszValue) *lpszValue = 0;
  HKEY hOpened = NULL;
  LONG lResult = ::RegOpenKeyEx(hKey, lpszSubKey, 0, KEY_QUERY_VALUE, &hOpened);
  if (lResult != ERROR_SUCCESS) return lResult;
  // At most 260 bytes, always terminated.
  TCHAR szData[130 + 1] = {};
  DWORD dwType = 0;
  DWORD cbData = 130 * sizeof(TCHAR);
  lResult =
      ::RegQueryValueEx(hOpened, NULL, NULL, &dwType, reinterpret_cast<LPBYTE>(szData), &cbData);
  ::RegCloseKey(hOpened);
  if (lResult == ERROR_SUCCESS && lpszValue) {
    if (dwType == REG_SZ || dwType == REG_EXPAND_SZ) {
      szData[std::min<DWORD>(cbData / sizeof(TCHAR), 130)] = 0;
      lstrcpy(lpszValue, szData);
    }
  }
  return lResult;
}
