// The script function catalogue as the script editor and the script wizard see it.
#pragma once
#include "QXExport.h"

#include <afx.h>
#include <afxcoll.h>

// Parameter numbers and attribute kinds of a function's parameter entries.
#define QXPARM_FUNCTION 102  // the entry describes the function as a whole
#define QXATTR_CAPTION 3     // label of an argument's input; for QXPARM_FUNCTION the page subtitle
#define QXATTR_CHOICES 7     // the allowed values, separated by ";"
#define QXATTR_COLUMN 8      // column caption of a list page's grid

// One parameter entry of a script function.
class QX_API CScriptParameter : public CObject {
  DECLARE_DYNAMIC(CScriptParameter)

 public:
  CScriptParameter(int nParmNo, int nAttribute, const CString& strText);

  int GetParmNo() const { return m_nParmNo; }  // 1 to 4, or QXPARM_FUNCTION
  int GetAttribute() const {
    return m_nAttribute;
  }  // QXATTR_CAPTION, QXATTR_CHOICES or QXATTR_COLUMN
  CString GetText() const { return m_strText; }

 private:
  int m_nParmNo;
  int m_nAttribute;
  CString m_strText;
};

// One script function of the catalogue. Owned by the script manager.
class QX_API CScriptObject : public CObject {
  DECLARE_DYNAMIC(CScriptObject)

 public:
  CScriptObject(const CString& strFullName, const CString& strCategory,
                const CString& strDescription, const CString& strParameterDesc,
                const CString& strParmDef);
  ~CScriptObject() override;

  CString GetName() const;                               // without the "$QX" prefix, e.g. "Rand"
  CString GetFullName() const { return m_strFullName; }  // with the prefix, e.g. "$QXRand"
  CString GetCategory() const { return m_strCategory; }  // a caption of string resources 542 to 547
  CString GetDescription() const { return m_strDescription; }
  CString GetParameterDesc() const { return m_strParameterDesc; }  // the editor's tip title
  CString GetParmDef() const { return m_strParmDef; }  // empty when the function takes no arguments

  // The parameter entries (CScriptParameter), in catalogue order; owned by this object.
  CObList* GetParmObList() { return &m_listParms; }
  // The text of the first entry with that number and attribute, or an empty string.
  CString GetParmText(int nParmNo, int nAttribute) const;
  void AddParameter(int nParmNo, int nAttribute, const CString& strText);

 private:
  CString m_strFullName;
  CString m_strCategory;
  CString m_strDescription;
  CString m_strParameterDesc;
  CString m_strParmDef;
  CObList m_listParms;
};

// The process-wide script function catalogue. It is read at start from the catalogue embedded
// in qxcore.dll; a damaged catalogue leaves the manager empty, with GetLoadError() saying why.
class QX_API CQXScriptManager {
 public:
  CQXScriptManager();  // an empty catalogue; TKWGetScriptManager() gives the loaded one
  ~CQXScriptManager();

  // Replaces the catalogue by the one read from UTF-8 XML data. On failure the catalogue is
  // empty and FALSE is returned. Objects and lists handed out before stay valid only until then.
  BOOL LoadCatalogue(const void* pData, size_t nSize);
  // Reads the catalogue embedded in qxcore.dll.
  BOOL LoadDefaultCatalogue();
  CString GetLoadError() const { return m_strLoadError; }

  // Function names with the "$QX" prefix, sorted without regard to case; owned by the manager.
  CStringArray* GetKeyWords() { return &m_arrKeyWords; }
  // Named constants (argument values such as RANGE), in catalogue order; owned by the manager.
  CStringArray* GetConstants() { return &m_arrConstants; }
  // Function name with the "$QX" prefix, in the catalogue's letter case, to its CScriptObject.
  CMapStringToOb* GetQXScriptObjectList() { return &m_mapObjects; }

  // The function of that name, or null. The name is matched without regard to letter case and
  // with or without the "$QX" prefix: "$QXRand", "$qxrand" and "Rand" name the same function.
  CScriptObject* GetQXScriptObject(const CString& strName) const;
  // The function's parameter entries (CScriptParameter, in order), or null for an unknown name.
  CObList* GetQXScriptParmObList(const CString& strName) const;

  // The grid row whose script cell is being edited (written by the grid, read by the editor).
  int GetCurrentItem() const { return m_nCurrentItem; }
  void SetCurrentItem(int nItem) { m_nCurrentItem = nItem; }

 private:
  CQXScriptManager(const CQXScriptManager&) = delete;
  CQXScriptManager& operator=(const CQXScriptManager&) = delete;
  void Clear();

  CStringArray m_arrKeyWords;
  CStringArray m_arrConstants;
  CMapStringToOb m_mapObjects;  // owns the objects
  CMapStringToOb m_mapByKey;    // lower-case name without prefix to the same objects
  CString m_strLoadError;
  int m_nCurrentItem;
};

// The process-wide script manager, loaded on first use; never null.
QX_API CQXScriptManager* TKWGetScriptManager();
