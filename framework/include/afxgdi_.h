// afxgdi_.h (being written)
#pragma once
#include "afx.h"
