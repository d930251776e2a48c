#include "tests/wine/icon_match.h"

#include <vector>

#include "tests/wine/window_access.h"

namespace quorvel::wine {

namespace {

using Pixels = std::vector<DWORD>;

// Draws into a 32-bit top-down bitmap of the given size and returns its pixels.
template <class Paint>
Pixels Render(int width, int height, Paint paint) {
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  Pixels pixels;
  if (bitmap != nullptr) {
    const HGDIOBJ old = SelectObject(memory, bitmap);
    paint(memory, screen);
    GdiFlush();
    const auto* data = static_cast<const DWORD*>(bits);
    pixels.assign(data, data + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (DWORD& p : pixels) p &= 0x00FFFFFF;
  return pixels;
}

int Matching(const Pixels& a, const Pixels& b) {
  int same = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) same += a[i] == b[i] ? 1 : 0;
  return same;
}

struct Candidate {
  BoxIcon icon;
  LPCSTR id;
};

BoxIcon BestMatch(HWND window) {
  RECT place;
  if (!GetWindowRect(window, &place)) return BoxIcon::kNone;
  const int size = GetSystemMetrics(SM_CXICON);
  const Pixels shown = Render(size, size, [&](HDC memory, HDC screen) {
    BitBlt(memory, 0, 0, size, size, screen, place.left, place.top, SRCCOPY);
  });
  if (shown.empty()) return BoxIcon::kNone;
  const COLORREF background = RGB(GetBValue(shown[0]), GetGValue(shown[0]), GetRValue(shown[0]));
  const Candidate candidates[] = {{BoxIcon::kStop, IDI_HAND},
                                  {BoxIcon::kQuestion, IDI_QUESTION},
                                  {BoxIcon::kWarning, IDI_EXCLAMATION},
                                  {BoxIcon::kInformation, IDI_ASTERISK}};
  BoxIcon best = BoxIcon::kNone;
  int bestScore = size * size * 9 / 10;  // at least 90% of the pixels alike
  for (const Candidate& c : candidates) {
    const Pixels drawn = Render(size, size, [&](HDC memory, HDC) {
      const HBRUSH brush = CreateSolidBrush(background);
      const RECT all = {0, 0, size, size};
      FillRect(memory, &all, brush);
      DeleteObject(brush);
      DrawIconEx(memory, 0, 0, LoadIconA(nullptr, c.id), size, size, 0, nullptr, DI_NORMAL);
    });
    const int score = Matching(shown, drawn);
    if (score > bestScore) {
      best = c.icon;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace

BoxIcon IconOnScreen(HWND window, DWORD milliseconds) {
  BoxIcon found = BoxIcon::kNone;
  WaitFor([&] { return (found = BestMatch(window)) != BoxIcon::kNone; }, milliseconds);
  return found;
}

const char* IconName(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::kStop:
      return "stop";
    case BoxIcon::kQuestion:
      return "question";
    case BoxIcon::kWarning:
      return "warning";
    case BoxIcon::kInformation:
      return "information";
    case BoxIcon::kNone:
      break;
  }
  return "none";
}

}  // namespace quorvel::wine
