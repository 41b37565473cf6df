// The site through which a CWnd hosts an ActiveX control (olesite.cpp).
#pragma once
#include "afxwin.h"
#include "afxdisp.h"

#include <ocidl.h>
#include <olectl.h>

// One hosted control: its client site, in-place site and frame, control site, and the
// ambient properties (as the site's IDispatch). The host window owns one reference and
// closes the control when it is destroyed.
class COleControlSite final : public IOleClientSite,
                              public IOleInPlaceSite,
                              public IOleInPlaceFrame,
                              public IOleControlSite,
                              public IDispatch {
 public:
  COleControlSite();

  // Takes the new control: client site (first, when the control asks so), then its state
  // from pPersist, or a fresh state.
  HRESULT Attach(IUnknown* pUnk, CFile* pPersist, BOOL bStorage);
  // Activates the control in place inside the host window.
  HRESULT Activate(HWND hWndHost);
  // Deactivates, closes and lets go of the control.
  void Close();
  // Follows the host window's size.
  void Resize();
  // Gives the focus to the control's own window.
  void Focus();
  IUnknown* GetControlUnknown() const { return m_pUnk; }
  static COleControlSite* FromHost(HWND hWndHost);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IOleClientSite
  STDMETHODIMP SaveObject() override;
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** ppmk) override;
  STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
  STDMETHODIMP ShowObject() override;
  STDMETHODIMP OnShowWindow(BOOL) override;
  STDMETHODIMP RequestNewObjectLayout() override;
  // IOleWindow (shared by the in-place site and frame)
  STDMETHODIMP GetWindow(HWND* phwnd) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override;
  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override;
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override;
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                LPRECT lprcPosRect, LPRECT lprcClipRect,
                                LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
  STDMETHODIMP Scroll(SIZE) override;
  STDMETHODIMP OnUIDeactivate(BOOL) override;
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override;
  STDMETHODIMP DeactivateAndUndo() override;
  STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;
  // IOleInPlaceUIWindow and IOleInPlaceFrame: no menus or tool space to share
  STDMETHODIMP GetBorder(LPRECT) override;
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override;
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override;
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override;
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override;
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override;
  STDMETHODIMP RemoveMenus(HMENU) override;
  STDMETHODIMP SetStatusText(LPCOLESTR) override;
  STDMETHODIMP EnableModeless(BOOL) override;
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override;
  // IOleControlSite
  STDMETHODIMP OnControlInfoChanged() override;
  STDMETHODIMP LockInPlaceActive(BOOL) override;
  STDMETHODIMP GetExtendedControl(IDispatch** ppDisp) override;
  STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override;
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override;
  STDMETHODIMP OnFocus(BOOL) override;
  STDMETHODIMP ShowPropertyFrame() override;
  // IDispatch: the ambient properties
  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*,
                      VARIANT* pVarResult, EXCEPINFO*, UINT*) override;

 private:
  ~COleControlSite();
  HRESULT LoadState(CFile* pPersist, BOOL bStorage);

  LONG m_nRefs;
  HWND m_hWndHost;
  IUnknown* m_pUnk;
  IOleObject* m_pObject;
  IOleInPlaceObject* m_pInPlaceObject;  // set while the control is active in place
};
