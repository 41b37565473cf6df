// CScriptWizardBasePage: what every page of the script wizard shares: access to the sheet's
// result, current function and function map, the wizard buttons, and the argument pages'
// description, preview and Finish.
#pragma once
#include <afxdlgs.h>
#include <afxrich_.h>

#include "script/ScriptEditCtrl.h"

#include "core/TKWExport.h"

class CScriptObject;
class CScriptWizardSheet;

class TKWUI_API CScriptWizardBasePage : public CPropertyPage {
  DECLARE_DYNAMIC(CScriptWizardBasePage)

 public:
  // The title every page of the wizard carries.
  static const wchar_t kWizardTitle[];

  // The category page: header texts from string resources.
  CScriptWizardBasePage(UINT nIDTemplate, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle);
  // An argument page for a function: the function name is the header title.
  CScriptWizardBasePage(UINT nIDTemplate, const CString& strFunction, const CString& strSubtitle);

  void SetResultText(const CString& strText);
  void SetCurrentFunction(const CString& strName);
  CString GetCurrentFunction() const;
  CMapStringToOb* GetFunctionMap() const;

  // Finish for a function without arguments, else Next.
  void SetButtonsForFunction(const CScriptObject* pObject);
  void SetBackFinishButtons();
  void SetBackButton();

  // F1 asks the main window for help (command 32079) and goes no further.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  CScriptWizardSheet* GetWizardSheet() const;
  // The script object of the function this page composes, or null.
  CScriptObject* GetFunctionObject() const;
  // The text of the function's parameter entry, "" when there is none.
  CString GetParmText(int nParm, int nAttribute) const;
  // Labels, description and choices of an argument page; each id 0 when the page lacks it.
  void ShowDescription();
  void SetLabel(int nIDLabel, int nParm);
  // Shows or hides a control and its label together.
  void ShowPair(int nIDControl, int nIDLabel, bool bShow);
  // The values of the function's first choices entry, split at ";".
  void GetChoices(CStringArray& values) const;
  // Prepares an argument editor: wizard mode, the script manager's keywords and constants,
  // and its context menu, so that an argument may itself be a script call.
  static void SetupEditor(CScriptEditCtrl& editor);
  // Replaces an editor's text with the caret at its end.
  void ReplaceText(int nID, const CString& strText);
  // Writes the call text into the preview.
  void SetPreview(const CString& strText);
  CString GetPreview() const;

  // Copies the preview into the sheet's result and lets the wizard finish.
  BOOL OnWizardFinish() override;

  CString m_strFunction;  // the function this argument page composes ("" on the category page)

  DECLARE_MESSAGE_MAP()

 private:
  void PostButtons(DWORD dwFlags);
};

// Sets a control's text only when it differs, so that change handlers do not run again.
void ScriptWizSetText(CWnd* pDialog, int nID, const CString& strText);
CString ScriptWizGetText(const CWnd* pDialog, int nID);
