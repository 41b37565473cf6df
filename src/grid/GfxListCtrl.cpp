// CGfxListCtrl: construction, set-up, flags, columns and the column model of the grid.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"
#include "grid/GfxColumnManager.h"

#include <qxres_ids.h>

IMPLEMENT_DYNCREATE(CGfxListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CGfxListCtrl, CListCtrl)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{

// A copy of the system's default GUI font with the given weight and attributes.
void CreateGuiFont(CFont& font, LONG lWeight, BOOL bUnderline, BOOL bItalic)
{
    LOGFONT lf = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = lWeight;
    lf.lfUnderline = static_cast<BYTE>(bUnderline);
    lf.lfItalic = static_cast<BYTE>(bItalic);
    font.CreateFontIndirect(&lf);
}

}  // namespace

CGfxListCtrl::CGfxListCtrl()
    : m_dwComboMask(0),
      m_dwComboExMask(0),
      m_dwEditMask(0),
      m_dwScriptMask(0),
      m_dwNumericMask(0),
      m_dwValuteMask(0),
      m_dwImageMask(0),
      m_dwPercentMask(0),
      m_dwLinkMask(0),
      m_dwExColRequestMask(0),
      m_dwColumn8000Mask(0),
      m_bShowEmptyListText(false),
      m_pColumnManager(NULL),
      m_pCategoryManager(NULL),
      m_crText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_crHighlight(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crTextBk(::GetSysColor(COLOR_WINDOW)),
      m_crBackground(::GetSysColor(COLOR_WINDOW)),
      m_crCategory(::GetSysColor(COLOR_BTNFACE)),
      m_nListId(-1),
      m_nFocusColumn(-1),
      m_nClientWidth(0),
      m_nHasStateImages(0),
      m_nRowHeight(17),
      m_nAutoPreviewHeight(0),
      m_nCategoryRowHeight(16),
      m_dwSummaryData(0),
      m_nClickedHeaderColumn(-1),
      m_pReciper(NULL),
      m_nReadOnly(0),
      m_bViewInit(false),
      m_bAllowDelete(true),
      m_bAllowInsert(true),
      m_bFlatHeader(true),
      m_bShowHeaderPopup(true),
      m_dwInPlaceListStyle(0x508000C3),
      m_rcPrintMargins(0, 0, 0, 0),
      m_dwPrintFlag(0),
      m_strPrintName(_T("Gfx list Control")),
      m_bBlendBitmap(true),
      m_nBackgroundWidth(0),
      m_nBackgroundHeight(0),
      m_nBackgroundMode(1),
      m_pfnGetText(NULL),
      m_pfnCategory(NULL),
      m_pfnGetImage(NULL),
      m_pItemImageList(NULL),
      m_bNoBlank(false),
      m_qwFlag(GFXLF_DEFAULT)
{
    m_strEmptyListText.LoadString(IDS_QX_EMPTY_LIST);
    m_penLightGrid.CreatePen(PS_SOLID, 1, RGB(0xC0, 0xC0, 0xC0));
    m_penDarkGrid.CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
    CreateGuiFont(m_fontNormal, FW_NORMAL, FALSE, FALSE);
    CreateGuiFont(m_fontBold, FW_BOLD, FALSE, FALSE);
    CreateGuiFont(m_fontUnderline, 0, TRUE, FALSE);
    CreateGuiFont(m_fontItalic, 0, FALSE, TRUE);
    m_wndHeader.SetCallback(static_cast<GFX_HEADER_DROP_CALLBACK>(&CGfxListCtrl::DragColumn));
}

CGfxListCtrl::~CGfxListCtrl()
{
    delete m_pColumnManager;
    delete m_pCategoryManager;
}

// ---- set-up

void CGfxListCtrl::OnInit()
{
    ASSERT(::IsWindow(m_hWnd));
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader && !m_wndHeader.GetSafeHwnd())
        m_wndHeader.SubclassWindow(pHeader->GetSafeHwnd());
    if (m_bFlatHeader)
        SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    if (m_wndHeader.GetSafeHwnd())
        m_wndHeader.ResizeColumnsToFit();
    if (!m_bViewInit && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT)
    {
        m_bViewInit = true;
        ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    }
}

void CGfxListCtrl::ModifyFlag(ULONGLONG qwRemove, ULONGLONG qwAdd, UINT swpFlags)
{
    if (qwRemove)
        m_qwFlag = (m_qwFlag & ~qwRemove) & 0xFFFFFFFFull;
    m_qwFlag |= qwAdd;
    if (!::IsWindow(m_hWnd))
        return;
    if (swpFlags)
        SetWindowPos(NULL, 0, 0, 0, 0, swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    else
        Invalidate();
}

void CGfxListCtrl::ModifyExStyle(DWORD dwRemove, DWORD dwAdd, UINT swpFlags)
{
    if (!::IsWindow(m_hWnd))
        return;
    SetExtendedStyle((GetExtendedStyle() & ~dwRemove) | dwAdd);
    if (swpFlags)
        SetWindowPos(NULL, 0, 0, 0, 0, swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    else
        Invalidate();
}

// ---- columns

void CGfxListCtrl::SetMaskBit(DWORD& dwMask, int nSubItem, bool bSet)
{
    const DWORD bit = CGfxColumnManager::GetColumnMask(nSubItem);
    dwMask = bSet ? (dwMask | bit) : (dwMask & ~bit);
}

bool CGfxListCtrl::HasMaskBit(DWORD dwMask, int nSubItem)
{
    return (dwMask & CGfxColumnManager::GetColumnMask(nSubItem)) != 0;
}

void CGfxListCtrl::ApplyColumnFlags(int nSubItem, DWORD dwFlags)
{
    const DWORD bit = CGfxColumnManager::GetColumnMask(nSubItem);
    if (!bit)
        return;
    struct FlagMask
    {
        DWORD flag;
        DWORD* mask;
    };
    const FlagMask table[] = {
        {GFXCOL_DROPLIST, &m_dwComboMask},
        {GFXCOL_DROPDOWN, &m_dwComboExMask},
        {GFXCOL_EDIT, &m_dwEditMask},
        {GFXCOL_SCRIPT, &m_dwScriptMask},
        {GFXCOL_NUMERIC, &m_dwNumericMask},
        {GFXCOL_VALUTE, &m_dwValuteMask},
        {GFXCOL_SORTABLE, &m_wndHeader.m_dwSortDirections},
        {GFXCOL_IMAGE, &m_dwImageMask},
        {GFXCOL_NOSORTARROW, &m_wndHeader.m_dwNoArrowMask},
        {GFXCOL_FIXEDWIDTH, &m_wndHeader.m_dwFixedWidthMask},
        {GFXCOL_PERCENT, &m_dwPercentMask},
        {GFXCOL_LINK, &m_dwLinkMask},
        {0x8000, &m_dwColumn8000Mask},
    };
    for (const FlagMask& fm : table)
        if (dwFlags & fm.flag)
            *fm.mask |= bit;
}

void CGfxListCtrl::ClearRebuiltMasks()
{
    m_dwComboMask = m_dwComboExMask = m_dwEditMask = m_dwScriptMask = 0;
    m_dwNumericMask = m_dwValuteMask = m_dwImageMask = m_dwPercentMask = 0;
}

int CGfxListCtrl::InsertColumnEx(int nCol, LPCTSTR lpszText, int nFormat, int nWidth, DWORD dwColumnFlags)
{
    if (!::IsWindow(m_hWnd) || !CGfxColumnManager::IsValidColumnId(nCol))
        return -1;
    LVCOLUMN column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<LPTSTR>(lpszText ? lpszText : _T(""));
    column.iSubItem = nCol;
    const int nPos = InsertColumn(nCol, &column);
    if (nPos < 0)
        return nPos;
    ApplyColumnFlags(nCol, dwColumnFlags);
    if (dwColumnFlags & (GFXCOL_SORTASC | GFXCOL_SORTDESC))
    {
        m_wndHeader.m_nSortCol = nPos;
        m_wndHeader.m_bSortAsc = (dwColumnFlags & GFXCOL_SORTDESC) ? 0 : 1;
    }
    return nPos;
}

void CGfxListCtrl::DeleteAllColumns()
{
    for (int i = GetColumnCount(); i > 0; --i)
        DeleteColumn(0);
}

int CGfxListCtrl::GetColumnCount() const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    CHeaderCtrl* pHeader = const_cast<CGfxListCtrl*>(this)->GetHeaderCtrl();
    return pHeader ? pHeader->GetItemCount() : 0;
}

int CGfxListCtrl::GetColumnIndex(int nPosition) const
{
    if (nPosition < 0 || nPosition >= GetColumnCount())
        return -1;
    LVCOLUMN column = {};
    column.mask = LVCF_SUBITEM;
    if (!const_cast<CGfxListCtrl*>(this)->GetColumn(nPosition, &column))
        return -1;
    return column.iSubItem;
}

void CGfxListCtrl::SetColumnImage(int nPosition, int nImage)
{
    CHeaderCtrl* pHeader = ::IsWindow(m_hWnd) ? GetHeaderCtrl() : NULL;
    if (!pHeader || nPosition < 0 || nPosition >= pHeader->GetItemCount())
        return;
    CString strText;
    strText.Format(_T("%d_"), nImage);
    HDITEM item = {};
    item.mask = HDI_FORMAT;
    pHeader->GetItem(nPosition, &item);
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.fmt |= HDF_OWNERDRAW;
    item.pszText = strText.GetBuffer();
    item.cchTextMax = strText.GetLength();
    pHeader->SetItem(nPosition, &item);
    strText.ReleaseBuffer();
}

void CGfxListCtrl::DragColumn(int& nFrom, int& nTo)
{
    SetFocus();
    const int nCount = GetColumnCount();
    // Column 0 never moves and nothing is dropped in front of it.
    if (nFrom <= 0 || nFrom >= nCount || nTo < 0 || nTo > nCount)
        return;
    if (nTo == 0)
        nTo = 1;

    SetRedraw(FALSE);
    TCHAR szText[160] = {};
    LVCOLUMN column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = szText;
    column.cchTextMax = static_cast<int>(_countof(szText));
    GetColumn(nFrom, &column);
    const int nInserted = InsertColumn(nTo, &column);
    if (nInserted >= 0)
    {
        HDITEM item = {};
        item.mask = HDI_FORMAT;
        if (m_wndHeader.GetItem(nInserted, &item))
        {
            item.fmt |= HDF_OWNERDRAW;
            m_wndHeader.SetItem(nInserted, &item);
        }
        if (nFrom > nTo)
            ++nFrom;
        // The moved column's cells ask the owner again.
        for (int i = GetItemCount() - 1; i >= 0; --i)
            SetItemText(i, nInserted, LPSTR_TEXTCALLBACK);
        DeleteColumn(nFrom);
    }
    SetRedraw(TRUE);
    Invalidate();
}

// ---- column model

CGfxColumnManager* CGfxListCtrl::CreateColumnManager()
{
    delete m_pColumnManager;
    m_pColumnManager = new CGfxColumnManager;
    return m_pColumnManager;
}

void CGfxListCtrl::SetProfileSection(LPCTSTR lpszSection)
{
    CreateColumnManager();
    m_strProfileSection = lpszSection;
    m_pColumnManager->SetProfileSection(lpszSection);
}

BOOL CGfxListCtrl::SetupColumnData(bool bUnused)
{
    return m_pColumnManager ? m_pColumnManager->SetupColumnData(this, bUnused) : FALSE;
}

BOOL CGfxListCtrl::RetrieveColumnData()
{
    return m_pColumnManager ? m_pColumnManager->RetrieveColumnData(this) : FALSE;
}

void CGfxListCtrl::OnDestroy()
{
    // The user's column layout goes back to the profile while the columns still exist.
    if (m_pColumnManager && *m_pColumnManager->GetProfileSection())
    {
        m_pColumnManager->RetrieveColumnData(this);
        m_pColumnManager->WriteToProfile();
    }
    CListCtrl::OnDestroy();
}

// ---- owner callbacks

long CGfxListCtrl::GetExInfoCallback(LXHDREX* pRequest)
{
    if (!pRequest)
        return 0;
    switch (pRequest->iNotifyCode)
    {
    case NTEX_ITEMINFO:
        return 1;
    case NTEX_COMBOREQUEST:
        if (pRequest->iSubItem >= 1 && pRequest->pcsaChoices)
        {
            pRequest->pcsaChoices->Add(_T("true"));
            pRequest->pcsaChoices->Add(_T("false"));
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

void CGfxListCtrl::GetTextCallback(int nItem, int nColumn, DWORD_PTR dwItemData, CString& strText)
{
    if (m_pfnGetText)
    {
        (GetReciper()->*m_pfnGetText)(nItem, nColumn, dwItemData, strText);
        return;
    }
    // The list view numbers a row's cells by display position, as the callbacks do.
    strText = GetItemText(nItem, nColumn);
}

void CGfxListCtrl::GetImageCallback(int nItem, int nColumn, DWORD_PTR dwItemData, int& nImage)
{
    if (m_pfnGetImage)
        (GetReciper()->*m_pfnGetImage)(nItem, nColumn, dwItemData, nImage);
}

void CGfxListCtrl::GetItemTextEx(int nItem, int nColumn, CString& strText, const DWORD_PTR* pData)
{
    const DWORD_PTR dwData = pData ? *pData : GetItemData(nItem);
    GetTextCallback(nItem, nColumn, dwData, strText);
}

CWnd* CGfxListCtrl::GetReciper() const
{
    return m_pReciper ? m_pReciper : GetParent();
}

int CGfxListCtrl::GetListId() const
{
    return m_nListId >= 0 ? m_nListId : GetDlgCtrlID();
}

// ---- entry points completed by the grid's other parts

void CGfxListCtrl::OnDelete() {}
void CGfxListCtrl::OnCopy() {}
void CGfxListCtrl::OnRClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    if (pResult)
        *pResult = 0;
}
void CGfxListCtrl::OnSelectAll() {}
BOOL CGfxListCtrl::PreTranslateMessage(MSG* pMsg) { return CListCtrl::PreTranslateMessage(pMsg); }
BOOL CGfxListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}
