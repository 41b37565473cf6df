// Runtime classes of the ready-made collections; their code lives in the templates.
#include "afxcoll.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 1)
CByteArray::CByteArray() {}
CByteArray::~CByteArray() {}

IMPLEMENT_SERIAL(CWordArray, CObject, 1)
CWordArray::CWordArray() {}
CWordArray::~CWordArray() {}

IMPLEMENT_SERIAL(CDWordArray, CObject, 1)
CDWordArray::CDWordArray() {}
CDWordArray::~CDWordArray() {}

IMPLEMENT_DYNAMIC(CUIntArray, CObject)
CUIntArray::CUIntArray() {}
CUIntArray::~CUIntArray() {}

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
CPtrArray::CPtrArray() {}
CPtrArray::~CPtrArray() {}

IMPLEMENT_SERIAL(CObArray, CObject, 1)
CObArray::CObArray() {}
CObArray::~CObArray() {}

IMPLEMENT_SERIAL(CStringArray, CObject, 1)
CStringArray::CStringArray() {}
CStringArray::~CStringArray() {}

IMPLEMENT_DYNAMIC(CPtrList, CObject)
CPtrList::CPtrList(INT_PTR nBlockSize) : CList<void*, void*>(nBlockSize) {}
CPtrList::~CPtrList() {}

IMPLEMENT_SERIAL(CObList, CObject, 1)
CObList::CObList(INT_PTR nBlockSize) : CList<CObject*, CObject*>(nBlockSize) {}
CObList::~CObList() {}

IMPLEMENT_SERIAL(CStringList, CObject, 1)
CStringList::CStringList(INT_PTR nBlockSize) : CList<CString, LPCTSTR>(nBlockSize) {}
CStringList::~CStringList() {}

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
CMapWordToPtr::CMapWordToPtr(INT_PTR nBlockSize) : CMap<WORD, WORD, void*, void*>(nBlockSize) {}
CMapWordToPtr::~CMapWordToPtr() {}

IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
CMapPtrToPtr::CMapPtrToPtr(INT_PTR nBlockSize) : CMap<void*, void*, void*, void*>(nBlockSize) {}
CMapPtrToPtr::~CMapPtrToPtr() {}

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
CMapStringToPtr::CMapStringToPtr(INT_PTR nBlockSize)
    : CMap<CString, LPCTSTR, void*, void*>(nBlockSize) {}
CMapStringToPtr::~CMapStringToPtr() {}

IMPLEMENT_SERIAL(CMapStringToOb, CObject, 1)
CMapStringToOb::CMapStringToOb(INT_PTR nBlockSize)
    : CMap<CString, LPCTSTR, CObject*, CObject*>(nBlockSize) {}
CMapStringToOb::~CMapStringToOb() {}

IMPLEMENT_SERIAL(CMapStringToString, CObject, 1)
CMapStringToString::CMapStringToString(INT_PTR nBlockSize)
    : CMap<CString, LPCTSTR, CString, LPCTSTR>(nBlockSize) {}
CMapStringToString::~CMapStringToString() {}
