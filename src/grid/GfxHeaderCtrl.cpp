// CGfxHeaderCtrl: sort state, image headers and column dragging of the grid's header.
#include "grid/GfxHeaderCtrl.h"

#include "grid/GfxColumnManager.h"

IMPLEMENT_DYNAMIC(CGfxHeaderCtrl, CXTPHeaderCtrl)

BEGIN_MESSAGE_MAP(CGfxHeaderCtrl, CXTPHeaderCtrl)
END_MESSAGE_MAP()

CGfxHeaderCtrl::CGfxHeaderCtrl()
    : m_dwSortDirections(0),
      m_dwNoArrowMask(0),
      m_dwFixedWidthMask(0),
      m_nSortCol(-1),
      m_bSortAsc(0),
      m_pImageList(NULL),
      m_bColumnDragEnabled(true),
      m_bDragPending(false),
      m_bDragging(false),
      m_pItemWidths(NULL),
      m_nItemCount(0),
      m_nDragSource(-1),
      m_nDropPosition(-1),
      m_rcMarker(0, 0, 0, 0),
      m_pfnDropCallback(NULL),
      m_rcDrag(0, 0, 0, 0),
      m_rcLastFrame(0, 0, 0, 0),
      m_bDividerAllowed(true)
{
    SetTheme(xtpHeaderThemeOffice2003);
}

CGfxHeaderCtrl::~CGfxHeaderCtrl()
{
    delete[] m_pItemWidths;
}

bool CGfxHeaderCtrl::GetSortOrder(int nPosition) const
{
    return (m_dwSortDirections & CGfxColumnManager::GetColumnMask(nPosition)) != 0;
}

void CGfxHeaderCtrl::SetSortOrder(int nPosition, bool bAscending)
{
    const DWORD bit = CGfxColumnManager::GetColumnMask(nPosition);
    if (bAscending)
        m_dwSortDirections |= bit;
    else
        m_dwSortDirections &= ~bit;
}

int CGfxHeaderCtrl::SetSortImage(int nPosition, int nAscending)
{
    if (!::IsWindow(m_hWnd))
        return m_nSortCol;

    const int nPrevious = m_nSortCol;
    m_nSortCol = nPosition;
    m_bSortAsc = nAscending;

    HDITEM item = {};
    item.mask = HDI_FORMAT;
    if (GetItem(nPosition, &item))
    {
        item.fmt |= HDF_OWNERDRAW;
        SetItem(nPosition, &item);
    }
    Invalidate();
    SetSortOrder(nPosition, nAscending == 1);
    return nPrevious;
}

int CGfxHeaderCtrl::GetItemSubitem(int nPosition) const
{
    // The list view keeps each column's subitem number; the header is the list's child.
    HWND hList = ::IsWindow(m_hWnd) ? ::GetParent(m_hWnd) : NULL;
    if (!hList || nPosition < 0)
        return -1;
    LVCOLUMNW column = {};
    column.mask = LVCF_SUBITEM;
    if (!::SendMessageW(hList, LVM_GETCOLUMNW, static_cast<WPARAM>(nPosition), reinterpret_cast<LPARAM>(&column)))
        return -1;
    return column.iSubItem;
}

bool CGfxHeaderCtrl::IsDragAllowed(CPoint /*point*/) const
{
    return true;
}

void CGfxHeaderCtrl::DrawDragColumn(int /*nPosition*/)
{
}

void CGfxHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CXTPHeaderCtrl::DrawItem(lpDrawItemStruct);
}
