// afxcmn.h (being written)
#pragma once
#include "afxwin.h"
