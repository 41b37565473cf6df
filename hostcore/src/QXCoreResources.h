// Identifiers of qxcore.dll's own resources.
#pragma once

#define IDR_QX_SCRIPT_CATALOGUE 101  // RCDATA: the script function catalogue (UTF-8 XML)
