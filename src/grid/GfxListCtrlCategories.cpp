// CGfxListCtrl: the category view (turning it on and off, opening and closing categories).
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"

CGfxCategoryManager* CGfxListCtrl::CreateCategoryManager()
{
    delete m_pCategoryManager;
    m_pCategoryManager = new CGfxCategoryManager;
    return m_pCategoryManager;
}

void CGfxListCtrl::EnableCategoryView(bool /*bEnable*/) {}
void CGfxListCtrl::ToggleCategory(int /*nItem*/) {}
