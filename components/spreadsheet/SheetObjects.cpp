// The spreadsheet server's automation objects. Each is a view on the shared documents: it holds
// the state, book and sheet it shows by shared pointer, so no object refers back to another and
// a view stays usable after its book is closed.
#include "SheetObjects.h"

#include <oleauto.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SpreadsheetIds.h"

namespace sheet {

namespace id = spreadsheet_id;

namespace {

using State = std::shared_ptr<ServerState>;
using Book = std::shared_ptr<Workbook>;
using Sheet = std::shared_ptr<Worksheet>;

// Arguments in call order, references followed; an omitted optional argument is absent.
class Args {
 public:
  explicit Args(const DISPPARAMS* params) {
    for (UINT i = params ? params->cArgs : 0; i-- > 0;) {
      const VARIANT* v = &params->rgvarg[i];
      if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
      m_args.push_back(v);
    }
  }
  size_t Count() const { return m_args.size(); }
  bool Has(size_t i) const {
    return i < m_args.size() &&
           !(V_VT(m_args[i]) == VT_ERROR && V_ERROR(m_args[i]) == DISP_E_PARAMNOTFOUND);
  }
  const VARIANT* At(size_t i) const { return Has(i) ? m_args[i] : nullptr; }
  // The put value: the last argument.
  const VARIANT* Last() const { return m_args.empty() ? nullptr : m_args.back(); }
  bool Long(size_t i, long* value) const {
    VARIANT v;
    ::VariantInit(&v);
    if (!Has(i) || FAILED(::VariantChangeType(&v, const_cast<VARIANT*>(m_args[i]), 0, VT_I4)))
      return false;
    *value = V_I4(&v);
    return true;
  }
  bool Text(size_t i, std::wstring* value) const {
    if (!Has(i) || V_VT(m_args[i]) != VT_BSTR) return false;
    *value = V_BSTR(m_args[i]) ? V_BSTR(m_args[i]) : L"";
    return true;
  }

 private:
  std::vector<const VARIANT*> m_args;
};

HRESULT ReturnDispatch(VARIANT* result, IDispatch* object) {
  if (!object) return DISP_E_BADINDEX;
  if (!result) {
    object->Release();
    return S_OK;
  }
  V_VT(result) = VT_DISPATCH;
  V_DISPATCH(result) = object;
  return S_OK;
}

HRESULT ReturnText(VARIANT* result, const std::wstring& text) {
  if (result) {
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  }
  return S_OK;
}

HRESULT ReturnLong(VARIANT* result, long value) {
  if (result) {
    V_VT(result) = VT_I4;
    V_I4(result) = value;
  }
  return S_OK;
}

HRESULT ReturnBool(VARIANT* result, bool value) {
  if (result) {
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
  return S_OK;
}

void ToVariant(const CellValue& value, VARIANT* out) {
  ::VariantInit(out);
  if (auto* number = std::get_if<double>(&value)) {
    V_VT(out) = VT_R8;
    V_R8(out) = *number;
  } else if (auto* text = std::get_if<std::wstring>(&value)) {
    V_VT(out) = VT_BSTR;
    V_BSTR(out) = ::SysAllocStringLen(text->data(), static_cast<UINT>(text->size()));
  } else if (auto* flag = std::get_if<bool>(&value)) {
    V_VT(out) = VT_BOOL;
    V_BOOL(out) = *flag ? VARIANT_TRUE : VARIANT_FALSE;
  }
}

// Texts stay texts, truth values stay truth values, everything else that is a number becomes
// one; an empty value clears the cell.
bool FromVariant(const VARIANT* in, CellValue* value) {
  if (V_VT(in) == (VT_VARIANT | VT_BYREF)) in = V_VARIANTREF(in);
  switch (V_VT(in)) {
    case VT_EMPTY:
    case VT_NULL: *value = std::monostate(); return true;
    case VT_BSTR: *value = std::wstring(V_BSTR(in) ? V_BSTR(in) : L""); return true;
    case VT_BOOL: *value = V_BOOL(in) != VARIANT_FALSE; return true;
  }
  VARIANT number;
  ::VariantInit(&number);
  if (FAILED(::VariantChangeType(&number, const_cast<VARIANT*>(in), 0, VT_R8))) return false;
  *value = V_R8(&number);
  return true;
}

// Reference counting and the dispatch plumbing; a derived object answers Call.
class Object : public IDispatch {
 public:
  explicit Object(State state) : m_state(std::move(state)) {}
  virtual ~Object() = default;

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (riid != IID_IUnknown && riid != IID_IDispatch) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&m_refs); }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return refs;
  }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    *info = nullptr;
    return E_NOTIMPL;
  }
  // Callers reach members by identifier only.
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO*, UINT*) override {
    if (result) ::VariantInit(result);
    const Args args(params);
    if (flags & DISPATCH_PROPERTYPUT) return Put(member, args);
    return Call(member, args, result);
  }

 protected:
  virtual HRESULT Call(DISPID member, const Args& args, VARIANT* result) = 0;
  virtual HRESULT Put(DISPID, const Args&) { return DISP_E_MEMBERNOTFOUND; }

  State m_state;

 private:
  LONG m_refs = 1;
};

IDispatch* NewApplicationFor(const State& state);
IDispatch* NewWorkbooks(const State& state);
IDispatch* NewWorkbook(const State& state, const Book& book);
IDispatch* NewWorksheets(const State& state, const Book& book);
IDispatch* NewWorksheet(const State& state, const Book& book, const Sheet& sheet);
IDispatch* NewRange(const State& state, const Book& book, const Sheet& sheet, const CellArea& area);

// A workbook or worksheet from an index argument: a 1-based number or a name.
template <typename T, typename Named>
T Pick(const std::vector<T>& items, const Args& args, Named nameOf) {
  long index = 0;
  std::wstring name;
  if (args.Text(0, &name)) {
    for (const T& item : items)
      if (SameName(nameOf(item), name)) return item;
  } else if (args.Long(0, &index) && index >= 1 && index <= static_cast<long>(items.size())) {
    return items[index - 1];
  }
  return nullptr;
}

class RangeObject : public Object {
 public:
  RangeObject(State state, Book book, Sheet sheet, CellArea area)
      : Object(std::move(state)),
        m_book(std::move(book)),
        m_sheet(std::move(sheet)),
        m_area(area) {}

 protected:
  HRESULT Call(DISPID member, const Args& args, VARIANT* result) override {
    switch (member) {
      case id::Range_GetValue:
      case id::Range_GetValue2:
      case id::Range_GetFormula: return Values(result);
      case id::Range_GetText: {
        if (!result) return S_OK;
        VARIANT v;
        ::VariantInit(&v);
        Values(&v);
        if (V_VT(&v) != VT_BSTR && !(V_VT(&v) & VT_ARRAY) &&
            FAILED(::VariantChangeType(&v, &v, 0, VT_BSTR)))
          ::VariantClear(&v);
        *result = v;
        return S_OK;
      }
      case id::Range_Get_Default:  // without indexes, the value; with them, the cell
        if (!args.Has(0)) return Values(result);
        [[fallthrough]];
      case id::Range_GetItem: {
        long row = 0, column = 1;
        if (!args.Long(0, &row) || (args.Has(1) && !args.Long(1, &column)))
          return DISP_E_TYPEMISMATCH;
        return Sub({m_area.top + row - 1, m_area.left + column - 1, m_area.top + row - 1,
                    m_area.left + column - 1},
                   result);
      }
      case id::Range_GetOffset: {
        long rows = 0, columns = 0;
        if ((args.Has(0) && !args.Long(0, &rows)) || (args.Has(1) && !args.Long(1, &columns)))
          return DISP_E_TYPEMISMATCH;
        return Sub({m_area.top + rows, m_area.left + columns, m_area.bottom + rows,
                    m_area.right + columns},
                   result);
      }
      case id::Range_GetResize: {
        long rows = m_area.Rows(), columns = m_area.Columns();
        if ((args.Has(0) && !args.Long(0, &rows)) || (args.Has(1) && !args.Long(1, &columns)))
          return DISP_E_TYPEMISMATCH;
        return Sub({m_area.top, m_area.left, m_area.top + rows - 1, m_area.left + columns - 1},
                   result);
      }
      case id::Range_GetCells: return Sub(m_area, result);
      case id::Range_GetRow: return ReturnLong(result, m_area.top);
      case id::Range_GetColumn: return ReturnLong(result, m_area.left);
      case id::Range_GetCount: return ReturnLong(result, m_area.Count());
      case id::Range_GetAddress: {
        VARIANT absolute;
        ::VariantInit(&absolute);
        const bool relative = args.Has(0) &&
                              SUCCEEDED(::VariantChangeType(
                                  &absolute, const_cast<VARIANT*>(args.At(0)), 0, VT_BOOL)) &&
                              V_BOOL(&absolute) == VARIANT_FALSE;
        return ReturnText(result, FormatArea(m_area, !relative));
      }
      case id::Range_GetWorksheet:
      case id::Range_GetParent:
        return ReturnDispatch(result, NewWorksheet(m_state, m_book, m_sheet));
      case id::Range_GetApplication: return ReturnDispatch(result, NewApplicationFor(m_state));
      case id::Range_ClearContents:
        for (long r = m_area.top; r <= m_area.bottom; ++r)
          for (long c = m_area.left; c <= m_area.right; ++c) m_sheet->SetCell(r, c, {});
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

  HRESULT Put(DISPID member, const Args& args) override {
    switch (member) {
      case id::Range_SetValue:
      case id::Range_SetValue2:
      case id::Range_SetFormula: return Fill(args.Last());
      case id::Range_Set_Default:
        if (args.Count() == 1) return Fill(args.Last());
        [[fallthrough]];
      case id::Range_SetItem: {
        long row = 0, column = 1;
        CellValue value;
        if (args.Count() < 2 || !args.Long(0, &row) ||
            (args.Count() == 3 && !args.Long(1, &column)) || !FromVariant(args.Last(), &value))
          return DISP_E_TYPEMISMATCH;
        const CellArea cell{m_area.top + row - 1, m_area.left + column - 1, m_area.top + row - 1,
                            m_area.left + column - 1};
        if (!IsValidArea(cell)) return DISP_E_BADINDEX;
        m_sheet->SetCell(cell.top, cell.left, value);
        return S_OK;
      }
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  HRESULT Sub(const CellArea& area, VARIANT* result) {
    if (!IsValidArea(area)) return DISP_E_BADINDEX;
    return ReturnDispatch(result, NewRange(m_state, m_book, m_sheet, area));
  }

  // One cell gives its value; more give a two-dimensional array of them, counted from 1.
  HRESULT Values(VARIANT* result) {
    if (!result) return S_OK;
    if (m_area.Count() == 1) {
      ToVariant(m_sheet->Cell(m_area.top, m_area.left), result);
      return S_OK;
    }
    SAFEARRAYBOUND bounds[2] = {{static_cast<ULONG>(m_area.Rows()), 1},
                                {static_cast<ULONG>(m_area.Columns()), 1}};
    SAFEARRAY* array = ::SafeArrayCreate(VT_VARIANT, 2, bounds);
    if (!array) return E_OUTOFMEMORY;
    for (long r = 0; r < m_area.Rows(); ++r)
      for (long c = 0; c < m_area.Columns(); ++c) {
        LONG at[2] = {r + 1, c + 1};
        VARIANT v;
        ToVariant(m_sheet->Cell(m_area.top + r, m_area.left + c), &v);
        ::SafeArrayPutElement(array, at, &v);
        ::VariantClear(&v);
      }
    V_VT(result) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(result) = array;
    return S_OK;
  }

  // An array fills the area from its top-left corner (a one-dimensional one as a row); a single
  // value fills every cell.
  HRESULT Fill(const VARIANT* in) {
    if (!in) return DISP_E_PARAMNOTFOUND;
    if (V_VT(in) == (VT_VARIANT | VT_BYREF)) in = V_VARIANTREF(in);
    if (!(V_VT(in) & VT_ARRAY)) {
      CellValue value;
      if (!FromVariant(in, &value)) return DISP_E_TYPEMISMATCH;
      for (long r = m_area.top; r <= m_area.bottom; ++r)
        for (long c = m_area.left; c <= m_area.right; ++c) m_sheet->SetCell(r, c, value);
      return S_OK;
    }
    SAFEARRAY* array = (V_VT(in) & VT_BYREF) ? *V_ARRAYREF(in) : V_ARRAY(in);
    VARTYPE type = VT_EMPTY;
    const UINT dims = array ? ::SafeArrayGetDim(array) : 0;
    if (dims < 1 || dims > 2 || FAILED(::SafeArrayGetVartype(array, &type)) || type != VT_VARIANT)
      return DISP_E_TYPEMISMATCH;
    LONG low[2] = {0, 0}, high[2] = {0, 0};
    for (UINT d = 0; d < dims; ++d) {
      ::SafeArrayGetLBound(array, d + 1, &low[d]);
      ::SafeArrayGetUBound(array, d + 1, &high[d]);
    }
    const LONG rows = dims == 2 ? high[0] - low[0] + 1 : 1;
    const LONG columns = dims == 2 ? high[1] - low[1] + 1 : high[0] - low[0] + 1;
    for (LONG r = 0; r < rows && r < m_area.Rows(); ++r)
      for (LONG c = 0; c < columns && c < m_area.Columns(); ++c) {
        LONG at[2] = {dims == 2 ? low[0] + r : low[0] + c, low[1] + c};
        VARIANT v;
        ::VariantInit(&v);
        CellValue value;
        const bool ok = SUCCEEDED(::SafeArrayGetElement(array, at, &v)) && FromVariant(&v, &value);
        ::VariantClear(&v);
        if (!ok) return DISP_E_TYPEMISMATCH;
        m_sheet->SetCell(m_area.top + r, m_area.left + c, value);
      }
    return S_OK;
  }

  Book m_book;
  Sheet m_sheet;
  CellArea m_area;
};

class WorksheetObject : public Object {
 public:
  WorksheetObject(State state, Book book, Sheet sheet)
      : Object(std::move(state)), m_book(std::move(book)), m_sheet(std::move(sheet)) {}

 protected:
  HRESULT Call(DISPID member, const Args& args, VARIANT* result) override {
    switch (member) {
      case id::Worksheet_GetName: return ReturnText(result, m_sheet->Name());
      case id::Worksheet_GetIndex:
        for (size_t i = 0; i < m_book->sheets.size(); ++i)
          if (m_book->sheets[i] == m_sheet) return ReturnLong(result, static_cast<long>(i + 1));
        return ReturnLong(result, 0);
      case id::Worksheet_GetRange: {
        CellArea area, second;
        std::wstring text;
        if (!args.Text(0, &text) || !ParseArea(text, &area)) return DISP_E_TYPEMISMATCH;
        if (args.Has(1)) {
          if (!args.Text(1, &text) || !ParseArea(text, &second)) return DISP_E_TYPEMISMATCH;
          area = {std::min(area.top, second.top), std::min(area.left, second.left),
                  std::max(area.bottom, second.bottom), std::max(area.right, second.right)};
        }
        return ReturnDispatch(result, NewRange(m_state, m_book, m_sheet, area));
      }
      case id::Worksheet_GetCells:
        return ReturnDispatch(result,
                              NewRange(m_state, m_book, m_sheet, {1, 1, kMaxRows, kMaxColumns}));
      case id::Worksheet_GetUsedRange:
        return ReturnDispatch(result, NewRange(m_state, m_book, m_sheet, m_sheet->UsedArea()));
      case id::Worksheet_GetParent: return ReturnDispatch(result, NewWorkbook(m_state, m_book));
      case id::Worksheet_GetApplication: return ReturnDispatch(result, NewApplicationFor(m_state));
    }
    return DISP_E_MEMBERNOTFOUND;
  }

  HRESULT Put(DISPID member, const Args& args) override {
    std::wstring name;
    if (member != id::Worksheet_SetName) return DISP_E_MEMBERNOTFOUND;
    if (!args.Text(0, &name) || name.empty()) return DISP_E_TYPEMISMATCH;
    m_sheet->SetName(name);
    return S_OK;
  }

 private:
  Book m_book;
  Sheet m_sheet;
};

class WorksheetsObject : public Object {
 public:
  WorksheetsObject(State state, Book book) : Object(std::move(state)), m_book(std::move(book)) {}

 protected:
  HRESULT Call(DISPID member, const Args& args, VARIANT* result) override {
    switch (member) {
      case id::Worksheets_GetCount:
        return ReturnLong(result, static_cast<long>(m_book->sheets.size()));
      case id::Worksheets_GetItem:
      case id::Worksheets_Get_Default: {
        Sheet sheet = Pick(m_book->sheets, args, [](const Sheet& s) { return s->Name(); });
        return ReturnDispatch(result, sheet ? NewWorksheet(m_state, m_book, sheet) : nullptr);
      }
      case id::Worksheets_Add:
        return ReturnDispatch(result, NewWorksheet(m_state, m_book, m_book->AddSheet()));
      case id::Worksheets_GetParent: return ReturnDispatch(result, NewWorkbook(m_state, m_book));
      case id::Worksheets_GetApplication: return ReturnDispatch(result, NewApplicationFor(m_state));
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  Book m_book;
};

class WorkbookObject : public Object {
 public:
  WorkbookObject(State state, Book book) : Object(std::move(state)), m_book(std::move(book)) {}

 protected:
  HRESULT Call(DISPID member, const Args&, VARIANT* result) override {
    switch (member) {
      case id::Workbook_GetName: return ReturnText(result, m_book->name);
      case id::Workbook_GetWorksheets:
      case id::Workbook_GetSheets: return ReturnDispatch(result, NewWorksheets(m_state, m_book));
      case id::Workbook_GetActiveSheet:
        return ReturnDispatch(result, m_book->sheets.empty()
                                          ? nullptr
                                          : NewWorksheet(m_state, m_book, m_book->sheets[0]));
      case id::Workbook_GetSaved: return ReturnBool(result, true);
      case id::Workbook_Close: m_state->books.Close(m_book); return S_OK;
      case id::Workbook_GetParent:
      case id::Workbook_GetApplication: return ReturnDispatch(result, NewApplicationFor(m_state));
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  Book m_book;
};

class WorkbooksObject : public Object {
 public:
  using Object::Object;

 protected:
  HRESULT Call(DISPID member, const Args& args, VARIANT* result) override {
    const auto& books = m_state->books.Books();
    switch (member) {
      case id::Workbooks_Add:
        return ReturnDispatch(result, NewWorkbook(m_state, m_state->books.Add()));
      case id::Workbooks_GetCount: return ReturnLong(result, static_cast<long>(books.size()));
      case id::Workbooks_GetItem:
      case id::Workbooks_Get_Default: {
        Book book = Pick(books, args, [](const Book& b) { return b->name; });
        return ReturnDispatch(result, book ? NewWorkbook(m_state, book) : nullptr);
      }
      case id::Workbooks_Close:
        while (!books.empty()) m_state->books.Close(books.front());
        return S_OK;
      case id::Workbooks_GetParent:
      case id::Workbooks_GetApplication: return ReturnDispatch(result, NewApplicationFor(m_state));
    }
    return DISP_E_MEMBERNOTFOUND;
  }
};

class ApplicationObject : public Object {
 public:
  using Object::Object;

 protected:
  HRESULT Call(DISPID member, const Args&, VARIANT* result) override {
    const auto& books = m_state->books.Books();
    // The most recently opened workbook is the active one.
    const Book active = books.empty() ? nullptr : books.back();
    switch (member) {
      case id::Application_GetWorkbooks: return ReturnDispatch(result, NewWorkbooks(m_state));
      case id::Application_GetActiveWorkbook:
        return ReturnDispatch(result, active ? NewWorkbook(m_state, active) : nullptr);
      case id::Application_GetActiveSheet:
        return ReturnDispatch(result, active && !active->sheets.empty()
                                          ? NewWorksheet(m_state, active, active->sheets[0])
                                          : nullptr);
      case id::Application_GetWorksheets:
      case id::Application_GetSheets:
        return ReturnDispatch(result, active ? NewWorksheets(m_state, active) : nullptr);
      case id::Application_GetName: return ReturnText(result, L"TKW Spreadsheet");
      case id::Application_GetVisible: return ReturnBool(result, m_state->visible);
      case id::Application_Quit:
        while (!books.empty()) m_state->books.Close(books.front());
        return S_OK;
      case id::Application_GetApplication:
      case id::Application_GetParent: return ReturnDispatch(result, NewApplicationFor(m_state));
    }
    return DISP_E_MEMBERNOTFOUND;
  }

  HRESULT Put(DISPID member, const Args& args) override {
    VARIANT flag;
    ::VariantInit(&flag);
    if (member != id::Application_SetVisible) return DISP_E_MEMBERNOTFOUND;
    if (!args.Last() ||
        FAILED(::VariantChangeType(&flag, const_cast<VARIANT*>(args.Last()), 0, VT_BOOL)))
      return DISP_E_TYPEMISMATCH;
    m_state->visible = V_BOOL(&flag) != VARIANT_FALSE;
    return S_OK;
  }
};

IDispatch* NewApplicationFor(const State& state) {
  return new ApplicationObject(state);
}
IDispatch* NewWorkbooks(const State& state) {
  return new WorkbooksObject(state);
}
IDispatch* NewWorkbook(const State& state, const Book& book) {
  return new WorkbookObject(state, book);
}
IDispatch* NewWorksheets(const State& state, const Book& book) {
  return new WorksheetsObject(state, book);
}
IDispatch* NewWorksheet(const State& state, const Book& book, const Sheet& sheet) {
  return new WorksheetObject(state, book, sheet);
}
IDispatch* NewRange(const State& state, const Book& book, const Sheet& sheet,
                    const CellArea& area) {
  return new RangeObject(state, book, sheet, area);
}

}  // namespace

IDispatch* NewApplication() {
  return NewApplicationFor(std::make_shared<ServerState>());
}

}  // namespace sheet
