// Message maps: the table structures, the map declaration macros and one entry macro per message.
#pragma once
#include "afx.h"

#include <cstring>

class CCmdTarget;
class CWnd;
class CDC;
class CMenu;
class CCmdUI;
class CScrollBar;

// Marks message handlers in class declarations; it has no effect on the generated code.
#ifndef afx_msg
#define afx_msg
#endif
#define AFX_MSG_CALL

// Reflected messages are dispatched to the child's own map at WM_REFLECT_BASE + the message.
#define WM_REFLECT_BASE 0xBC00
// Every WM_CTLCOLOR* message is looked up under this one number; the handler gets the kind.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Command codes in OnCmdMsg: a plain command (menu, accelerator, BN_CLICKED) or a
// request to update a command's user interface through a CCmdUI.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// The generic member pointer stored in map entries; the signature code says what it really is.
typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

// Converts between member-pointer types of the same class without a function-type cast:
// the entry macros type-check the handler first, the dispatcher converts back to that
// exact type before calling, so the bits only travel through the generic slot.
template <class TTo, class TFrom>
inline TTo AfxMsgFunctionCast(TFrom pfn) {
  static_assert(sizeof(TTo) == sizeof(TFrom), "member pointers of one class have one size");
  TTo result;
  std::memcpy(static_cast<void*>(&result), static_cast<const void*>(&pfn), sizeof(result));
  return result;
}

// Handler signatures. Names read result_arguments: v void, b BOOL, i int, l LRESULT,
// h HBRUSH, w UINT/WPARAM, s short or string, p CPoint, W CWnd*, D CDC*.
enum AfxSig : UINT_PTR {
  AfxSig_end = 0,  // end of the table

  // window messages
  AfxSig_vv,          // void ()
  AfxSig_bv,          // BOOL ()
  AfxSig_wv,          // UINT ()
  AfxSig_is,          // int (LPCREATESTRUCT)
  AfxSig_vwii,        // void (UINT, int, int)           WM_SIZE
  AfxSig_vii,         // void (int, int)                 WM_MOVE
  AfxSig_bD,          // BOOL (CDC*)                     WM_ERASEBKGND
  AfxSig_vt,          // void (UINT_PTR)                 WM_TIMER
  AfxSig_vwp,         // void (UINT, CPoint)             mouse buttons and moves
  AfxSig_bwsp,        // BOOL (UINT, short, CPoint)      WM_MOUSEWHEEL
  AfxSig_vwww,        // void (UINT, UINT, UINT)         keys
  AfxSig_vW,          // void (CWnd*)                    focus, palette, capture
  AfxSig_vwwS,        // void (UINT, UINT, CScrollBar*)  WM_HSCROLL, WM_VSCROLL
  AfxSig_vww,         // void (UINT, UINT)               reflected scrolling
  AfxSig_bWww,        // BOOL (CWnd*, UINT, UINT)        WM_SETCURSOR
  AfxSig_lp,          // LRESULT (CPoint)                WM_NCHITTEST
  AfxSig_vWp,         // void (CWnd*, CPoint)            WM_CONTEXTMENU
  AfxSig_hDWw,        // HBRUSH (CDC*, CWnd*, UINT)      WM_CTLCOLOR*
  AfxSig_hDw,         // HBRUSH (CDC*, UINT)             reflected WM_CTLCOLOR*
  AfxSig_vDRAW,       // void (int, LPDRAWITEMSTRUCT)    WM_DRAWITEM
  AfxSig_vMEASURE,    // void (int, LPMEASUREITEMSTRUCT) WM_MEASUREITEM
  AfxSig_vDRAW_R,     // void (LPDRAWITEMSTRUCT)         reflected WM_DRAWITEM
  AfxSig_vMEASURE_R,  // void (LPMEASUREITEMSTRUCT)      reflected WM_MEASUREITEM
  AfxSig_iCOMPARE,    // int (int, LPCOMPAREITEMSTRUCT)  WM_COMPAREITEM
  AfxSig_vDELETE,     // void (int, LPDELETEITEMSTRUCT)  WM_DELETEITEM
  AfxSig_iCOMPARE_R,  // int (LPCOMPAREITEMSTRUCT)       reflected WM_COMPAREITEM
  AfxSig_vDELETE_R,   // void (LPDELETEITEMSTRUCT)       reflected WM_DELETEITEM
  AfxSig_vbw,         // void (BOOL, UINT)               WM_SHOWWINDOW
  AfxSig_vwWb,        // void (UINT, CWnd*, BOOL)        WM_ACTIVATE
  AfxSig_vPOS,        // void (WINDOWPOS*)               WM_WINDOWPOSCHANGED/CHANGING
  AfxSig_vMMI,        // void (MINMAXINFO*)              WM_GETMINMAXINFO
  AfxSig_vb,          // void (BOOL)                     WM_ENABLE
  AfxSig_vws,         // void (UINT, LPCTSTR)            WM_SETTINGCHANGE
  AfxSig_vCALC,       // void (BOOL, NCCALCSIZE_PARAMS*) WM_NCCALCSIZE
  AfxSig_iWww,        // int (CWnd*, UINT, UINT)         WM_MOUSEACTIVATE
  AfxSig_vMwb,        // void (CMenu*, UINT, BOOL)       WM_INITMENUPOPUP
  AfxSig_vwwh,        // void (UINT, UINT, HMENU)        WM_MENUSELECT
  AfxSig_vwW,         // void (UINT, CWnd*)              WM_ENTERIDLE
  AfxSig_lwl,         // LRESULT (WPARAM, LPARAM)        ON_MESSAGE
  AfxSig_vwl,         // void (UINT, LPARAM)             WM_SYSCOMMAND, WM_PARENTNOTIFY
  AfxSig_vbd,         // void (BOOL, DWORD)              WM_ACTIVATEAPP
  AfxSig_bb,          // BOOL (BOOL)                     WM_NCACTIVATE
  AfxSig_bHELPINFO,   // BOOL (HELPINFO*)                WM_HELP
  AfxSig_vHDROP,      // void (HDROP)                    WM_DROPFILES
  AfxSig_bWCDS,       // BOOL (CWnd*, COPYDATASTRUCT*)   WM_COPYDATA
  AfxSig_vwSIZING,    // void (UINT, LPRECT)             WM_SIZING, WM_MOVING
  AfxSig_vM,          // void (CMenu*)                   WM_INITMENU
  AfxSig_viSS,        // void (int, LPSTYLESTRUCT)       WM_STYLECHANGED/CHANGING

  // commands and notifications (through OnCmdMsg)
  AfxSigCmd_v,         // void ()                         ON_COMMAND, ON_CONTROL
  AfxSigCmd_b,         // BOOL ()                         ON_CONTROL_REFLECT_EX
  AfxSigCmd_RANGE,     // void (UINT)                     ON_COMMAND_RANGE, ON_CONTROL_RANGE
  AfxSigCmd_EX,        // BOOL (UINT)                     ON_COMMAND_EX, ON_COMMAND_EX_RANGE
  AfxSigCmdUI,         // void (CCmdUI*)                  ON_UPDATE_COMMAND_UI
  AfxSigCmdUI_RANGE,   // void (CCmdUI*, UINT)            ON_UPDATE_COMMAND_UI_RANGE
  AfxSigNotify_v,      // void (NMHDR*, LRESULT*)         ON_NOTIFY, ON_NOTIFY_REFLECT
  AfxSigNotify_b,      // BOOL (NMHDR*, LRESULT*)         ON_NOTIFY_REFLECT_EX
  AfxSigNotify_RANGE,  // void (UINT, NMHDR*, LRESULT*)   ON_NOTIFY_RANGE
  AfxSigNotify_EX,     // BOOL (UINT, NMHDR*, LRESULT*)   ON_NOTIFY_EX, ON_NOTIFY_EX_RANGE
};

// One row of a message map. nSig is pointer-sized: registered-message entries keep the
// address of the variable holding the message number there.
struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // window message (WM_COMMAND / WM_NOTIFY for commands and notifications)
  UINT nCode;     // control or notification code, 0 for window messages
  UINT nID;       // first control or command id, 0 for window messages
  UINT nLastID;   // last id of a range, else nID
  UINT_PTR nSig;  // AfxSig value
  AFX_PMSG pfn;   // the handler, converted to the generic type
};

struct AFX_MSGMAP {
  const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();  // null for the root of the chain
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// What OnCmdMsg receives for WM_NOTIFY (in pExtra).
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// Filled by OnCmdMsg when a caller only asks who would handle a command.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  AFX_PMSG pmf;
};

// Finds the entry for a message, code and id in one table (not its bases); null if none.
AFX_FWAPI const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
                                                             UINT nMsg, UINT nCode, UINT nID);

// ---- map declaration

#define DECLARE_MESSAGE_MAP()                          \
 protected:                                            \
  static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
  virtual const AFX_MSGMAP* GetMessageMap() const override;

// For the root class only (it has no base map to override).
#define DECLARE_MESSAGE_MAP_ROOT_()                    \
 protected:                                            \
  static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
  virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                            \
  const AFX_MSGMAP* theClass::GetMessageMap() const {                     \
    return GetThisMessageMap();                                           \
  }                                                                       \
  const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                \
    typedef theClass ThisClass;                                           \
    typedef baseClass TheBaseClass;                                       \
    (void)sizeof(ThisClass); /* a map without entries names no handler */ \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  { 0, 0, 0, 0, AfxSig_end, AFX_PMSG(nullptr) }                                                 \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

// ---- entry helpers (internal): type-check against the exact handler type, then store it.
template <class TClass, class TFunction>
using AfxMemberFn = TFunction TClass::*;
#define AFX_MSG_W_(type, fn) \
  AfxMsgFunctionCast<AFX_PMSG>(static_cast<AfxMemberFn<CWnd, type>>(&ThisClass::fn))
#define AFX_MSG_C_(type, fn) \
  AfxMsgFunctionCast<AFX_PMSG>(static_cast<AfxMemberFn<CCmdTarget, type>>(&ThisClass::fn))
#define AFX_WM_ENTRY_(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_MSG_W_(type, fn)},

// ---- window messages
#define ON_WM_CREATE() AFX_WM_ENTRY_(WM_CREATE, AfxSig_is, int(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY_(WM_DESTROY, AfxSig_vv, void(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY_(WM_NCDESTROY, AfxSig_vv, void(), OnNcDestroy)
#define ON_WM_SIZE() AFX_WM_ENTRY_(WM_SIZE, AfxSig_vwii, void(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY_(WM_MOVE, AfxSig_vii, void(int, int), OnMove)
#define ON_WM_PAINT() AFX_WM_ENTRY_(WM_PAINT, AfxSig_vv, void(), OnPaint)
#define ON_WM_NCPAINT() AFX_WM_ENTRY_(WM_NCPAINT, AfxSig_vv, void(), OnNcPaint)
#define ON_WM_CLOSE() AFX_WM_ENTRY_(WM_CLOSE, AfxSig_vv, void(), OnClose)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY_(WM_SYSCOLORCHANGE, AfxSig_vv, void(), OnSysColorChange)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY_(WM_ERASEBKGND, AfxSig_bD, BOOL(CDC*), OnEraseBkgnd)
#define ON_WM_TIMER() AFX_WM_ENTRY_(WM_TIMER, AfxSig_vt, void(UINT_PTR), OnTimer)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY_(WM_MOUSEMOVE, AfxSig_vwp, void(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN() \
  AFX_WM_ENTRY_(WM_LBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY_(WM_LBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() \
  AFX_WM_ENTRY_(WM_LBUTTONDBLCLK, AfxSig_vwp, void(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() \
  AFX_WM_ENTRY_(WM_RBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY_(WM_RBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() \
  AFX_WM_ENTRY_(WM_RBUTTONDBLCLK, AfxSig_vwp, void(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() \
  AFX_WM_ENTRY_(WM_MBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY_(WM_MBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnMButtonUp)
#define ON_WM_MOUSEWHEEL() \
  AFX_WM_ENTRY_(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY_(WM_KEYDOWN, AfxSig_vwww, void(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY_(WM_KEYUP, AfxSig_vwww, void(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY_(WM_CHAR, AfxSig_vwww, void(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN() \
  AFX_WM_ENTRY_(WM_SYSKEYDOWN, AfxSig_vwww, void(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY_(WM_SYSKEYUP, AfxSig_vwww, void(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_ENTRY_(WM_SYSCHAR, AfxSig_vwww, void(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY_(WM_SETFOCUS, AfxSig_vW, void(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY_(WM_KILLFOCUS, AfxSig_vW, void(CWnd*), OnKillFocus)
#define ON_WM_HSCROLL() \
  AFX_WM_ENTRY_(WM_HSCROLL, AfxSig_vwwS, void(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() \
  AFX_WM_ENTRY_(WM_VSCROLL, AfxSig_vwwS, void(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_HSCROLL_REFLECT() \
  AFX_WM_ENTRY_(WM_REFLECT_BASE + WM_HSCROLL, AfxSig_vww, void(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT() \
  AFX_WM_ENTRY_(WM_REFLECT_BASE + WM_VSCROLL, AfxSig_vww, void(UINT, UINT), VScroll)
#define ON_WM_SETCURSOR() \
  AFX_WM_ENTRY_(WM_SETCURSOR, AfxSig_bWww, BOOL(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY_(WM_NCHITTEST, AfxSig_lp, LRESULT(CPoint), OnNcHitTest)
#define ON_WM_CONTEXTMENU() \
  AFX_WM_ENTRY_(WM_CONTEXTMENU, AfxSig_vWp, void(CWnd*, CPoint), OnContextMenu)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY_(WM_GETDLGCODE, AfxSig_wv, UINT(), OnGetDlgCode)
#define ON_WM_CTLCOLOR() \
  AFX_WM_ENTRY_(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT() \
  AFX_WM_ENTRY_(WM_REFLECT_BASE + WM_CTLCOLOR, AfxSig_hDw, HBRUSH(CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM() \
  AFX_WM_ENTRY_(WM_DRAWITEM, AfxSig_vDRAW, void(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() \
  AFX_WM_ENTRY_(WM_MEASUREITEM, AfxSig_vMEASURE, void(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_DRAWITEM_REFLECT() \
  AFX_WM_ENTRY_(WM_REFLECT_BASE + WM_DRAWITEM, AfxSig_vDRAW_R, void(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                             \
  AFX_WM_ENTRY_(WM_REFLECT_BASE + WM_MEASUREITEM, AfxSig_vMEASURE_R, void(LPMEASUREITEMSTRUCT), \
                MeasureItem)
#define ON_WM_COMPAREITEM() \
  AFX_WM_ENTRY_(WM_COMPAREITEM, AfxSig_iCOMPARE, int(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_DELETEITEM() \
  AFX_WM_ENTRY_(WM_DELETEITEM, AfxSig_vDELETE, void(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_COMPAREITEM_REFLECT()                                                           \
  AFX_WM_ENTRY_(WM_REFLECT_BASE + WM_COMPAREITEM, AfxSig_iCOMPARE_R, int(LPCOMPAREITEMSTRUCT), \
                CompareItem)
#define ON_WM_DELETEITEM_REFLECT()                                                           \
  AFX_WM_ENTRY_(WM_REFLECT_BASE + WM_DELETEITEM, AfxSig_vDELETE_R, void(LPDELETEITEMSTRUCT), \
                DeleteItem)
#define ON_WM_QUERYNEWPALETTE() \
  AFX_WM_ENTRY_(WM_QUERYNEWPALETTE, AfxSig_bv, BOOL(), OnQueryNewPalette)
#define ON_WM_PALETTECHANGED() \
  AFX_WM_ENTRY_(WM_PALETTECHANGED, AfxSig_vW, void(CWnd*), OnPaletteChanged)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY_(WM_SHOWWINDOW, AfxSig_vbw, void(BOOL, UINT), OnShowWindow)
#define ON_WM_ACTIVATE() \
  AFX_WM_ENTRY_(WM_ACTIVATE, AfxSig_vwWb, void(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_WINDOWPOSCHANGED() \
  AFX_WM_ENTRY_(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING() \
  AFX_WM_ENTRY_(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_GETMINMAXINFO() \
  AFX_WM_ENTRY_(WM_GETMINMAXINFO, AfxSig_vMMI, void(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_ENABLE() AFX_WM_ENTRY_(WM_ENABLE, AfxSig_vb, void(BOOL), OnEnable)
#define ON_WM_SETTINGCHANGE() \
  AFX_WM_ENTRY_(WM_SETTINGCHANGE, AfxSig_vws, void(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_CAPTURECHANGED() \
  AFX_WM_ENTRY_(WM_CAPTURECHANGED, AfxSig_vW, void(CWnd*), OnCaptureChanged)
#define ON_WM_NCCALCSIZE() \
  AFX_WM_ENTRY_(WM_NCCALCSIZE, AfxSig_vCALC, void(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_MOUSEACTIVATE() \
  AFX_WM_ENTRY_(WM_MOUSEACTIVATE, AfxSig_iWww, int(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_INITMENUPOPUP() \
  AFX_WM_ENTRY_(WM_INITMENUPOPUP, AfxSig_vMwb, void(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_MENUSELECT() \
  AFX_WM_ENTRY_(WM_MENUSELECT, AfxSig_vwwh, void(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_ENTERIDLE() AFX_WM_ENTRY_(WM_ENTERIDLE, AfxSig_vwW, void(UINT, CWnd*), OnEnterIdle)

#define ON_WM_MBUTTONDBLCLK() \
  AFX_WM_ENTRY_(WM_MBUTTONDBLCLK, AfxSig_vwp, void(UINT, CPoint), OnMButtonDblClk)
#define ON_WM_MOUSEHOVER() \
  AFX_WM_ENTRY_(WM_MOUSEHOVER, AfxSig_vwp, void(UINT, CPoint), OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_WM_ENTRY_(WM_MOUSELEAVE, AfxSig_vv, void(), OnMouseLeave)
// Non-client mouse messages: the hit-test code and the point in screen coordinates.
#define ON_WM_NCLBUTTONDOWN() \
  AFX_WM_ENTRY_(WM_NCLBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() \
  AFX_WM_ENTRY_(WM_NCLBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() \
  AFX_WM_ENTRY_(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() \
  AFX_WM_ENTRY_(WM_NCRBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCMOUSEMOVE() \
  AFX_WM_ENTRY_(WM_NCMOUSEMOVE, AfxSig_vwp, void(UINT, CPoint), OnNcMouseMove)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY_(WM_CANCELMODE, AfxSig_vv, void(), OnCancelMode)
#define ON_WM_ENTERSIZEMOVE() AFX_WM_ENTRY_(WM_ENTERSIZEMOVE, AfxSig_vv, void(), OnEnterSizeMove)
#define ON_WM_EXITSIZEMOVE() AFX_WM_ENTRY_(WM_EXITSIZEMOVE, AfxSig_vv, void(), OnExitSizeMove)
#define ON_WM_SYSCOMMAND() \
  AFX_WM_ENTRY_(WM_SYSCOMMAND, AfxSig_vwl, void(UINT, LPARAM), OnSysCommand)
#define ON_WM_PARENTNOTIFY() \
  AFX_WM_ENTRY_(WM_PARENTNOTIFY, AfxSig_vwl, void(UINT, LPARAM), OnParentNotify)
#define ON_WM_ACTIVATEAPP() \
  AFX_WM_ENTRY_(WM_ACTIVATEAPP, AfxSig_vbd, void(BOOL, DWORD), OnActivateApp)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY_(WM_NCACTIVATE, AfxSig_bb, BOOL(BOOL), OnNcActivate)
#define ON_WM_HELPINFO() AFX_WM_ENTRY_(WM_HELP, AfxSig_bHELPINFO, BOOL(HELPINFO*), OnHelpInfo)
#define ON_WM_DROPFILES() AFX_WM_ENTRY_(WM_DROPFILES, AfxSig_vHDROP, void(HDROP), OnDropFiles)
#define ON_WM_COPYDATA() \
  AFX_WM_ENTRY_(WM_COPYDATA, AfxSig_bWCDS, BOOL(CWnd*, COPYDATASTRUCT*), OnCopyData)
#define ON_WM_SIZING() AFX_WM_ENTRY_(WM_SIZING, AfxSig_vwSIZING, void(UINT, LPRECT), OnSizing)
#define ON_WM_MOVING() AFX_WM_ENTRY_(WM_MOVING, AfxSig_vwSIZING, void(UINT, LPRECT), OnMoving)
#define ON_WM_INITMENU() AFX_WM_ENTRY_(WM_INITMENU, AfxSig_vM, void(CMenu*), OnInitMenu)
#define ON_WM_STYLECHANGED() \
  AFX_WM_ENTRY_(WM_STYLECHANGED, AfxSig_viSS, void(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_STYLECHANGING() \
  AFX_WM_ENTRY_(WM_STYLECHANGING, AfxSig_viSS, void(int, LPSTYLESTRUCT), OnStyleChanging)

// ---- user-defined and registered messages
#define ON_MESSAGE(message, memberFxn) \
  {message, 0, 0, 0, AfxSig_lwl, AFX_MSG_W_(LRESULT(WPARAM, LPARAM), memberFxn)},
// nMessageVariable is a UINT holding the value RegisterWindowMessage returned.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                  \
  {0xC000,                                                                  \
   0,                                                                       \
   0,                                                                       \
   0,                                                                       \
   reinterpret_cast<UINT_PTR>(static_cast<const UINT*>(&nMessageVariable)), \
   AFX_MSG_W_(LRESULT(WPARAM, LPARAM), memberFxn)},

// ---- commands
#define ON_COMMAND(id, memberFxn)                   \
  {WM_COMMAND,       CN_COMMAND,  (UINT)(WORD)(id), \
   (UINT)(WORD)(id), AfxSigCmd_v, AFX_MSG_C_(void(), memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)             \
  {WM_COMMAND,           CN_COMMAND,      (UINT)(WORD)(id), \
   (UINT)(WORD)(idLast), AfxSigCmd_RANGE, AFX_MSG_C_(void(UINT), memberFxn)},
#define ON_COMMAND_EX(id, memberFxn)                 \
  {WM_COMMAND,       CN_COMMAND,   (UINT)(WORD)(id), \
   (UINT)(WORD)(id), AfxSigCmd_EX, AFX_MSG_C_(BOOL(UINT), memberFxn)},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)       \
  {WM_COMMAND,           CN_COMMAND,   (UINT)(WORD)(id), \
   (UINT)(WORD)(idLast), AfxSigCmd_EX, AFX_MSG_C_(BOOL(UINT), memberFxn)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                  \
  {WM_COMMAND,       CN_UPDATE_COMMAND_UI, (UINT)(WORD)(id), \
   (UINT)(WORD)(id), AfxSigCmdUI,          AFX_MSG_C_(void(CCmdUI*), memberFxn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)        \
  {WM_COMMAND,           CN_UPDATE_COMMAND_UI, (UINT)(WORD)(id), \
   (UINT)(WORD)(idLast), AfxSigCmdUI_RANGE,    AFX_MSG_C_(void(CCmdUI*, UINT), memberFxn)},

// ---- control notifications through WM_COMMAND
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                    \
  {WM_COMMAND,  (UINT)(WORD)(wNotifyCode),    (UINT)(WORD)(id), (UINT)(WORD)(id), \
   AfxSigCmd_v, AFX_MSG_C_(void(), memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)          \
  {WM_COMMAND,           (UINT)(WORD)(wNotifyCode), (UINT)(WORD)(id), \
   (UINT)(WORD)(idLast), AfxSigCmd_RANGE,           AFX_MSG_C_(void(UINT), memberFxn)},
// In the control's own map: the parent's WM_COMMAND from this control comes back here and the
// parent does not see it. The _EX form returns FALSE to let the parent see it too.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                             \
  {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSigCmd_v, \
   AFX_MSG_C_(void(), memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                          \
  {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSigCmd_b, \
   AFX_MSG_C_(BOOL(), memberFxn)},

// ---- WM_NOTIFY
#define ON_NOTIFY(wNotifyCode, id, memberFxn)   \
  {WM_NOTIFY,        (UINT)(WORD)(wNotifyCode), \
   (UINT)(WORD)(id), (UINT)(WORD)(id),          \
   AfxSigNotify_v,   AFX_MSG_C_(void(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_NOTIFY,          (UINT)(WORD)(wNotifyCode),           \
   (UINT)(WORD)(id),   (UINT)(WORD)(idLast),                \
   AfxSigNotify_RANGE, AFX_MSG_C_(void(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
  {WM_NOTIFY,        (UINT)(WORD)(wNotifyCode),  \
   (UINT)(WORD)(id), (UINT)(WORD)(id),           \
   AfxSigNotify_EX,  AFX_MSG_C_(BOOL(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_NOTIFY,        (UINT)(WORD)(wNotifyCode),                \
   (UINT)(WORD)(id), (UINT)(WORD)(idLast),                     \
   AfxSigNotify_EX,  AFX_MSG_C_(BOOL(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
  {WM_NOTIFY + WM_REFLECT_BASE,                   \
   (UINT)(WORD)(wNotifyCode),                     \
   0,                                             \
   0,                                             \
   AfxSigNotify_v,                                \
   AFX_MSG_C_(void(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
  {WM_NOTIFY + WM_REFLECT_BASE,                      \
   (UINT)(WORD)(wNotifyCode),                        \
   0,                                                \
   0,                                                \
   AfxSigNotify_b,                                   \
   AFX_MSG_C_(BOOL(NMHDR*, LRESULT*), memberFxn)},

// ---- common control notification shorthands
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)

#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)

#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)

#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)

#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_STN_ENABLE(id, memberFxn) ON_CONTROL(STN_ENABLE, id, memberFxn)
#define ON_STN_DISABLE(id, memberFxn) ON_CONTROL(STN_DISABLE, id, memberFxn)
