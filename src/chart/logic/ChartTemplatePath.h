// Chart template file names and the file dialog's filter, without a window.
#pragma once
#include <afx.h>

#include <string>

namespace tkw {

// The extension every chart template carries.
constexpr const wchar_t* kChartTemplateExt = L".CHT";
// The file dialogs' filter in the framework's bar-separated form.
constexpr const wchar_t* kChartTemplateFilter =
    L"Chart Templates (*.CHT)|*.CHT||All Files (*.*)|*.*||";

// The path with ".CHT" appended unless it already ends so (compared without regard to case).
CString CompleteTemplatePath(const CString& strPath);

// A bar-separated filter as the common file dialogs take it: every bar becomes a NUL, so a
// double bar ends the list there.
std::wstring DialogFilter(const wchar_t* pszBars);

}  // namespace tkw
