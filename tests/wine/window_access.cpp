#include "tests/wine/window_access.h"

#include "tests/wine/icon_match.h"

namespace quorvel::wine {

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

std::string ItemText(HWND control, UINT lengthMessage, UINT textMessage, int index) {
  const LRESULT length = Send(control, lengthMessage, static_cast<WPARAM>(index));
  if (length < 0) return "<unreadable>";
  // Room to spare: a reply in the wrong width must not overrun the buffer.
  std::wstring buffer(static_cast<std::size_t>(length) * 2 + 16, L'\0');
  Send(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return Narrow(buffer.c_str());
}

struct Search {
  DWORD processId;
  HWND owner;
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->processId || !IsWindowVisible(window)) return TRUE;
  if (ClassName(window) != "#32770") return TRUE;
  if (search->owner != nullptr && GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  if (!search->caption->empty() && WindowText(window) != *search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM data) {
  auto* box = reinterpret_cast<BoxContents*>(data);
  const std::string kind = ClassName(child);
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (kind == "Button" && IsWindowVisible(child)) box->buttons.push_back(WindowText(child));
  if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
    const auto icon = reinterpret_cast<HICON>(Send(child, STM_GETICON));
    if (icon != nullptr && IsWindowVisible(child)) {
      box->hasIcon = true;
      box->icon = IconOnScreen(child);
    }
  }
  return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
  const LRESULT length = Send(window, WM_GETTEXTLENGTH);
  if (length < 0) return "<unreadable>";
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  Send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return Narrow(buffer.c_str());
}

std::string ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return Narrow(name);
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = Send(combo, CB_GETCOUNT);
  for (int i = 0; i < count; ++i)
    items.push_back(ItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, i));
  return items;
}

std::vector<std::string> ListLines(HWND list) {
  std::vector<std::string> lines;
  const LRESULT count = Send(list, LB_GETCOUNT);
  for (int i = 0; i < count; ++i) lines.push_back(ItemText(list, LB_GETTEXTLEN, LB_GETTEXT, i));
  return lines;
}

HWND FindDialogOf(DWORD processId, HWND owner, const std::string& caption) {
  Search search{processId, owner, &caption, nullptr};
  EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BoxContents ReadBox(HWND box) {
  BoxContents contents;
  contents.caption = WindowText(box);
  contents.text = WindowText(GetDlgItem(box, 0xFFFF));
  EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&contents));
  return contents;
}

bool CloseDialog(HWND dialog, int buttonId) {
  PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
  return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10000);
}

bool Settle(HWND window) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

bool ClickAndWait(HWND button, DWORD milliseconds) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, milliseconds, &ignored) != 0;
}

void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool TypeInto(HWND combo, const std::string& text) {
  const HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  if (edit == nullptr) return false;
  Send(edit, EM_SETSEL, 0, -1);
  Send(edit, WM_CHAR, VK_BACK, 0);
  for (const char c : text) Send(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
  return Settle(combo);
}

void PressKey(HWND window, WPARAM key) {
  const DWORD scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC) << 16;
  const DWORD down = 1 | scan;
  const DWORD up = 0xC0000001u | scan;  // previous state down, key being released
  PostMessageW(window, WM_KEYDOWN, key, static_cast<LPARAM>(static_cast<LONG>(down)));
  PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(static_cast<LONG>(up)));
}

}  // namespace quorvel::wine
