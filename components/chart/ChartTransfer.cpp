// Export and import: template files, and the chart's data and picture on the clipboard.
#include <string>
#include <vector>

#include "ChartObject.h"
#include "ChartPainter.h"
#include "chart/logic/ChartTemplate.h"

namespace tkw::chart {

namespace {

enum Format : short { kTemplateFile = 1, kDataToClipboard = 3, kPictureToClipboard = 4 };

// An open file handle, closed when it goes.
struct File {
  HANDLE h;
  explicit File(HANDLE handle) : h(handle) {}
  ~File() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
};

HRESULT LastError() {
  return HRESULT_FROM_WIN32(GetLastError());
}

const wchar_t* PathOf(const VARIANT& arg) {
  const VARIANT* v = &arg;
  if (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
  if (V_VT(v) == VT_BSTR && V_BSTR(v) && SysStringLen(V_BSTR(v))) return V_BSTR(v);
  return nullptr;
}

HRESULT WriteFileBytes(const wchar_t* path, const std::vector<uint8_t>& bytes) {
  File f(
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (f.h == INVALID_HANDLE_VALUE) return LastError();
  DWORD written = 0;
  if (!WriteFile(f.h, bytes.data(), DWORD(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    return LastError();
  return S_OK;
}

// Reads a whole file, refusing one larger than a template may be before reading any of it.
HRESULT ReadFileBytes(const wchar_t* path, std::vector<uint8_t>& bytes) {
  File f(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (f.h == INVALID_HANDLE_VALUE) return LastError();
  LARGE_INTEGER size;
  if (!GetFileSizeEx(f.h, &size)) return LastError();
  if (size.QuadPart > LONGLONG(kMaxTemplateBytes))
    return Fail(E_FAIL, L"The chart template is larger than 10 MB.");
  bytes.resize(size_t(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() &&
      (!ReadFile(f.h, bytes.data(), DWORD(bytes.size()), &read, nullptr) || read != bytes.size()))
    return LastError();
  return S_OK;
}

HRESULT PutOnClipboard(UINT format, HANDLE data) {
  if (!OpenClipboard(nullptr)) return LastError();
  EmptyClipboard();
  const bool ok = SetClipboardData(format, data) != nullptr;
  CloseClipboard();
  return ok ? S_OK : LastError();
}

// The values as tab-separated text: a header of series legends, then one row per point.
std::wstring DataText(ChartModel& m) {
  std::wstring out;
  for (size_t s = 0; s < m.SeriesCount(); ++s) {
    out += L'\t';
    if (s < m.Look().series.size())
      out.append(m.Look().series[s].legend.begin(), m.Look().series[s].legend.end());
  }
  out += L"\r\n";
  for (size_t p = 0; p < m.PointCount(); ++p) {
    if (p < m.Look().legend.size())
      out.append(m.Look().legend[p].begin(), m.Look().legend[p].end());
    else
      out += std::to_wstring(p + 1);
    for (size_t s = 0; s < m.SeriesCount(); ++s) {
      out += L'\t';
      const double v = m.Value(int32_t(s), int32_t(p));
      if (v == v) {
        wchar_t buf[32];
        swprintf(buf, 32, L"%.15g", v);
        out += buf;
      }
    }
    out += L"\r\n";
  }
  return out;
}

}  // namespace

HRESULT ChartObject::ExportTo(short format, const VARIANT& arg) {
  switch (format) {
    case kTemplateFile: {
      const wchar_t* path = PathOf(arg);
      if (!path) return Fail(E_INVALIDARG, L"A template is written to a file path.");
      return WriteFileBytes(path, WriteTemplate(m_model.Look()));
    }
    case kDataToClipboard: {
      const std::wstring text = DataText(m_model);
      const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
      HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
      if (!mem) return E_OUTOFMEMORY;
      memcpy(GlobalLock(mem), text.c_str(), bytes);
      GlobalUnlock(mem);
      const HRESULT hr = PutOnClipboard(CF_UNICODETEXT, mem);
      if (FAILED(hr)) GlobalFree(mem);
      return hr;
    }
    case kPictureToClipboard: {
      // A metafile keeps the chart sharp at whatever size it is pasted.
      const LONG cx = m_extent.cx * 96 / 2540, cy = m_extent.cy * 96 / 2540;
      HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, L"Chart\0\0");
      if (!dc) return LastError();
      Draw(dc, RECT{0, 0, cx, cy});
      HENHMETAFILE emf = CloseEnhMetaFile(dc);
      if (!emf) return LastError();
      const HRESULT hr = PutOnClipboard(CF_ENHMETAFILE, emf);
      if (FAILED(hr)) DeleteEnhMetaFile(emf);
      return hr;
    }
    default: return Fail(E_INVALIDARG, L"The chart does not export this format.");
  }
}

HRESULT ChartObject::ImportFrom(short format, const VARIANT& arg) {
  if (format != kTemplateFile) return Fail(E_INVALIDARG, L"The chart does not import this format.");
  const wchar_t* path = PathOf(arg);
  if (!path) return Fail(E_INVALIDARG, L"A template is read from a file path.");
  std::vector<uint8_t> bytes;
  HRESULT hr = ReadFileBytes(path, bytes);
  if (FAILED(hr)) return hr;
  Appearance look;
  const TemplateResult r = ReadTemplate(bytes.data(), bytes.size(), look);
  if (!r.ok) {
    const std::wstring why = L"The chart template cannot be read: " +
                             std::wstring(r.error.begin(), r.error.end()) + L".";
    return Fail(kBadTemplate, why.c_str());
  }
  m_model.SetLook(std::move(look));
  return S_OK;
}

}  // namespace tkw::chart
