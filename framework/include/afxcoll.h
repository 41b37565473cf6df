// The framework's ready-made collections: arrays, lists and maps of strings, words, pointers
// and objects, all built on the collection templates.
#pragma once
#include "afx.h"
#include "afxtempl.h"

// ---- arrays
class AFX_FWAPI CByteArray : public CArray<BYTE, BYTE> {
  DECLARE_SERIAL(CByteArray)
 public:
  CByteArray();
  ~CByteArray() override;
};

class AFX_FWAPI CWordArray : public CArray<WORD, WORD> {
  DECLARE_SERIAL(CWordArray)
 public:
  CWordArray();
  ~CWordArray() override;
};

class AFX_FWAPI CDWordArray : public CArray<DWORD, DWORD> {
  DECLARE_SERIAL(CDWordArray)
 public:
  CDWordArray();
  ~CDWordArray() override;
};

class AFX_FWAPI CUIntArray : public CArray<UINT, UINT> {
  DECLARE_DYNAMIC(CUIntArray)
 public:
  CUIntArray();
  ~CUIntArray() override;
};

class AFX_FWAPI CPtrArray : public CArray<void*, void*> {
  DECLARE_DYNAMIC(CPtrArray)
 public:
  CPtrArray();
  ~CPtrArray() override;
};

// Holds the pointers only; the objects stay the caller's to delete.
class AFX_FWAPI CObArray : public CArray<CObject*, CObject*> {
  DECLARE_SERIAL(CObArray)
 public:
  CObArray();
  ~CObArray() override;
};

class AFX_FWAPI CStringArray : public CArray<CString, LPCTSTR> {
  DECLARE_SERIAL(CStringArray)
 public:
  CStringArray();
  ~CStringArray() override;
};

// ---- lists
class AFX_FWAPI CPtrList : public CList<void*, void*> {
  DECLARE_DYNAMIC(CPtrList)
 public:
  explicit CPtrList(INT_PTR nBlockSize = 10);
  ~CPtrList() override;
};

class AFX_FWAPI CObList : public CList<CObject*, CObject*> {
  DECLARE_SERIAL(CObList)
 public:
  explicit CObList(INT_PTR nBlockSize = 10);
  ~CObList() override;
};

class AFX_FWAPI CStringList : public CList<CString, LPCTSTR> {
  DECLARE_SERIAL(CStringList)
 public:
  explicit CStringList(INT_PTR nBlockSize = 10);
  ~CStringList() override;
};

// ---- maps (string keys compare case-sensitively)
class AFX_FWAPI CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
  DECLARE_DYNAMIC(CMapWordToPtr)
 public:
  explicit CMapWordToPtr(INT_PTR nBlockSize = 10);
  ~CMapWordToPtr() override;
};

class AFX_FWAPI CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
  DECLARE_DYNAMIC(CMapPtrToPtr)
 public:
  explicit CMapPtrToPtr(INT_PTR nBlockSize = 10);
  ~CMapPtrToPtr() override;
};

class AFX_FWAPI CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {
  DECLARE_DYNAMIC(CMapStringToPtr)
 public:
  explicit CMapStringToPtr(INT_PTR nBlockSize = 10);
  ~CMapStringToPtr() override;
};

class AFX_FWAPI CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*> {
  DECLARE_SERIAL(CMapStringToOb)
 public:
  explicit CMapStringToOb(INT_PTR nBlockSize = 10);
  ~CMapStringToOb() override;
};

class AFX_FWAPI CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR> {
  DECLARE_SERIAL(CMapStringToString)
 public:
  explicit CMapStringToString(INT_PTR nBlockSize = 10);
  ~CMapStringToString() override;
};
