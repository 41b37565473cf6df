// Keyboard and mouse input for tests: posted the way the system would, then pumped.
#pragma once
#include <windows.h>

#include <string>

namespace tks {

// Modifier keys held while a key or click is delivered (combine with |).
enum Modifiers : unsigned { kNoMods = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

// Presses and releases one virtual key on target with the modifiers held; the WM_CHAR
// comes from TranslateMessage as with real typing (Alt makes it WM_SYSKEYDOWN/WM_SYSCHAR).
void PressKey(HWND target, UINT vk, unsigned mods = kNoMods);

// Types each character of text into target; characters without a key get a plain WM_CHAR.
void TypeText(HWND target, const std::wstring& text);

// Left click at a client point of target (WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP).
void Click(HWND target, POINT client, unsigned mods = kNoMods);

// Double click: down, up, WM_LBUTTONDBLCLK (plain down without CS_DBLCLKS), up.
void DoubleClick(HWND target, POINT client, unsigned mods = kNoMods);

// Right click (DefWindowProc turns the release into WM_CONTEXTMENU).
void RightClick(HWND target, POINT client, unsigned mods = kNoMods);

// Presses the left button at from, moves in steps with it held, releases at to.
void Drag(HWND target, POINT from, POINT to, unsigned mods = kNoMods, int steps = 4);

// Moves the mouse over target with no button held.
void MoveMouse(HWND target, POINT client, unsigned mods = kNoMods);

}  // namespace tks
