// Which standard message-box icon a window shows. Icon handles belong to the
// process that loaded them, so the icon is recognised by its pixels on screen.
#pragma once

#include <windows.h>

namespace quorvel::wine {

enum class BoxIcon { kNone, kStop, kQuestion, kWarning, kInformation };

// The standard icon drawn at the top left of window, once it shows one.
BoxIcon IconOnScreen(HWND window, DWORD milliseconds = 3000);

const char* IconName(BoxIcon icon);

}  // namespace quorvel::wine
