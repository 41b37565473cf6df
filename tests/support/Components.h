// Our own ActiveX components, found without registration: a test activates the manifest that
// the build writes beside the component (bin/<name>.manifest) and CoCreateInstance finds it.
#pragma once

namespace tks {

// Activates <exe folder>\<name>.manifest for the rest of the process (once per name).
// FALSE when the manifest is missing or wrong.
bool UseComponent(const wchar_t* name);

}  // namespace tks
