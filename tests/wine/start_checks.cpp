#include <string>
#include <vector>

#include "counties/region_catalogue.h"
#include "tests/wine/dialog_checks.h"
#include "tests/wine/window_access.h"
#include "ui/win32/resource.h"

namespace quorvel::wine {

namespace {

HWND FocusOf(const AppSession& app) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(app.threadId(), &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace

void CheckInitialState(AppSession& app, Checks& checks) {
  const HWND dialog = app.dialog();
  checks.ExpectEq(WindowText(dialog), std::string("Quorvel"), "the caption is Quorvel");
  const LONG style = GetWindowLongW(dialog, GWL_STYLE);
  checks.Expect((style & WS_SYSMENU) == 0, "no system menu, so no close box");
  checks.Expect((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0, "no minimise or maximise box");
  checks.Expect((GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0,
                "the dialog has its own taskbar button");

  std::vector<std::string> names;
  for (const RegionId id : RegionChoiceOrder) names.emplace_back(RegionName(id));
  const std::vector<std::string> items = ComboItems(app.Item(IDC_REGION));
  checks.ExpectEq(items, names, "the region list holds the 44 regions in the offered order");
  checks.Expect(!items.empty() && items.front() == "Alabama", "the first region is Alabama");
  checks.Expect(!items.empty() && items.back() == "US Counties QSO Party",
                "the last region is the US Counties QSO Party");
  checks.ExpectEq(SendMessageW(app.Item(IDC_REGION), CB_GETCURSEL, 0, 0), LRESULT{CB_ERR},
                  "no region is selected");
  checks.ExpectEq(SendMessageW(app.Item(IDC_ADD_MOBILE), BM_GETCHECK, 0, 0), LRESULT{BST_CHECKED},
                  "\"Add /M to mobiles\" is checked");
  checks.ExpectEq(WindowText(app.Item(IDC_INPUT_PATH)), std::string(), "the input path is empty");
  checks.ExpectEq(WindowText(app.Item(IDC_OUTPUT_PATH)), std::string(), "the output path is empty");
  checks.ExpectEq(SendMessageW(app.Item(IDC_MESSAGES), LB_GETCOUNT, 0, 0), LRESULT{0},
                  "the message list is empty");
  checks.Expect(FocusOf(app) == app.Item(IDC_BROWSE_INPUT), "the focus is on \"Input\"");
  const LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
  checks.Expect(HIWORD(defaultId) == DC_HASDEFID && LOWORD(defaultId) == IDOK,
                "\"Convert\" (IDOK) is the default button");
}

void CheckEnterAtStartOpensTheInputDialog(AppSession& app, Checks& checks) {
  PressKey(FocusOf(app), VK_RETURN);
  const HWND open = app.WaitForDialog("Input ADIF File");
  if (!checks.Expect(open != nullptr, "Enter at start presses the focused \"Input\" button")) {
    return;
  }
  checks.Expect(CloseDialog(open, IDCANCEL), "the open dialog cancels");
  checks.Expect(Settle(app.dialog()) && WindowText(app.Item(IDC_INPUT_PATH)).empty(),
                "a cancelled open dialog leaves the input path empty");
  checks.ExpectEq(SendMessageW(app.Item(IDC_MESSAGES), LB_GETCOUNT, 0, 0), LRESULT{0},
                  "Enter at start ran no conversion");
}

}  // namespace quorvel::wine
