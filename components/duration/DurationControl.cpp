// The duration control: a row of day, hour, minute and second fields with their labels and
// an optional spin button, edited with digits, arrows, the mouse and the spin button.
#include "ComControl.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "Duration.h"
#include "logic/DurationEdit.h"

namespace {

using tkw::duration::DurationEdit;
using tkw::duration::Field;

const wchar_t kWindowClass[] = L"TkwDurationCtrl";
constexpr LONG kStateVersion = 1;
constexpr ULONG kMaxLabel = 256;  // characters a saved label may have
constexpr int kPad = 3, kGap = 4, kSpinWidth = 16, kSpinId = 1;

VARIANT_BOOL Vb(bool b) {
  return b ? VARIANT_TRUE : VARIANT_FALSE;
}

HRESULT PutText(BSTR* p, const std::wstring& s) {
  if (!p) return E_POINTER;
  *p = ::SysAllocStringLen(s.c_str(), UINT(s.size()));
  return *p ? S_OK : E_OUTOFMEMORY;
}

HRESULT WriteLong(IStream* s, LONG v) {
  return s->Write(&v, sizeof v, nullptr);
}

HRESULT ReadLong(IStream* s, LONG& v) {
  ULONG read = 0;
  const HRESULT hr = s->Read(&v, sizeof v, &read);
  return FAILED(hr) ? hr : read == sizeof v ? S_OK : STG_E_READFAULT;
}

class DurationControl : public tkc::ControlBase<IDurationCtrl, &IID_IDurationCtrl> {
 public:
  explicit DurationControl(BOOL) { InitState(); }

  // ---- IDurationCtrl
  STDMETHODIMP get__TotalSeconds(LONG* p) override { return get_TotalSeconds(p); }
  STDMETHODIMP put__TotalSeconds(LONG v) override { return put_TotalSeconds(v); }
  STDMETHODIMP get_TotalSeconds(LONG* p) override {
    if (!p) return E_POINTER;
    *p = m_edit.Total();
    return S_OK;
  }
  STDMETHODIMP put_TotalSeconds(LONG v) override {
    if (v < 0) return RaiseError(E_INVALIDARG, L"A duration cannot be negative.");
    m_edit.SetTotal(v);
    return Changed();
  }
  STDMETHODIMP get_SpinButton(VARIANT_BOOL* p) override { return GetFlag(p, m_spin); }
  STDMETHODIMP put_SpinButton(VARIANT_BOOL v) override {
    m_spin = v != VARIANT_FALSE;
    UpdateSpin();
    return Changed();
  }
  STDMETHODIMP get_DaysLabel(BSTR* p) override { return PutText(p, m_labels[0]); }
  STDMETHODIMP put_DaysLabel(BSTR v) override { return SetLabel(0, v); }
  STDMETHODIMP get_HoursLabel(BSTR* p) override { return PutText(p, m_labels[1]); }
  STDMETHODIMP put_HoursLabel(BSTR v) override { return SetLabel(1, v); }
  STDMETHODIMP get_MinutesLabel(BSTR* p) override { return PutText(p, m_labels[2]); }
  STDMETHODIMP put_MinutesLabel(BSTR v) override { return SetLabel(2, v); }
  STDMETHODIMP get_SecondsLabel(BSTR* p) override { return PutText(p, m_labels[3]); }
  STDMETHODIMP put_SecondsLabel(BSTR v) override { return SetLabel(3, v); }
  STDMETHODIMP get_ShowDays(VARIANT_BOOL* p) override { return GetFlag(p, m_edit.GetShown().days); }
  STDMETHODIMP put_ShowDays(VARIANT_BOOL v) override {
    auto shown = m_edit.GetShown();
    shown.days = v != VARIANT_FALSE;
    m_edit.SetShown(shown);
    return Changed();
  }
  STDMETHODIMP get_ShowHoursMinutes(VARIANT_BOOL* p) override {
    return GetFlag(p, m_edit.GetShown().hoursMinutes);
  }
  STDMETHODIMP put_ShowHoursMinutes(VARIANT_BOOL v) override {
    auto shown = m_edit.GetShown();
    shown.hoursMinutes = v != VARIANT_FALSE;
    m_edit.SetShown(shown);
    return Changed();
  }
  STDMETHODIMP get_Enabled(VARIANT_BOOL* p) override { return GetFlag(p, m_enabled); }
  STDMETHODIMP put_Enabled(VARIANT_BOOL v) override {
    m_enabled = v != VARIANT_FALSE;
    if (m_hWnd) ::EnableWindow(m_hWnd, m_enabled);
    return Changed();
  }
  STDMETHODIMP SizeToContent() override {
    if (!m_hWnd) return RaiseError(E_UNEXPECTED, L"The control is not shown.");
    const SIZE size = ContentSize();
    // The site's window decides the control's size; it hands the new size back to us.
    HWND hWndSite = ::GetParent(m_hWnd);
    ::SetWindowPos(hWndSite, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
  }
  STDMETHODIMP AboutBox() override {
    ::MessageBoxW(m_hWnd, L"Duration control: days, hours, minutes and seconds.",
                  L"About the duration control", MB_OK | MB_ICONINFORMATION);
    return S_OK;
  }

  // ---- ControlBase hooks
  HWND CreateControlWindow(HWND hWndParent, const RECT& rc) override {
    RegisterWindowClass();
    HWND hWnd = ::CreateWindowExW(0, kWindowClass, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                  rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                  hWndParent, nullptr, tkc::g_hModule, this);
    if (hWnd && !m_enabled) ::EnableWindow(hWnd, FALSE);
    return hWnd;
  }
  HRESULT InitState() override {
    m_edit = DurationEdit();
    m_labels = {L"days", L"h", L"min", L"s"};
    m_spin = true;
    m_enabled = true;
    UpdateSpin();
    return S_OK;
  }
  HRESULT SaveState(IStream* s) override {
    const auto shown = m_edit.GetShown();
    const LONG flags = (m_spin ? 1 : 0) | (shown.days ? 2 : 0) | (shown.hoursMinutes ? 4 : 0) |
                       (m_enabled ? 8 : 0);
    HRESULT hr = WriteLong(s, kStateVersion);
    if (SUCCEEDED(hr)) hr = WriteLong(s, m_edit.Total());
    if (SUCCEEDED(hr)) hr = WriteLong(s, flags);
    for (const std::wstring& label : m_labels) {
      if (SUCCEEDED(hr)) hr = WriteLong(s, LONG(label.size()));
      if (SUCCEEDED(hr))
        hr = s->Write(label.data(), ULONG(label.size() * sizeof(wchar_t)), nullptr);
    }
    return hr;
  }
  HRESULT LoadState(IStream* s) override {
    LONG version = 0, total = 0, flags = 0;
    HRESULT hr = ReadLong(s, version);
    if (SUCCEEDED(hr) && version != kStateVersion) hr = STG_E_OLDFORMAT;
    if (SUCCEEDED(hr)) hr = ReadLong(s, total);
    if (SUCCEEDED(hr)) hr = ReadLong(s, flags);
    std::array<std::wstring, 4> labels;
    for (std::wstring& label : labels) {
      LONG n = 0;
      if (SUCCEEDED(hr)) hr = ReadLong(s, n);
      // A damaged length must not make us allocate or read without bound.
      if (SUCCEEDED(hr) && (n < 0 || ULONG(n) > kMaxLabel)) hr = STG_E_DOCFILECORRUPT;
      if (FAILED(hr)) break;
      label.resize(size_t(n));
      ULONG read = 0;
      hr = s->Read(&label[0], ULONG(n) * sizeof(wchar_t), &read);
      if (SUCCEEDED(hr) && read != ULONG(n) * sizeof(wchar_t)) hr = STG_E_READFAULT;
    }
    if (FAILED(hr)) return hr;
    m_edit.SetTotal(total);
    m_edit.SetShown({(flags & 2) != 0, (flags & 4) != 0});
    m_spin = (flags & 1) != 0;
    m_enabled = (flags & 8) != 0;
    m_labels = labels;
    UpdateSpin();
    return Changed();
  }

 private:
  // ---- the window
  static void RegisterWindowClass() {
    WNDCLASSW wc = {};
    if (::GetClassInfoW(tkc::g_hModule, kWindowClass, &wc)) return;
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = tkc::g_hModule;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_IBEAM);
    wc.lpszClassName = kWindowClass;
    ::RegisterClassW(&wc);
  }

  static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
      auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
      static_cast<DurationControl*>(cs->lpCreateParams)->m_hWnd = hWnd;
    }
    auto* self = reinterpret_cast<DurationControl*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self) {
      LRESULT result = 0;
      if (self->OnMessage(msg, wParam, lParam, result)) return result;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
  }

  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
      case WM_CREATE: UpdateSpin(); return false;
      case WM_NCDESTROY:
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        m_hSpin = nullptr;
        return false;
      case WM_GETDLGCODE: result = DLGC_WANTARROWS | DLGC_WANTCHARS; return true;
      case WM_SETFOCUS:
      case WM_KILLFOCUS: ::InvalidateRect(m_hWnd, nullptr, TRUE); return false;
      case WM_SIZE: UpdateSpin(); return false;
      case WM_LBUTTONDOWN: {
        ::SetFocus(m_hWnd);
        const POINT pt = {short(LOWORD(lParam)), short(HIWORD(lParam))};
        for (const Box& b : LayOut())
          if (::PtInRect(&b.field, pt)) m_edit.Select(b.which);
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return true;
      }
      case WM_KEYDOWN: return OnKey(UINT(wParam));
      case WM_CHAR:
        if (m_edit.Type(wchar_t(wParam))) UserChanged();
        return true;
      case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (hdr->idFrom == kSpinId && hdr->code == UDN_DELTAPOS) {
          if (m_edit.Step(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta)) UserChanged();
          result = TRUE;  // the spin button keeps no position of its own
          return true;
        }
        return false;
      }
      case WM_PAINT: {
        PAINTSTRUCT ps;
        Paint(::BeginPaint(m_hWnd, &ps));
        ::EndPaint(m_hWnd, &ps);
        return true;
      }
      case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return true;
      default: return false;
    }
  }

  bool OnKey(UINT key) {
    bool changed = false;
    switch (key) {
      case VK_LEFT: m_edit.Move(-1); break;
      case VK_RIGHT: m_edit.Move(1); break;
      case VK_HOME: m_edit.Move(-4); break;
      case VK_END: m_edit.Move(4); break;
      case VK_UP: changed = m_edit.Step(1); break;
      case VK_DOWN: changed = m_edit.Step(-1); break;
      case VK_BACK: changed = m_edit.Erase(); break;
      default: return false;
    }
    if (changed) UserChanged();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return true;
  }

  // Where a field and its label stand.
  struct Box {
    Field which;
    RECT field, label;
  };

  HFONT Font() const { return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }

  std::vector<Box> LayOut(SIZE* content = nullptr) const {
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, Font());
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(dc, &tm);
    const int height = tm.tmHeight + 2 * kPad;
    std::vector<Box> boxes;
    int x = 0;
    for (Field f : tkw::duration::VisibleFields(m_edit.GetShown())) {
      SIZE digits = {}, label = {};
      std::wstring text = m_edit.Text(f);
      if (text.size() < 2) text = L"00";
      ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &digits);
      const std::wstring& name = m_labels[f];
      ::GetTextExtentPoint32W(dc, name.c_str(), int(name.size()), &label);
      Box b;
      b.which = f;
      b.field = {x, 0, x + digits.cx + 2 * kPad, height};
      x = b.field.right + kGap;
      b.label = {x, 0, x + label.cx, height};
      x = b.label.right + (label.cx ? 2 * kGap : kGap);
      boxes.push_back(b);
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    if (content) *content = {x + (m_spin ? kSpinWidth : 0), height};
    return boxes;
  }

  SIZE ContentSize() const {
    SIZE size = {};
    LayOut(&size);
    return size;
  }

  void Paint(HDC dc) {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = ::SelectObject(dc, Font());
    ::SetBkMode(dc, TRANSPARENT);
    const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
    const bool focused = ::GetFocus() == m_hWnd;
    for (const Box& b : LayOut()) {
      RECT field = b.field;
      ::FillRect(dc, &field, ::GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
      ::DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
      const bool active = focused && b.which == m_edit.Active();
      if (active) ::FillRect(dc, &field, ::GetSysColorBrush(COLOR_HIGHLIGHT));
      ::SetTextColor(dc, ::GetSysColor(!enabled ? COLOR_GRAYTEXT
                                       : active ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT));
      const std::wstring text = m_edit.Text(b.which);
      ::DrawTextW(dc, text.c_str(), int(text.size()), &field,
                  DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
      ::SetTextColor(dc, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
      RECT label = b.label;
      const std::wstring& name = m_labels[b.which];
      ::DrawTextW(dc, name.c_str(), int(name.size()), &label,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    ::SelectObject(dc, old);
  }

  // The spin button stands at the right end of the content while SpinButton is on.
  void UpdateSpin() {
    if (!m_hWnd) return;
    if (!m_spin) {
      if (m_hSpin) ::DestroyWindow(m_hSpin);
      m_hSpin = nullptr;
      return;
    }
    const SIZE size = ContentSize();
    const int x = size.cx - kSpinWidth;
    if (!m_hSpin)
      m_hSpin = ::CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, x, 0,
                                  kSpinWidth, size.cy, m_hWnd, reinterpret_cast<HMENU>(kSpinId),
                                  tkc::g_hModule, nullptr);
    else
      ::MoveWindow(m_hSpin, x, 0, kSpinWidth, size.cy, TRUE);
  }

  HRESULT Changed() {
    if (m_hWnd) {
      UpdateSpin();
      ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    return S_OK;
  }

  // A change the user made with keys, the mouse or the spin button.
  void UserChanged() { Changed(); }

  HRESULT GetFlag(VARIANT_BOOL* p, bool b) {
    if (!p) return E_POINTER;
    *p = Vb(b);
    return S_OK;
  }
  HRESULT SetLabel(int i, BSTR v) {
    m_labels[size_t(i)] = v ? std::wstring(v, ::SysStringLen(v)) : std::wstring();
    return Changed();
  }

  DurationEdit m_edit;
  std::array<std::wstring, 4> m_labels;
  bool m_spin = true;
  bool m_enabled = true;
  HWND m_hSpin = nullptr;
};

}  // namespace

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (rclsid != CLSID_DurationCtrl) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new tkc::ClassFactory<DurationControl>();
  const HRESULT hr = factory->QueryInterface(riid, ppv);
  factory->Release();
  return hr;
}
