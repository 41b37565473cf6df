// XML persistence over MSXML: the archive's element stack, value conversion and file handling.
#include "XMLArchive.h"

#include <msxml2.h>

#include <cerrno>
#include <climits>
#include <cwchar>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// mingw's headers declare these without defining them.
const CLSID kClsidDOMDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
const CLSID kClsidDOMDocument30 = {
    0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
const IID kIidXMLDOMDocument = {
    0x2933bf81, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
const IID kIidXMLDOMDocument2 = {
    0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
const IID kIidXMLDOMElement = {
    0x2933bf86, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// Objects nest no deeper than this while loading, whatever the file says.
const size_t kMaxDepth = 64;

// Owns one COM reference.
template <class T>
class Com {
 public:
  Com() = default;
  ~Com() { Reset(); }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  Com(Com&& other) noexcept : m_p(other.m_p) { other.m_p = nullptr; }
  Com& operator=(Com&& other) noexcept {
    if (this != &other) {
      Reset();
      m_p = other.m_p;
      other.m_p = nullptr;
    }
    return *this;
  }

  T* operator->() const { return m_p; }
  T* Get() const { return m_p; }
  T** Out() {
    Reset();
    return &m_p;
  }
  void Reset() {
    if (m_p) m_p->Release();
    m_p = nullptr;
  }
  explicit operator bool() const { return m_p != nullptr; }

 private:
  T* m_p = nullptr;
};

// Owns one BSTR.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(LPCWSTR psz) : m_b(::SysAllocString(psz ? psz : L"")) {}
  ~Bstr() { ::SysFreeString(m_b); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR Get() const { return m_b; }
  BSTR* Out() {
    ::SysFreeString(m_b);
    m_b = nullptr;
    return &m_b;
  }
  CString Text() const { return m_b ? CString(m_b, (int)::SysStringLen(m_b)) : CString(); }

 private:
  BSTR m_b = nullptr;
};

CString NodeName(IXMLDOMNode* pNode) {
  Bstr name;
  return SUCCEEDED(pNode->get_nodeName(name.Out())) ? name.Text() : CString();
}

CString NodeText(IXMLDOMNode* pNode) {
  Bstr text;
  return SUCCEEDED(pNode->get_text(text.Out())) ? text.Text() : CString();
}

// Calls f(element) for each child element, in document order.
template <class F>
void ForEachChildElement(IXMLDOMElement* pParent, F f) {
  Com<IXMLDOMNode> node;
  if (FAILED(pParent->get_firstChild(node.Out()))) return;
  while (node) {
    DOMNodeType type = NODE_INVALID;
    if (SUCCEEDED(node->get_nodeType(&type)) && type == NODE_ELEMENT) {
      Com<IXMLDOMElement> element;
      if (SUCCEEDED(
              node->QueryInterface(kIidXMLDOMElement, reinterpret_cast<void**>(element.Out()))) &&
          !f(element.Get()))
        return;
    }
    Com<IXMLDOMNode> next;
    if (FAILED(node->get_nextSibling(next.Out()))) return;
    node = std::move(next);
  }
}

// Whole decimal numbers only, with optional blanks around; anything else is not a number.
bool ParseInt(const CString& strText, int& nValue) {
  CString strTrimmed(strText);
  strTrimmed.Trim();
  if (strTrimmed.IsEmpty()) return false;
  wchar_t* pEnd = nullptr;
  errno = 0;
  const long long value = std::wcstoll(strTrimmed.GetString(), &pEnd, 10);
  if (errno != 0 || *pEnd != 0 || value < INT_MIN || value > INT_MAX) return false;
  nValue = (int)value;
  return true;
}

}  // namespace

// The document being written or read, and the stack of elements that XMLSerialize calls work in.
struct CXMLArchive::Impl {
  struct Frame {
    Com<IXMLDOMElement> element;
    std::map<std::wstring, int> reads;  // per name: how many elements of that name were read
  };

  Com<IXMLDOMDocument> doc;
  std::vector<std::unique_ptr<Frame>> frames;

  Frame* Top() { return frames.empty() ? nullptr : frames.back().get(); }

  void Push(IXMLDOMElement* pElement) {
    frames.push_back(std::make_unique<Frame>());
    pElement->AddRef();
    *frames.back()->element.Out() = pElement;
  }
  void Pop() { frames.pop_back(); }

  HRESULT CreateDocument() {
    HRESULT hr = ::CoCreateInstance(kClsidDOMDocument60, NULL, CLSCTX_INPROC_SERVER,
                                    kIidXMLDOMDocument, reinterpret_cast<void**>(doc.Out()));
    if (FAILED(hr))
      hr = ::CoCreateInstance(kClsidDOMDocument30, NULL, CLSCTX_INPROC_SERVER, kIidXMLDOMDocument,
                              reinterpret_cast<void**>(doc.Out()));
    if (FAILED(hr)) return hr;
    // Our files are data, never programs: no document types, no outside references.
    doc->put_async(VARIANT_FALSE);
    doc->put_validateOnParse(VARIANT_FALSE);
    doc->put_resolveExternals(VARIANT_FALSE);
    doc->put_preserveWhiteSpace(VARIANT_TRUE);
    Com<IXMLDOMDocument2> doc2;
    if (SUCCEEDED(doc->QueryInterface(kIidXMLDOMDocument2, reinterpret_cast<void**>(doc2.Out())))) {
      VARIANT v;
      ::VariantInit(&v);
      v.vt = VT_BOOL;
      v.boolVal = VARIANT_TRUE;
      Bstr name(L"ProhibitDTD");
      doc2->setProperty(name.Get(), v);
    }
    return S_OK;
  }

  // A new element named strName under the current one; null when the name is not an XML name.
  Com<IXMLDOMElement> Append(const CString& strName) {
    Com<IXMLDOMElement> element;
    Frame* pTop = Top();
    if (!pTop || strName.IsEmpty()) return element;
    Bstr name(strName);
    if (FAILED(doc->createElement(name.Get(), element.Out())) || !element)
      return Com<IXMLDOMElement>();
    if (FAILED(pTop->element->appendChild(element.Get(), NULL))) return Com<IXMLDOMElement>();
    return element;
  }

  // The next element named strName under the current one that was not read yet.
  Com<IXMLDOMElement> Next(const CString& strName) {
    Com<IXMLDOMElement> found;
    Frame* pTop = Top();
    if (!pTop || strName.IsEmpty()) return found;
    int& nRead = pTop->reads[std::wstring(strName.GetString())];
    int nSeen = 0;
    ForEachChildElement(pTop->element.Get(), [&](IXMLDOMElement* pElement) {
      if (NodeName(pElement) != strName) return true;
      if (nSeen++ < nRead) return true;
      pElement->AddRef();
      *found.Out() = pElement;
      return false;
    });
    if (found) ++nRead;
    return found;
  }
};

// ---- CXMLCmdTarget

IMPLEMENT_DYNCREATE(CXMLCmdTarget, CCmdTarget)

CXMLCmdTarget::CXMLCmdTarget() {}
CXMLCmdTarget::~CXMLCmdTarget() {}
void CXMLCmdTarget::XMLSerialize(CXMLArchive& ar) {
  UNUSED(ar);
}
void CXMLCmdTarget::SetProperty(const CString& strName, const CString& strValue) {
  UNUSED(strName);
  UNUSED(strValue);
}
BOOL CXMLCmdTarget::SetChildObject(const CString& strElement, CXMLCmdTarget* pChild) {
  UNUSED(strElement);
  UNUSED(pChild);
  return FALSE;
}
CXMLCmdTarget& CXMLCmdTarget::operator=(const CXMLCmdTarget& src) {
  UNUSED(src);
  return *this;
}

// ---- CXMLArchive: whole documents

CXMLArchive::CXMLArchive() : m_pImpl(NULL), m_bStoring(FALSE), m_nError(errNone) {}

CXMLArchive::~CXMLArchive() {
  End();
}

BOOL CXMLArchive::Begin(BOOL bStoring) {
  End();
  m_bStoring = bStoring;
  m_nError = errNone;
  m_strPending.Empty();
  m_pImpl = new Impl;
  if (FAILED(m_pImpl->CreateDocument())) {
    m_nError = errNoParser;
    End();
    return FALSE;
  }
  return TRUE;
}

void CXMLArchive::End() {
  delete m_pImpl;
  m_pImpl = NULL;
  m_strPending.Empty();
}

static void ApplyProperties(IXMLDOMElement* pElement, CXMLCmdTarget& obj) {
  Com<IXMLDOMNamedNodeMap> attributes;
  long nCount = 0;
  if (FAILED(pElement->get_attributes(attributes.Out())) || !attributes ||
      FAILED(attributes->get_length(&nCount)))
    return;
  for (long i = 0; i < nCount; ++i) {
    Com<IXMLDOMNode> attribute;
    if (SUCCEEDED(attributes->get_item(i, attribute.Out())) && attribute) {
      const CString strName = NodeName(attribute.Get());
      if (!strName.IsEmpty()) obj.SetProperty(strName, NodeText(attribute.Get()));
    }
  }
}

BOOL CXMLArchive::StoreToString(CString& strXML, CXMLCmdTarget& obj, LPCTSTR lpszRoot) {
  if (!Begin(TRUE)) return FALSE;
  Com<IXMLDOMProcessingInstruction> declaration;
  Bstr target(L"xml"), data(L"version=\"1.0\" encoding=\"UTF-8\"");
  Com<IXMLDOMElement> root;
  Bstr rootName(lpszRoot);
  if (FAILED(
          m_pImpl->doc->createProcessingInstruction(target.Get(), data.Get(), declaration.Out())) ||
      FAILED(m_pImpl->doc->appendChild(declaration.Get(), NULL)) ||
      FAILED(m_pImpl->doc->createElement(rootName.Get(), root.Out())) || !root ||
      FAILED(m_pImpl->doc->appendChild(root.Get(), NULL))) {
    m_nError = errWrite;
    End();
    return FALSE;
  }
  m_pImpl->Push(root.Get());
  obj.XMLSerialize(*this);
  m_pImpl->frames.clear();
  Bstr xml;
  if (FAILED(m_pImpl->doc->get_xml(xml.Out()))) {
    m_nError = errWrite;
    End();
    return FALSE;
  }
  strXML = xml.Text();
  // Keep the document for Store, which saves it to a file.
  return TRUE;
}

BOOL CXMLArchive::Store(LPCTSTR lpszPath, CXMLCmdTarget& obj, LPCTSTR lpszRoot) {
  CString strIgnored;
  if (!lpszPath || !*lpszPath) {
    m_nError = errWrite;
    return FALSE;
  }
  if (!StoreToString(strIgnored, obj, lpszRoot)) return FALSE;
  // Write beside the target, then replace it, so a failed write leaves the old file whole.
  const CString strTemp = CString(lpszPath) + _T(".saving");
  VARIANT destination;
  ::VariantInit(&destination);
  destination.vt = VT_BSTR;
  destination.bstrVal = ::SysAllocString(strTemp);
  const HRESULT hr = m_pImpl->doc->save(destination);
  ::VariantClear(&destination);
  End();
  if (FAILED(hr) ||
      !::MoveFileExW(strTemp, lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(strTemp);
    m_nError = errWrite;
    return FALSE;
  }
  return TRUE;
}

// Checks the parsed document and reads obj from it; shared by Load and LoadFromString.
static int ReadDocument(CXMLArchive& ar, CXMLArchive::Impl& impl, CXMLCmdTarget& obj,
                        LPCTSTR lpszRoot) {
  Com<IXMLDOMElement> root;
  if (FAILED(impl.doc->get_documentElement(root.Out())) || !root) return CXMLArchive::errMalformed;
  if (lpszRoot && NodeName(root.Get()) != lpszRoot) return CXMLArchive::errRoot;
  impl.Push(root.Get());
  ApplyProperties(root.Get(), obj);
  obj.XMLSerialize(ar);
  impl.frames.clear();
  return CXMLArchive::errNone;
}

BOOL CXMLArchive::Load(LPCTSTR lpszPath, CXMLCmdTarget& obj, LPCTSTR lpszRoot) {
  if (!lpszPath || !*lpszPath || ::GetFileAttributesW(lpszPath) == INVALID_FILE_ATTRIBUTES) {
    End();
    m_bStoring = FALSE;
    m_nError = errFile;
    return FALSE;
  }
  if (!Begin(FALSE)) return FALSE;
  VARIANT source;
  ::VariantInit(&source);
  source.vt = VT_BSTR;
  source.bstrVal = ::SysAllocString(lpszPath);
  VARIANT_BOOL bLoaded = VARIANT_FALSE;
  const HRESULT hr = m_pImpl->doc->load(source, &bLoaded);
  ::VariantClear(&source);
  m_nError = (FAILED(hr) || bLoaded != VARIANT_TRUE) ? errMalformed
                                                     : ReadDocument(*this, *m_pImpl, obj, lpszRoot);
  End();
  return m_nError == errNone;
}

BOOL CXMLArchive::LoadFromString(LPCTSTR lpszXML, CXMLCmdTarget& obj, LPCTSTR lpszRoot) {
  if (!Begin(FALSE)) return FALSE;
  Bstr xml(lpszXML);
  VARIANT_BOOL bLoaded = VARIANT_FALSE;
  const HRESULT hr = m_pImpl->doc->loadXML(xml.Get(), &bLoaded);
  m_nError = (FAILED(hr) || bLoaded != VARIANT_TRUE) ? errMalformed
                                                     : ReadDocument(*this, *m_pImpl, obj, lpszRoot);
  End();
  return m_nError == errNone;
}

CString CXMLArchive::GetErrorText() const {
  switch (m_nError) {
    case errNone: return CString();
    case errNoParser: return _T("The XML parser is not available.");
    case errFile: return _T("The file does not exist or cannot be read.");
    case errMalformed: return _T("The file is not a well-formed XML document.");
    case errRoot: return _T("The file does not hold the expected kind of document.");
    case errWrite: return _T("The file cannot be written.");
  }
  return _T("Unknown error.");
}

// ---- CXMLArchive: inside XMLSerialize

CString CXMLArchive::TakeName(const CXMLCmdTarget* pObj) {
  CString strName = m_strPending;
  m_strPending.Empty();
  if (strName.IsEmpty() && pObj) strName = pObj->GetRuntimeClass()->m_lpszClassName;
  return strName;
}

CXMLArchive& CXMLArchive::operator<<(const CXMLElement& element) {
  m_strPending = element.GetName();
  return *this;
}

CXMLArchive& CXMLArchive::operator>>(const CXMLElement& element) {
  m_strPending = element.GetName();
  return *this;
}

CXMLArchive& CXMLArchive::operator<<(int nValue) {
  CString strValue;
  strValue.Format(_T("%d"), nValue);
  return *this << strValue;
}

CXMLArchive& CXMLArchive::operator<<(LPCTSTR lpszValue) {
  return *this << CString(lpszValue ? lpszValue : _T(""));
}

CXMLArchive& CXMLArchive::operator<<(const CString& strValue) {
  const CString strName = TakeName(NULL);
  ASSERT(!strName.IsEmpty());  // name the value first: ar << CXMLElement(_T("NAME")) << value
  if (!m_pImpl || !m_bStoring) return *this;
  Com<IXMLDOMElement> element = m_pImpl->Append(strName);
  if (element) {
    Bstr text(strValue);
    element->put_text(text.Get());
  }
  return *this;
}

CXMLArchive& CXMLArchive::operator<<(CXMLCmdTarget& obj) {
  const CString strName = TakeName(&obj);
  if (!m_pImpl || !m_bStoring) return *this;
  Com<IXMLDOMElement> element = m_pImpl->Append(strName);
  if (element) {
    m_pImpl->Push(element.Get());
    obj.XMLSerialize(*this);
    m_pImpl->Pop();
  }
  return *this;
}

CXMLArchive& CXMLArchive::operator<<(CXMLCmdTarget* pObj) {
  if (pObj) return *this << *pObj;
  m_strPending.Empty();
  return *this;
}

CXMLArchive& CXMLArchive::operator>>(int& nValue) {
  const CString strName = TakeName(NULL);
  if (!m_pImpl || m_bStoring) return *this;
  Com<IXMLDOMElement> element = m_pImpl->Next(strName);
  if (element) ParseInt(NodeText(element.Get()), nValue);
  return *this;
}

CXMLArchive& CXMLArchive::operator>>(CString& strValue) {
  const CString strName = TakeName(NULL);
  ASSERT(!strName.IsEmpty());
  if (!m_pImpl || m_bStoring) return *this;
  Com<IXMLDOMElement> element = m_pImpl->Next(strName);
  if (element) strValue = NodeText(element.Get());
  return *this;
}

CXMLArchive& CXMLArchive::operator>>(CXMLCmdTarget& obj) {
  const CString strName = TakeName(&obj);
  if (!m_pImpl || m_bStoring || m_pImpl->frames.size() >= kMaxDepth) return *this;
  Com<IXMLDOMElement> element = m_pImpl->Next(strName);
  if (element) {
    m_pImpl->Push(element.Get());
    ApplyProperties(element.Get(), obj);
    obj.XMLSerialize(*this);
    m_pImpl->Pop();
  }
  return *this;
}

void CXMLArchive::WriteProperty(LPCTSTR lpszName, const CString& strValue) {
  if (!m_pImpl || !m_bStoring || !m_pImpl->Top() || !lpszName || !*lpszName) return;
  Bstr name(lpszName);
  VARIANT value;
  ::VariantInit(&value);
  value.vt = VT_BSTR;
  value.bstrVal = ::SysAllocString(strValue);
  m_pImpl->Top()->element->setAttribute(name.Get(), value);
  ::VariantClear(&value);
}

void CXMLArchive::WriteProperty(LPCTSTR lpszName, int nValue) {
  CString strValue;
  strValue.Format(_T("%d"), nValue);
  WriteProperty(lpszName, strValue);
}

int CXMLArchive::ReadChildObjects(CXMLCmdTarget& parent, LPCTSTR lpszElement) {
  m_strPending.Empty();
  if (!m_pImpl || m_bStoring || !m_pImpl->Top() || m_pImpl->frames.size() >= kMaxDepth) return 0;
  // Collect first: reading a child pushes frames, and the list must not change under the walk.
  std::vector<Com<IXMLDOMElement>> children;
  ForEachChildElement(m_pImpl->Top()->element.Get(), [&](IXMLDOMElement* pElement) {
    if (!lpszElement || NodeName(pElement) == lpszElement) {
      pElement->AddRef();
      children.emplace_back();
      *children.back().Out() = pElement;
    }
    return true;
  });
  int nAdopted = 0;
  for (Com<IXMLDOMElement>& element : children) {
    const CString strName = NodeName(element.Get());
    CRuntimeClass* pClass = CRuntimeClass::FromName(strName.GetString());
    if (!pClass || !pClass->IsDerivedFrom(RUNTIME_CLASS(CXMLCmdTarget)) ||
        !pClass->m_pfnCreateObject)
      continue;
    CXMLCmdTarget* pChild = static_cast<CXMLCmdTarget*>(pClass->CreateObject());
    if (!pChild) continue;
    m_pImpl->Push(element.Get());
    ApplyProperties(element.Get(), *pChild);
    pChild->XMLSerialize(*this);
    m_pImpl->Pop();
    if (parent.SetChildObject(strName, pChild))
      ++nAdopted;
    else
      delete pChild;
  }
  return nAdopted;
}
