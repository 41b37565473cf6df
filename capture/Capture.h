// Capturing what a window and all its descendants show, for pixel checks and screenshots.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tks {

// A captured window: 32-bpp top-down pixels (0x00RRGGBB) covering its whole window rectangle.
struct Capture {
  int width = 0;                      // window width in pixels
  int height = 0;                     // window height in pixels
  POINT clientOrigin = {0, 0};        // where the client area starts inside the image
  std::vector<std::uint32_t> pixels;  // width * height words, top row first

  // Colour at window coordinates; CLR_INVALID outside the image.
  COLORREF At(int x, int y) const;
  // Colour at client coordinates of the captured window.
  COLORREF AtClient(int x, int y) const;
  // Writes the image as a PNG file; false if it cannot be written.
  bool WritePng(const std::wstring& path) const;
};

// Prints root and every descendant with WM_PRINT (bottom of the z-order first, each at its
// offset from root, clipped to its ancestors' client areas) into one DIB. Hidden children are
// skipped; root itself may be hidden (tests parent to a hidden host).
Capture CaptureWindow(HWND root);

// Captures root and writes it to a PNG file; false on failure.
bool CaptureToPng(HWND root, const std::wstring& path);

}  // namespace tks
