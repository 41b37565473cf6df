// CGfxCategoryManager: category records, filing of rows, and the list's category rows.
#include "grid/GfxCategoryManager.h"

#include "grid/GfxListCtrl.h"

CGfxCategoryManager::CGfxCategoryManager() : m_pfnCategory(NULL), m_pfnBulk(NULL), m_pOwner(NULL)
{
}

CGfxCategoryManager::~CGfxCategoryManager()
{
}
