// CScriptEditCtrl: word lists, colouring after each change, assist list, parameter tip, context
// menu and password mode of the script editor. The decisions are the logic/ folder's; this file
// reads the control, asks them, and applies the answers.
#include "script/ScriptEditCtrl.h"

#include "grid/editors/GfxCellEditProtocol.h"
#include "grid/editors/GfxPopupMenu.h"
#include "script/logic/ScriptCaretContext.h"
#include "script/logic/ScriptPopupPlacement.h"
#include "script/wizard/ScriptWizardInit.h"

#include "QXScriptManager.h"

#include <afxres.h>
#include <qxres_ids.h>
#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace {

const UINT WM_REMOVETIP = ::RegisterWindowMessageW(L"WM_REMOVETIP");

const COLORREF kAssistBackground = 0xB3FFFF;  // light yellow while the assist is on
const UINT kTipElapse = 5000;

// A menu label from the resource module, or the fallback when it has none.
CString MenuText(UINT nId, LPCTSTR pszFallback) {
  CString text;
  if (nId == 0 || !text.LoadString(nId) || text.IsEmpty()) text = pszFallback;
  return text;
}

std::vector<std::wstring> ToVector(const CStringArray* pArray) {
  std::vector<std::wstring> words;
  if (!pArray) return words;
  for (INT_PTR i = 0; i < pArray->GetSize(); ++i) words.emplace_back(pArray->GetAt(i).GetString());
  return words;
}

bool IsKnownFunction(const std::wstring& name) {
  return TKWGetScriptManager()->GetQXScriptObject(CString(name.c_str())) != NULL;
}

tkw::ScriptRect DesktopRect() {
  CRect rc;
  ::GetWindowRect(::GetDesktopWindow(), &rc);
  return tkw::ScriptRect{rc.left, rc.top, rc.right, rc.bottom};
}

}  // namespace

IMPLEMENT_DYNAMIC(CScriptEditCtrl, CRichEditCtrl)

BEGIN_MESSAGE_MAP(CScriptEditCtrl, CRichEditCtrl)
  ON_WM_GETDLGCODE()
  ON_WM_CHAR()
  ON_WM_SHOWWINDOW()
  ON_WM_RBUTTONDOWN()
  ON_WM_KEYDOWN()
  ON_CONTROL_REFLECT(EN_SETFOCUS, OnSetFocusReflect)
  ON_WM_KILLFOCUS()
  ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_COMMAND(ID_SCRIPT_EDIT_DELETE, OnEditDelete)
  ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
  ON_COMMAND(ID_SCRIPT_WIZARD, OnScriptWizard)
  ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
  ON_UPDATE_COMMAND_UI(ID_SCRIPT_EDIT_DELETE, OnUpdateEditDelete)
  ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
  ON_UPDATE_COMMAND_UI(ID_SCRIPT_WIZARD, OnUpdateScriptWizard)
  ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChangeReflect)
  ON_NOTIFY_REFLECT_EX(EN_PROTECTED, OnProtected)
  ON_NOTIFY_REFLECT_EX(EN_SELCHANGE, OnSelChange)
  ON_MESSAGE(WM_SETTEXT, OnSetText)
  ON_MESSAGE(WM_GETTEXT, OnGetText)
  ON_REGISTERED_MESSAGE(WM_REMOVETIP, OnRemoveTipMessage)
END_MESSAGE_MAP()

CScriptEditCtrl::CScriptEditCtrl()
    : m_bChangeCase(true),
      m_nPasswordMode(0),
      m_nRebuildDepth(0),
      m_bWizardRunning(false),
      m_bFormatting(false),
      m_nLastChangeKind(0),
      m_bInserting(false),
      m_bRightClickDisabled(false),
      m_dwTipStyle(0),
      m_nTipDelay(1800000),
      m_bInitialized(false),
      m_bWizardMode(false),
      m_ptCaret(0, 0) {}

CScriptEditCtrl::~CScriptEditCtrl() {
  if (::IsWindow(m_dlgAssist.m_hWnd)) m_dlgAssist.DestroyWindow();
  if (::IsWindow(m_wndTip.m_hWnd)) m_wndTip.DestroyWindow();
}

bool CScriptEditCtrl::Initialize() {
  if (m_bInitialized) return false;
  m_bInitialized = true;
  SetEventMask(ENM_CHANGE | ENM_SELCHANGE | ENM_PROTECTED);
  return true;
}

bool CScriptEditCtrl::Initialize(bool bWizardMode) {
  const bool bDone = Initialize();
  m_bWizardMode = bWizardMode;
  return bDone;
}

// ---- word lists

void CScriptEditCtrl::SetKeyWords(CStringArray* pKeyWords) {
  if (!m_assist.bActive) {
    m_assist.bActive = true;
    CWnd* pParent = GetParent();
    if (!::IsWindow(m_dlgAssist.m_hWnd) && m_dlgAssist.Create(CScriptAssistDlg::IDD, pParent)) {
      m_dlgAssist.SetOwner(this);
      CClientDC dc(&m_dlgAssist);
      CFont* pOld = dc.SelectObject(m_dlgAssist.GetFont());
      TEXTMETRIC tm = {};
      dc.GetTextMetrics(&tm);
      dc.SelectObject(pOld);
      m_assist.nLineHeight = tm.tmHeight;
    }
  }
  const bool bDialog = ::IsWindow(m_dlgAssist.m_hWnd) != FALSE;
  if (bDialog) m_dlgAssist.ResetList();
  for (const std::wstring& name : m_keywords.Set(ToVector(pKeyWords), IsKnownFunction))
    if (bDialog) m_dlgAssist.AddFunction(name.c_str());
  if (bDialog) m_dlgAssist.FitToEntries();
  m_assist.bActive = false;
}

void CScriptEditCtrl::AddKeyword(CString strKeyword) {
  strKeyword.Trim();
  if (!m_keywords.Add(strKeyword.GetString(), IsKnownFunction)) return;
  if (::IsWindow(m_dlgAssist.m_hWnd) && m_dlgAssist.IsWindowVisible()) {
    m_dlgAssist.AddFunction(strKeyword);
    m_dlgAssist.FitToEntries();
  }
}

void CScriptEditCtrl::ClearKeywords() {
  m_keywords.Clear();
}

void CScriptEditCtrl::SetConstants(CStringArray* pConstants) {
  m_constants.Set(ToVector(pConstants));
}

void CScriptEditCtrl::AddConstant(CString strConstant) {
  strConstant.Trim();
  m_constants.Add(strConstant.GetString());
}

void CScriptEditCtrl::ClearConstants() {
  m_constants.Clear();
}

void CScriptEditCtrl::SetCustomKeys(CStringArray* pKeys) {
  m_arrCustomKeys.RemoveAll();
  if (pKeys) m_arrCustomKeys.Append(*pKeys);
}

void CScriptEditCtrl::AddCustomKey(CString strKey) {
  m_arrCustomKeys.Add(strKey);
}

CScriptObject* CScriptEditCtrl::GetQXScriptObject(CString strName) {
  return TKWGetScriptManager()->GetQXScriptObject(strName);
}

CObList* CScriptEditCtrl::GetQXScriptObList(CString strName) {
  return TKWGetScriptManager()->GetQXScriptParmObList(strName);
}

CMapStringToOb* CScriptEditCtrl::GetQXScriptObjectList() {
  return TKWGetScriptManager()->GetQXScriptObjectList();
}

// ---- reading and colouring

std::wstring CScriptEditCtrl::ShownText() const {
  // EM_GETTEXTEX reads what the control shows (WM_GETTEXT answers the real text in password
  // mode), with one character per position.
  const int nLength = int(::SendMessageW(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(size_t(nLength) + 1, L'\0');
  GETTEXTEX get = {};
  get.cb = DWORD((nLength + 1) * sizeof(wchar_t));
  get.flags = GT_DEFAULT;
  get.codepage = 1200;
  const int nRead = int(::SendMessageW(m_hWnd, EM_GETTEXTEX, WPARAM(&get), LPARAM(&text[0])));
  text.resize(size_t(std::max(0, std::min(nRead, nLength))));
  return text;
}

CString CScriptEditCtrl::GetSelTextT() {
  return GetSelText();
}

bool CScriptEditCtrl::SetFormatRange(int nStart, int nEnd, bool bBold, COLORREF cr, bool bAlways) {
  SetSel(nStart, nEnd);
  CHARFORMAT2 cf = {};
  cf.cbSize = sizeof(cf);
  if (!bAlways) {
    GetSelectionCharFormat(cf);
    const bool bSameColour =
        (cf.dwMask & CFM_COLOR) && !(cf.dwEffects & CFE_AUTOCOLOR) && cf.crTextColor == cr;
    const bool bSameWeight = (cf.dwMask & CFM_BOLD) && ((cf.dwEffects & CFE_BOLD) != 0) == bBold;
    if (bSameColour && bSameWeight) return false;
  }
  cf.dwMask = CFM_COLOR | CFM_BOLD;
  cf.dwEffects = bBold ? CFE_BOLD : 0;
  cf.crTextColor = cr;
  SetSelectionCharFormat(cf);
  return true;
}

void CScriptEditCtrl::FormatAll() {
  if (!::IsWindow(m_hWnd)) return;
  FormatTextRange(0, int(::SendMessageW(m_hWnd, WM_GETTEXTLENGTH, 0, 0)));
}

void CScriptEditCtrl::FormatTextLines(int nStart, int nEnd) {
  const tkw::ScriptTextSpan span = tkw::GetScriptLines(ShownText(), nStart, nEnd);
  FormatTextRange(span.start, span.end);
}

void CScriptEditCtrl::FormatTextRange(int nStart, int nEnd) {
  if (nStart >= nEnd || !::IsWindow(m_hWnd) || m_bFormatting) return;
  std::wstring text = ShownText();
  FormatText(text, nStart, nEnd);
}

void CScriptEditCtrl::FormatText(std::wstring& text, int nStart, int nEnd) {
  if (nStart >= nEnd || m_bFormatting) return;
  if (!::IsWindow(m_wndTip.m_hWnd)) m_wndTip.Create(this);
  CHARRANGE saved = {};
  GetSel(saved);
  m_bFormatting = true;
  nEnd = std::min(nEnd, int(text.size()));
  if (nStart < nEnd) {
    HideSelection(TRUE, FALSE);
    const tkw::ScriptColouring colouring = tkw::ColourScriptRange(text, nStart, nEnd, m_keywords);
    m_strRangeText = tkw::ScriptLower(text.substr(size_t(nStart), size_t(nEnd - nStart))).c_str();
    const tkw::ScriptColourSetting keyword = m_colours.keyword;
    // Formatting is the control's costly step, so only the pieces whose colour or weight
    // differ are formatted: the plain text between the runs, then each run.
    bool bFormatted = false;
    int nPlainFrom = nStart;
    for (const tkw::ScriptColourRun& run : colouring.runs) {
      if (nPlainFrom < run.start) bFormatted |= SetFormatRange(nPlainFrom, run.start, false, 0);
      if (run.corrected) {
        // The catalogue's letter case, not undoable: the user typed the name, not its case.
        SetSel(run.start, run.end);
        const std::wstring listed = text.substr(size_t(run.start), size_t(run.end - run.start));
        DefWindowProc(EM_REPLACESEL, FALSE, LPARAM(listed.c_str()));
      }
      bFormatted |= SetFormatRange(run.start, run.end, keyword.bold, keyword.colour);
      nPlainFrom = run.end;
    }
    if (nPlainFrom < nEnd) bFormatted |= SetFormatRange(nPlainFrom, nEnd, false, 0);
    // A range with calls always leaves a formatting step in the control's undo list, so that
    // undo takes back the same steps whether or not the calls' colours were already right.
    if (!bFormatted && !colouring.runs.empty()) {
      const tkw::ScriptColourRun& last = colouring.runs.back();
      SetFormatRange(last.start, last.end, keyword.bold, keyword.colour, true);
    }
    // The pop-ups are placed from the user's selection, not from the last run formatted.
    SetSel(saved);

    tkw::ScriptCaretState state;
    state.selStart = saved.cpMin;
    state.selEnd = saved.cpMax;
    state.inserting = m_bInserting;
    state.passwordMode = IsPassword() != FALSE;
    state.realText = m_password.GetRealText();
    const tkw::ScriptCaretContext context =
        tkw::GetScriptCaretContext(text, colouring, state, m_keywords);
    const bool bDialog = ::IsWindow(m_dlgAssist.m_hWnd) != FALSE;
    const tkw::ScriptPopupActions actions =
        tkw::GetScriptPopupActions(context, bDialog, m_assist.bTyped, m_bInserting);
    if (actions.openList) {
      m_assist.bActive = true;
      ScriptAssist(true, _T("$q"));
      if (m_dlgAssist.SelectMatching(context.function.c_str()) >= 0)
        m_dlgAssist.GetList().UpdateTip();
    } else if (actions.hideList) {
      HideAssist();
    }
    if (actions.hideTip && ::IsWindow(m_wndTip.m_hWnd)) m_wndTip.HideTipWindow();
    if (actions.createTip) {
      CScriptObject* pObject = GetQXScriptObject(context.function.c_str());
      if (pObject && !pObject->GetParmDef().IsEmpty()) CreateToolTip(context.function.c_str());
    }
  }
  SetSel(saved);
  HideSelection(FALSE, FALSE);
  m_bFormatting = false;
}

void CScriptEditCtrl::FormatQuotedText() {
  const tkw::ScriptColourSetting quoted = m_colours.quotedText;
  CHARRANGE saved = {};
  GetSel(saved);
  for (const tkw::ScriptColourRun& run : tkw::QuotedTextRuns(ShownText()))
    SetFormatRange(run.start, run.end, quoted.bold, quoted.colour);
  SetSel(saved);
}

void CScriptEditCtrl::FormatCustomTextRange() {
  std::vector<std::wstring> keys = ToVector(&m_arrCustomKeys);
  CHARRANGE saved = {};
  GetSel(saved);
  for (const tkw::ScriptColourRun& run : tkw::CustomTextRuns(ShownText(), keys)) {
    const tkw::ScriptColourSetting setting = m_colours.For(run.colour);
    SetFormatRange(run.start, run.end, setting.bold, setting.colour);
  }
  SetSel(saved);
}

// ---- change tracking

LRESULT CScriptEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const tkw::ScriptChangeMessage change{message, wParam};
  if (m_nRebuildDepth > 0 || m_hWnd == NULL ||
      !tkw::ScriptChangeTracker::ChangesText(change, ::GetKeyState(VK_CONTROL) < 0))
    return CRichEditCtrl::WindowProc(message, wParam, lParam);
  CHARRANGE sel = {};
  ::SendMessageW(m_hWnd, EM_EXGETSEL, 0, LPARAM(&sel));
  // Recorded now in case the control does not announce the change; an announcement while the
  // message is handled replaces this record rather than adding to it.
  const int token = m_changes.Begin(change, sel.cpMin, sel.cpMax);
  const LRESULT result = CRichEditCtrl::WindowProc(message, wParam, lParam);
  m_changes.End(token);
  return result;
}

BOOL CScriptEditCtrl::OnProtected(NMHDR* pNMHDR, LRESULT* pResult) {
  const ENPROTECTED* pProtected = reinterpret_cast<const ENPROTECTED*>(pNMHDR);
  m_changes.Protected(tkw::ScriptChangeMessage{pProtected->msg, pProtected->wParam},
                      pProtected->chrg.cpMin, pProtected->chrg.cpMax);
  *pResult = 0;  // the change is allowed
  return FALSE;
}

BOOL CScriptEditCtrl::OnChangeReflect() {
  m_ptCaret = CaretClientPoint();
  const int nKind = m_changes.TakeKind();
  if (m_bFormatting) return FALSE;
  m_nLastChangeKind = nKind;
  CHARRANGE sel = {};
  GetSel(sel);
  // Read once: colouring a span corrects the text it holds, so the next span sees the
  // corrected text as a second read would.
  std::wstring text = ShownText();
  for (const tkw::ScriptTextSpan& span : tkw::GetScriptRecolourSpans(
           text, nKind, m_changes.GetMin(), m_changes.GetMax(), sel.cpMin, sel.cpMax))
    FormatText(text, span.start, span.end);
  return FALSE;  // the parent sees the change too
}

BOOL CScriptEditCtrl::OnSelChange(NMHDR* /*pNMHDR*/, LRESULT* pResult) {
  *pResult = 0;
  return FALSE;
}

CPoint CScriptEditCtrl::CaretClientPoint() const {
  CPoint point(0, 0);
  if (::GetFocus() == m_hWnd && ::GetCaretPos(&point)) return point;
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  return PosFromChar(UINT(std::max(0L, nEnd)));
}

// ---- assist list and parameter tip

void CScriptEditCtrl::EnableScriptAssist(bool bEnable) {
  if (!::IsWindow(m_wndTip.m_hWnd)) m_wndTip.Create(this);
  if (::IsWindow(m_wndTip.m_hWnd)) m_wndTip.HideTipWindow();
  m_assist.bActive = bEnable;
  SetBackgroundColor(FALSE, bEnable ? kAssistBackground : RGB(255, 255, 255));
  m_bRightClickDisabled = false;
}

void CScriptEditCtrl::HideAssist() {
  if (!::IsWindow(m_dlgAssist.m_hWnd)) return;
  m_dlgAssist.GetList().HideTip();
  m_dlgAssist.ShowWindow(SW_HIDE);
  m_assist.bShown = false;
}

void CScriptEditCtrl::ScriptAssist(bool bShow, CString strPrefix) {
  if (!bShow) {
    m_assist.bShown = false;
    HideAssist();
    return;
  }
  if (!m_assist.bActive || !::IsWindow(m_dlgAssist.m_hWnd)) return;
  m_assist.bShown = true;
  CPoint caret = m_ptCaret;
  if (caret == CPoint(0, 0)) return;
  // The list starts under the "$" of the name being typed. The control's own positions say
  // where that is: it does not tell its font everywhere, so measuring the prefix may miss.
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  const int nDollar = tkw::ScriptTypedNameStart(ShownText(), int(nEnd));
  int nPrefixWidth = 0;
  if (nDollar >= 0) {
    nPrefixWidth = std::max(0, int(caret.x - PosFromChar(UINT(nDollar)).x));
  } else {
    CClientDC dc(this);
    nPrefixWidth = std::max(0L, dc.GetTextExtent(strPrefix).cx);
  }
  ClientToScreen(&caret);
  CRect rcDialog;
  m_dlgAssist.GetWindowRect(&rcDialog);
  const tkw::ScriptPoint at =
      tkw::PlaceScriptAssist({caret.x, caret.y}, nPrefixWidth, m_assist.nLineHeight,
                             rcDialog.Width(), rcDialog.Height(), DesktopRect());
  m_dlgAssist.SetWindowPos(NULL, at.x, at.y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  m_dlgAssist.GetList().UpdateTip();
  GetWindowRect(&m_assist.rcEditor);
}

void CScriptEditCtrl::CreateToolTip(CString strFunction) {
  if (!::IsWindow(m_wndTip.m_hWnd) && !m_wndTip.Create(this)) return;
  CScriptObject* pObject = GetQXScriptObject(strFunction);
  m_wndTip.SetTipText(pObject ? pObject->GetParameterDesc() : CString(), _T(""));
  CPoint caret = m_ptCaret;
  ClientToScreen(&caret);
  m_dwTipStyle = 0;
  m_wndTip.ShowTipWindow(CPoint(caret.x + 5, caret.y + 15), m_dwTipStyle, m_nTipDelay, kTipElapse,
                         FALSE);
  const CSize size = m_wndTip.GetTipSize();
  const tkw::ScriptPoint at =
      tkw::PlaceScriptTip({caret.x, caret.y}, size.cx, size.cy, DesktopRect());
  m_wndTip.ShowTipWindow(CPoint(at.x, at.y), m_dwTipStyle, m_nTipDelay, kTipElapse, FALSE);
}

LRESULT CScriptEditCtrl::OnRemoveToolTip(WPARAM /*wParam*/, LPARAM lParam) {
  if (::IsWindow(m_wndTip.m_hWnd)) m_wndTip.HideTipWindow();
  if (::IsWindow(m_dlgAssist.m_hWnd)) {
    CRect rc;
    m_dlgAssist.GetWindowRect(&rc);
    if (!rc.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))) HideAssist();
  }
  return 1;
}

LRESULT CScriptEditCtrl::OnRemoveTipMessage(WPARAM wParam, LPARAM lParam) {
  return OnRemoveToolTip(wParam, lParam);
}

// ---- inserting

void CScriptEditCtrl::InsertText(CString& strText) {
  m_bInserting = true;
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  const std::wstring text = ShownText();
  const std::wstring before =
      tkw::ScriptLower(text.substr(size_t(std::max(0L, nEnd - 3)), size_t(std::min(nEnd, 3L))));
  if (before.find(L"$qx") != std::wstring::npos) HideSelection(TRUE, FALSE);
  tkw::ScriptInsertRange range = tkw::GetScriptInsertRange(text, int(nStart), int(nEnd));
  if (range.start == nStart && range.end == nEnd && nStart == nEnd)
    range.start = std::max(0, int(nEnd) - 3);  // no prefix found: the three characters typed
  SetSel(range.start, range.end);
  ReplaceSel(strText, TRUE);
  const tkw::ScriptColourSetting keyword = m_colours.keyword;
  SetFormatRange(std::max(0L, nEnd - 3), int(nEnd), keyword.bold, keyword.colour);
  const long nCaret = range.start + strText.GetLength();
  SetSel(nCaret, nCaret);
  HideSelection(FALSE, FALSE);
  m_password.SetText(ShownText());
  m_bInserting = false;
  // A click in the assist list took the focus; typing goes on here.
  if (::GetFocus() != m_hWnd) SetFocus();
}

void CScriptEditCtrl::InsertWizardText(CString& strText, CHARRANGE& range) {
  if (range.cpMin != -1 && range.cpMax != -1) SetSel(range);
  ReplaceSel(strText, TRUE);
  SetSel(0, 0);
}

void CScriptEditCtrl::ReplaceTextW(CString strText) {
  SendMessage(WM_CLEAR);
  SetWindowText(strText);
  SetSel(0, -1);
}

void CScriptEditCtrl::ProcessSelect() {
  m_strRangeText = ShownText().c_str();
  m_password.SetText(m_strRangeText.GetString());
  if (m_strRangeText == m_strReferenceText) return;
  CWnd* pParent = GetParent();
  if (!pParent) return;
  tkw::celledit::SendEndEdit(pParent, UINT(GetDlgCtrlID()), TKWGetScriptManager()->GetCurrentItem(),
                             2, m_strRangeText);
}

// ---- keys and characters

UINT CScriptEditCtrl::OnGetDlgCode() {
  return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

BOOL CScriptEditCtrl::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
    const bool bListShown = ::IsWindow(m_dlgAssist.m_hWnd) && m_dlgAssist.IsWindowVisible();
    switch (pMsg->wParam) {
      case VK_RETURN:
      case VK_TAB:
        if (bListShown) {
          m_dlgAssist.OnOK();
          return TRUE;
        }
        break;
      case VK_DOWN:
      case VK_UP:
        if (bListShown) {
          if (pMsg->wParam == VK_DOWN)
            m_dlgAssist.SelectNext();
          else
            m_dlgAssist.SelectPrevious();
          m_dlgAssist.GetList().UpdateTip();
          return TRUE;
        }
        break;
      case VK_DELETE:
      case VK_ESCAPE:
      case VK_BACK: OnRemoveToolTip(0, 0); break;
      default: break;
    }
  }
  return CRichEditCtrl::PreTranslateMessage(pMsg);
}

void CScriptEditCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  // Only an x completes the prefix; the text is read for that key alone.
  const bool bX = nChar == L'x' || nChar == L'X';
  const std::wstring typed = !bX            ? std::wstring()
                             : IsPassword() ? m_password.GetRealText()
                                            : ShownText();
  if (bX && nStart == nEnd && tkw::IsScriptPrefixTyped(typed, int(nEnd), wchar_t(nChar))) {
    m_assist.bActive = true;
    m_assist.bTyped = true;
    ScriptAssist(true, _T("$q"));
    if (::IsWindow(m_dlgAssist.m_hWnd) && ::IsWindow(m_wndTip.m_hWnd)) m_wndTip.HideTipWindow();
    SetSel(nStart, nEnd);
  }
  if (!IsPassword()) {
    CRichEditCtrl::OnChar(nChar, nRepCnt, nFlags);
    return;
  }
  // Password mode: the real text takes the character, the display is rebuilt from it.
  if (nChar >= L'!' && nChar <= L'~') {
    m_password.Select(int(nStart), int(nEnd));
    m_password.Char(wchar_t(nChar));
    ShowPasswordDisplay();
  }
}

void CScriptEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (!IsPassword()) {
    CRichEditCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  m_password.Select(int(nStart), int(nEnd));
  if (bCtrl) {
    // No copy or cut of a password; paste and undo go through the real text.
    if (nChar == 'V') OnEditPaste();
    if (nChar == 'Z') OnEditUndo();
    if (nChar == 'C' || nChar == 'X' || nChar == 'V' || nChar == 'Z') return;
  }
  switch (nChar) {
    case VK_BACK: m_password.Backspace(); break;
    case VK_DELETE: m_password.Delete(); break;
    case VK_SPACE: m_password.Space(); break;
    default: CRichEditCtrl::OnKeyDown(nChar, nRepCnt, nFlags); return;
  }
  ShowPasswordDisplay();
}

// ---- password mode

void CScriptEditCtrl::SetPassword(CString strPassword) {
  m_password.SetText(strPassword.GetString());
}

void CScriptEditCtrl::ShowPasswordDisplay() {
  // The display is the control's text; rebuilding it is not an edit of the user's, so it is
  // coloured as a whole rather than tracked as a change.
  ++m_nRebuildDepth;
  const std::wstring& display = m_password.GetDisplay();
  SetSel(0, -1);
  DefWindowProc(WM_CLEAR, 0, 0);
  DefWindowProc(EM_REPLACESEL, FALSE, LPARAM(display.c_str()));
  --m_nRebuildDepth;
  SetSel(m_password.GetSelStart(), m_password.GetSelEnd());
  FormatAll();
}

void CScriptEditCtrl::PasswordPaste() {
  if (!::OpenClipboard(m_hWnd)) return;
  std::wstring pasted;
  if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t* p = static_cast<const wchar_t*>(::GlobalLock(hData))) {
      pasted = p;
      ::GlobalUnlock(hData);
    }
  } else if (HANDLE hText = ::GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(::GlobalLock(hText))) {
      pasted = CString(p).GetString();
      ::GlobalUnlock(hText);
    }
  }
  ::CloseClipboard();
  if (pasted.empty()) return;
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  m_password.Select(int(nStart), int(nEnd));
  m_password.Paste(pasted);
  ShowPasswordDisplay();
}

void CScriptEditCtrl::PasswordUndo() {
  m_password.Undo();
  ShowPasswordDisplay();
}

LRESULT CScriptEditCtrl::OnSetText(WPARAM wParam, LPARAM lParam) {
  if (!IsPassword()) {
    const LRESULT result = DefWindowProc(WM_SETTEXT, wParam, lParam);
    FormatAll();
    return result;
  }
  const std::wstring text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"";
  m_password.SetText(text);
  LRESULT result = 0;
  if (tkw::ScriptLower(text).find(L"$qx") != std::wstring::npos) {
    result = DefWindowProc(WM_SETTEXT, wParam, lParam);
  } else {
    ++m_nRebuildDepth;
    DefWindowProc(WM_SETTEXT, 0, LPARAM(L""));
    const std::wstring stars(text.size(), L'*');
    DefWindowProc(EM_REPLACESEL, FALSE, LPARAM(stars.c_str()));
    --m_nRebuildDepth;
  }
  FormatAll();
  return result;
}

LRESULT CScriptEditCtrl::OnGetText(WPARAM wParam, LPARAM lParam) {
  if (!IsPassword()) return DefWindowProc(WM_GETTEXT, wParam, lParam);
  if (wParam == 0 || lParam == 0) return 0;
  const std::wstring& real = m_password.GetRealText();
  const size_t nCopied = std::min(real.size(), size_t(wParam) - 1);
  wchar_t* pBuffer = reinterpret_cast<wchar_t*>(lParam);
  std::copy(real.begin(), real.begin() + std::ptrdiff_t(nCopied), pBuffer);
  pBuffer[nCopied] = L'\0';
  return LRESULT(nCopied);
}

// ---- showing and focus

void CScriptEditCtrl::OnShowWindow(BOOL bShow, UINT nStatus) {
  CRichEditCtrl::OnShowWindow(bShow, nStatus);
  if (bShow) FormatAll();
}

void CScriptEditCtrl::OnSetFocusReflect() {}

void CScriptEditCtrl::OnKillFocus(CWnd* pNewWnd) {
  CRichEditCtrl::OnKillFocus(pNewWnd);
  if (::IsWindow(m_wndTip.m_hWnd)) m_wndTip.HideTipWindow();
  if (!::IsWindow(m_dlgAssist.m_hWnd)) return;
  m_dlgAssist.GetList().HideTip();
  const HWND hNew = pNewWnd ? pNewWnd->m_hWnd : NULL;
  const bool bToAssist =
      hNew && (hNew == m_dlgAssist.m_hWnd || hNew == m_dlgAssist.GetList().m_hWnd);
  if (m_assist.bActive && !bToAssist) ScriptAssist(false, _T(""));
}

// ---- context menu and commands

void CScriptEditCtrl::OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/) {
  if (m_bRightClickDisabled) return;
  CGfxPopupMenu menu;
  if (!menu.CreatePopupMenu()) return;
  if (!m_keywords.GetText().empty()) {
    menu.AppendMenu(MF_STRING, ID_SCRIPT_WIZARD,
                    MenuText(IDS_QX_SCRIPT_WIZARD_ENTRY, _T("Script &Wizard...")));
    menu.AppendMenu(MF_SEPARATOR);
  }
  menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, MenuText(IDS_QX_SCRIPT_UNDO, _T("&Undo")));
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, ID_EDIT_CUT, MenuText(16, _T("Cu&t")));
  menu.AppendMenu(MF_STRING, ID_EDIT_COPY, MenuText(18, _T("&Copy")));
  menu.AppendMenu(MF_STRING, ID_EDIT_PASTE, MenuText(136, _T("&Paste")));
  // String 141 of the resource module is the grid's delete question, not a menu label.
  menu.AppendMenu(MF_STRING, ID_SCRIPT_EDIT_DELETE, _T("&Delete"));
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, ID_EDIT_SELECT_ALL,
                  MenuText(IDS_QX_SCRIPT_SELECT_ALL, _T("Select &All")));
  menu.LoadToolBarResource(IDR_QX_MENU_TOOLBAR);
  menu.RemapMenu(&menu);
  menu.EnableMenuItems(&menu, this);
  const DWORD dwPos = ::GetMessagePos();
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, GET_X_LPARAM(dwPos), GET_Y_LPARAM(dwPos),
                      this);
  menu.DestroyMenu();
}

void CScriptEditCtrl::OnEditUndo() {
  if (IsPassword())
    PasswordUndo();
  else
    SendMessage(EM_UNDO);
}

void CScriptEditCtrl::OnEditCut() {
  if (!IsPassword()) SendMessage(WM_CUT);
}

void CScriptEditCtrl::OnEditCopy() {
  if (!IsPassword()) SendMessage(WM_COPY);
}

void CScriptEditCtrl::OnEditPaste() {
  if (IsPassword())
    PasswordPaste();
  else
    SendMessage(WM_PASTE);
}

void CScriptEditCtrl::OnEditDelete() {
  if (!IsPassword()) {
    SendMessage(WM_CLEAR);
    return;
  }
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  m_password.Select(int(nStart), int(nEnd));
  m_password.Delete();
  ShowPasswordDisplay();
}

void CScriptEditCtrl::OnEditSelectAll() {
  SetSel(0, -1);
}

void CScriptEditCtrl::OnScriptWizard() {
  if (m_bWizardMode || m_bWizardRunning) return;
  CHARRANGE sel = {};
  GetSel(sel);
  // While the wizard runs, a cell editor keeps its edit open although it loses the focus.
  m_bWizardRunning = true;
  CString text = CScriptWizardInit(this).CreateWizard(this, GetKeyWords());
  if (!text.IsEmpty() && ::IsWindow(m_hWnd)) {
    InsertWizardText(text, sel);
    ProcessSelect();
  }
  m_bWizardRunning = false;
}

void CScriptEditCtrl::OnUpdateEditUndo(CCmdUI* pCmdUI) {
  pCmdUI->Enable(CanUndo());
}

void CScriptEditCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) {
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  pCmdUI->Enable(nStart != nEnd && CanPaste(0));
}

void CScriptEditCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) {
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  pCmdUI->Enable(nStart != nEnd);
}

void CScriptEditCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI) {
  pCmdUI->Enable(CanPaste(0));
}

void CScriptEditCtrl::OnUpdateEditDelete(CCmdUI* pCmdUI) {
  OnUpdateEditCut(pCmdUI);
}

void CScriptEditCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI) {
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  pCmdUI->Enable(!(nStart == 0 && nEnd >= GetTextLength()));
}

void CScriptEditCtrl::OnUpdateScriptWizard(CCmdUI* pCmdUI) {
  // An editor on a wizard page does not start another wizard.
  pCmdUI->Enable(!m_bWizardMode);
}
