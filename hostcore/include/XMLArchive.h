// XML persistence of the host's objects: CXMLCmdTarget, the archive that reads and writes them,
// and CXMLElement, which names the element a value goes to or comes from.
#pragma once
#include "QXExport.h"

#include <afxwin.h>

class CXMLArchive;

// An object that can be written to and read from an XML archive.
class QX_API CXMLCmdTarget : public CCmdTarget {
  DECLARE_DYNCREATE(CXMLCmdTarget)

 public:
  CXMLCmdTarget();
  ~CXMLCmdTarget() override;

  // Writes or reads the object's content inside its own element (ar.IsStoring() tells which).
  virtual void XMLSerialize(CXMLArchive& ar);
  // Called while loading for every attribute of the object's element, before XMLSerialize.
  virtual void SetProperty(const CString& strName, const CString& strValue);
  // Offered a child object that CXMLArchive::ReadChildObjects created from an element named
  // after its class. Return TRUE to adopt it; FALSE lets the archive delete it.
  virtual BOOL SetChildObject(const CString& strElement, CXMLCmdTarget* pChild);
  // Copies the object's content; the base copies nothing.
  virtual CXMLCmdTarget& operator=(const CXMLCmdTarget& src);
};

// Names the element of the next value: ar << CXMLElement(_T("NAME")) << m_strName.
class QX_API CXMLElement {
 public:
  explicit CXMLElement(LPCTSTR lpszName) : m_strName(lpszName) {}
  CString GetName() const { return m_strName; }

 private:
  CString m_strName;
};

// Reads and writes one XML document through MSXML (COM must be initialised on the thread).
//
// Storing:  ar << CXMLElement(_T("NAME")) << m_strName;   gives <NAME>text</NAME>
//           ar << CXMLElement(_T("LATENCY")) << m_latency; gives <LATENCY>...</LATENCY>
//           ar << pChild;                                 gives <CXact>...</CXact> (class name)
//           ar.WriteProperty(_T("ID"), 7);                 gives an attribute of the current
//           element
// Loading:  ar >> CXMLElement(_T("NAME")) >> m_strName;    the next <NAME> of the current element
//           ar.ReadChildObjects(*this);                    creates children named after classes
// Reading a name again takes the next element of that name, so lists read back in order. A
// value whose element is missing, or whose text is not a number where one is read, is left as
// it was. Loading parses and checks the whole document before the first object is touched, so a
// damaged file changes nothing.
class QX_API CXMLArchive {
 public:
  enum Error {
    errNone = 0,
    errNoParser = 1,   // MSXML could not be created (COM not initialised on this thread?)
    errFile = 2,       // the file does not exist or cannot be read
    errMalformed = 3,  // the text is not well-formed XML
    errRoot = 4,       // the document element is not the one expected
    errWrite = 5,      // the file could not be written
  };

  CXMLArchive();
  ~CXMLArchive();

  BOOL IsStoring() const { return m_bStoring; }
  BOOL IsLoading() const { return !m_bStoring; }

  // Writes obj as the document element lpszRoot to a UTF-8 file (through a temporary file, so
  // a failed write leaves an existing file as it was).
  BOOL Store(LPCTSTR lpszPath, CXMLCmdTarget& obj, LPCTSTR lpszRoot);
  // Reads obj from the file; the document element must be named lpszRoot.
  BOOL Load(LPCTSTR lpszPath, CXMLCmdTarget& obj, LPCTSTR lpszRoot);
  // The same with the document as text.
  BOOL StoreToString(CString& strXML, CXMLCmdTarget& obj, LPCTSTR lpszRoot);
  BOOL LoadFromString(LPCTSTR lpszXML, CXMLCmdTarget& obj, LPCTSTR lpszRoot);

  int GetError() const { return m_nError; }  // of the last Store or Load
  CString GetErrorText() const;

  // Inside XMLSerialize.
  CXMLArchive& operator<<(const CXMLElement& element);
  CXMLArchive& operator<<(int nValue);
  CXMLArchive& operator<<(const CString& strValue);
  CXMLArchive& operator<<(LPCTSTR lpszValue);
  CXMLArchive& operator<<(CXMLCmdTarget& obj);
  CXMLArchive& operator<<(CXMLCmdTarget* pObj);  // null writes nothing
  CXMLArchive& operator>>(const CXMLElement& element);
  CXMLArchive& operator>>(int& nValue);
  CXMLArchive& operator>>(CString& strValue);
  CXMLArchive& operator>>(CXMLCmdTarget& obj);

  void WriteProperty(LPCTSTR lpszName, const CString& strValue);
  void WriteProperty(LPCTSTR lpszName, int nValue);

  // Loading: for every child element of the current element (or only those named lpszElement)
  // whose name is a creatable class derived from CXMLCmdTarget, creates the object, reads it
  // and offers it to parent.SetChildObject. Returns the number adopted.
  int ReadChildObjects(CXMLCmdTarget& parent, LPCTSTR lpszElement = NULL);

  struct Impl;  // the MSXML document and the element stack; private to XMLArchive.cpp

 private:
  CXMLArchive(const CXMLArchive&) = delete;
  CXMLArchive& operator=(const CXMLArchive&) = delete;
  CString TakeName(const CXMLCmdTarget* pObj);
  BOOL Begin(BOOL bStoring);
  void End();

  Impl* m_pImpl;
  BOOL m_bStoring;
  int m_nError;
  CString m_strPending;  // the name given by the last CXMLElement
};
