// CScriptEditCtrl: the rich-edit control for script expressions, with coloured function names,
// the assist list, the parameter tip, its context menu and a password mode.
#pragma once

#include "core/TKWExport.h"
#include "script/ScriptAssistDlg.h"
#include "script/logic/PasswordText.h"
#include "script/logic/ScriptChangeTracker.h"
#include "script/logic/ScriptColouring.h"
#include "script/logic/ScriptWordList.h"

#include "XTPTipWindow.h"

#include <afxrich_.h>
#include <afxwin.h>

class CScriptObject;

// The script wizard's command in the context menu.
#define ID_SCRIPT_WIZARD 5018
// The context menu's Delete command.
#define ID_SCRIPT_EDIT_DELETE 32063

// Colours every known "$QX" function name followed by "(" in the catalogue's letter case, opens
// the assist list when the prefix is typed, shows the parameter help of the call the caret is
// in, and in password mode masks literal text while keeping the real text apart. Created by its
// owner (dialog control or Create), then Initialize, SetKeyWords, SetConstants and FormatAll.
class TKWUI_API CScriptEditCtrl : public CRichEditCtrl, public CScriptAssistOwner {
  DECLARE_DYNAMIC(CScriptEditCtrl)

 public:
  CScriptEditCtrl();
  ~CScriptEditCtrl() override;

  // Once only: asks the control for change, selection and protected-change notifications.
  bool Initialize();
  bool Initialize(bool bWizardMode);

  // Word lists. Keywords are kept only when the script manager knows them.
  void SetKeyWords(CStringArray* pKeyWords);
  void AddKeyword(CString strKeyword);
  void ClearKeywords();
  CString GetKeyWords() const { return CString(m_keywords.GetText().c_str()); }
  void SetConstants(CStringArray* pConstants);
  void AddConstant(CString strConstant);
  void ClearConstants();
  void SetCustomKeys(CStringArray* pKeys);
  void AddCustomKey(CString strKey);

  void SetKeywordColor(COLORREF cr, bool bBold) { m_colours.keyword = {cr, bBold}; }
  void SetConstantColor(COLORREF cr, bool bBold) { m_colours.constant = {cr, bBold}; }
  void SetCustomKeyColor(COLORREF cr, bool bBold) { m_colours.customKey = {cr, bBold}; }
  void SetQuotedTextColor(COLORREF cr, bool bBold) { m_colours.quotedText = {cr, bBold}; }
  void SetNumberColor(COLORREF cr, bool bBold) { m_colours.number = {cr, bBold}; }
  // Kept for callers; function names are corrected whatever its value.
  void SetChangeCase(bool bChangeCase) { m_bChangeCase = bChangeCase; }

  // Turns the assist on (light yellow background) or off, and allows the context menu again.
  void EnableScriptAssist(bool bEnable);
  bool GetScriptAssistEnabled() const { return m_assist.bActive; }
  bool GetScriptAssistState() const { return m_assist.bShown; }
  // Shows the assist list under the caret, the prefix's start under it, or hides it.
  void ScriptAssist(bool bShow, CString strPrefix) override;
  // Shows the parameter help of a function beside the caret.
  void CreateToolTip(CString strFunction);

  // Replaces the typed prefix with a function chosen in the assist list.
  void InsertText(CString& strText) override;
  // Replaces the range (the selection when an end is -1) with the wizard's text, undoably.
  void InsertWizardText(CString& strText, CHARRANGE& range);
  void ReplaceTextW(CString strText);
  // After a wizard insertion: takes the text as the real text and tells the parent's list.
  void ProcessSelect();
  void FormatAll();

  void SetPasswordMode(int nMode) { m_nPasswordMode = nMode ? 1 : 0; }
  BOOL IsPassword() const { return m_nPasswordMode == 1; }
  void SetPassword(CString strPassword);
  CString GetPassword() const { return CString(m_password.GetRealText().c_str()); }
  void ClearPassword() { SetPassword(CString()); }

  void DisableRightClick(bool bDisable) { m_bRightClickDisabled = bDisable; }
  void SetScriptWizardMode(bool bWizardMode) { m_bWizardMode = bWizardMode; }
  bool IsScriptWizardMode() const { return m_bWizardMode; }
  bool IsScriptWizardRunning() const { return m_bWizardRunning; }

  CScriptObject* GetQXScriptObject(CString strName);
  CObList* GetQXScriptObList(CString strName);
  CMapStringToOb* GetQXScriptObjectList();

  CScriptAssistDlg& GetAssistDlg() { return m_dlgAssist; }
  CXTPTipWindow& GetParameterTip() { return m_wndTip; }
  // The change kind the last change notification coloured by (0 to 7).
  int GetLastChangeKind() const { return m_nLastChangeKind; }

  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Hides the parameter tip, and the assist list unless the point in lParam lies on it.
  virtual LRESULT OnRemoveToolTip(WPARAM wParam, LPARAM lParam);

 protected:
  void FormatTextRange(int nStart, int nEnd);
  // FormatTextRange over text already read from the control; case corrections are made in
  // text as well as in the control.
  void FormatText(std::wstring& text, int nStart, int nEnd);
  void FormatTextLines(int nStart, int nEnd);
  // Gives the range a colour and weight unless it already has them (or always, with bAlways);
  // answers whether it formatted.
  bool SetFormatRange(int nStart, int nEnd, bool bBold, COLORREF cr, bool bAlways = false);
  CString GetSelTextT();
  // Passes for hosts that colour quoted text, numbers and custom keys.
  void FormatQuotedText();
  void FormatCustomTextRange();
  void FormatNumber() {}

  // The text shown (in password mode the masked display), read without WM_GETTEXT.
  std::wstring ShownText() const;
  // Shows the password display and selects its range.
  void ShowPasswordDisplay();
  void PasswordPaste();
  void PasswordUndo();
  // The caret (or, without the focus, the selection end) in client coordinates.
  CPoint CaretClientPoint() const;
  void HideAssist();

  // Tracks every message that changes the text, whether or not the control announces it.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  afx_msg UINT OnGetDlgCode();
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSetFocusReflect();
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnEditUndo();
  afx_msg void OnEditCut();
  afx_msg void OnEditCopy();
  afx_msg void OnEditPaste();
  afx_msg void OnEditDelete();
  afx_msg void OnEditSelectAll();
  afx_msg void OnScriptWizard();
  afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditDelete(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
  afx_msg void OnUpdateScriptWizard(CCmdUI* pCmdUI);
  afx_msg BOOL OnChangeReflect();
  afx_msg BOOL OnProtected(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg BOOL OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnRemoveTipMessage(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  bool m_bChangeCase;
  tkw::ScriptWordList m_keywords;
  tkw::ScriptWordList m_constants;
  CStringArray m_arrCustomKeys;
  CString m_strRangeText;  // lower-case text of the range last coloured or inspected

  struct AssistState {
    bool bShown = false;   // the list is on screen
    bool bActive = false;  // the list may be shown
    bool bTyped = false;   // the user typed the prefix
    CRect rcEditor;        // the editor's screen rectangle when the list was last placed
    int nLineHeight = 0;   // line height of the list's dialog
  } m_assist;

  int m_nPasswordMode;
  tkw::PasswordText m_password;
  int m_nRebuildDepth;  // the password display is being rebuilt: not a change of the user
  bool m_bWizardRunning;

  tkw::ScriptColourSettings m_colours;
  bool m_bFormatting;  // a colouring pass is running
  tkw::ScriptChangeTracker m_changes;
  int m_nLastChangeKind;
  bool m_bInserting;  // a chosen function is being inserted

  CScriptAssistDlg m_dlgAssist;
  bool m_bRightClickDisabled;
  CXTPTipWindow m_wndTip;
  DWORD m_dwTipStyle;
  UINT m_nTipDelay;

  bool m_bInitialized;
  bool m_bWizardMode;
  CPoint m_ptCaret;            // caret at the last change, client coordinates
  CString m_strReferenceText;  // what ProcessSelect compares against
};
