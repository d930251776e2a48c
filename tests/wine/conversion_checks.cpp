#include <string>
#include <vector>

#include "tests/wine/dialog_checks.h"
#include "tests/wine/window_access.h"
#include "ui/win32/resource.h"

namespace quorvel::wine {

namespace {

using Lines = std::vector<std::string>;

constexpr char kLog[] = "pa.adi";
constexpr int kPennsylvaniaItem = 28;  // RegionId 37 in the offered order

std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// The lines as one text, each ended by a line feed, as the command line
// prints them.
std::string Joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

struct Reference {
  bool ok = false;
  std::string listing;  // the lines, each ended by LF
  std::string output;
};

// What the command-line program makes of the same request: its listing and
// output file; the file is removed again so the dialog writes it anew.
Reference ConvertWithCli(const Programs& programs, const std::string& output, bool mobile) {
  Reference reference;
  const Captured run = RunAndCapture("\"" + programs.cli + "\" --region 37 " +
                                     (mobile ? "" : "--no-mobile ") + kLog + " " + output);
  reference.ok = run.finished && run.exitCode == 0;
  reference.listing = run.output;
  reference.output = ReadWholeFile(output);
  DeleteFileA(output.c_str());
  return reference;
}

void SetMobile(AppSession& app, bool on) {
  const HWND box = app.Item(IDC_ADD_MOBILE);
  if ((SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != on) ClickAndWait(box);
}

// One conversion through the dialog, compared with the command line's.
Reference ConvertLikeTheCli(AppSession& app, const Programs& programs, Checks& checks,
                            const std::string& output, bool mobile) {
  const Reference expected = ConvertWithCli(programs, output, mobile);
  const std::string what = std::string(mobile ? "with" : "without") + " /M into " + output;
  checks.Expect(expected.ok && !expected.listing.empty(), "the command line converts " + what);
  TypePaths(app, kLog, output);
  SetMobile(app, mobile);
  checks.ExpectEq(SendMessageW(app.Item(IDC_ADD_MOBILE), BM_GETCHECK, 0, 0),
                  LRESULT{mobile ? BST_CHECKED : BST_UNCHECKED},
                  "the check box shows the option " + what);
  checks.Expect(ClickAndWait(app.Item(IDOK)), "\"Convert\" runs to its end " + what);
  checks.Expect(app.WaitForOwnedBox(200) == nullptr, "no message box after converting " + what);
  Reference shown;
  shown.listing = Joined(ListLines(app.Item(IDC_MESSAGES)));
  shown.output = ReadWholeFile(output);
  checks.ExpectEq(shown.listing, expected.listing,
                  "the list shows exactly the command line's listing " + what);
  checks.Expect(!shown.output.empty() && shown.output == expected.output,
                "the dialog writes the command line's output file " + what);
  return shown;
}

}  // namespace

bool TypePaths(AppSession& app, const std::string& input, const std::string& output) {
  return TypeInto(app.Item(IDC_INPUT_PATH), input) && TypeInto(app.Item(IDC_OUTPUT_PATH), output);
}

void ExpectRefused(AppSession& app, Checks& checks, const std::string& error,
                   const std::string& situation) {
  const Lines before = ListLines(app.Item(IDC_MESSAGES));
  PostClick(app.Item(IDOK));
  const HWND box = app.WaitForOwnedBox();
  if (!checks.Expect(box != nullptr, situation + ": a message box owned by the dialog shows")) {
    return;
  }
  const BoxContents shown = ReadBox(box);
  checks.ExpectEq(shown.text, error, situation + ": the box says " + error);
  checks.ExpectEq(shown.caption, std::string("Quorvel"), situation + ": the box's caption");
  checks.ExpectEq(std::string(IconName(shown.icon)), std::string("stop"),
                  situation + ": the box shows the stop icon");
  checks.ExpectEq(shown.buttons, Lines{"OK"}, situation + ": the box has one OK button");
  checks.Expect(CloseDialog(box, IDOK) && Settle(app.dialog()), situation + ": OK closes it");
  const HWND again = app.WaitForOwnedBox(500);
  checks.Expect(again == nullptr, situation + ": no second box follows",
                again ? Quoted(ReadBox(again).text) : "");
  if (again != nullptr) CloseDialog(again, IDOK);
  checks.ExpectEq(ListLines(app.Item(IDC_MESSAGES)), before,
                  situation + ": the message list is unchanged");
}

void CheckRefusalsBeforeARegionIsChosen(AppSession& app, Checks& checks) {
  ExpectRefused(app, checks, "ERROR: Didn't specify input file.", "nothing filled in");
  TypeInto(app.Item(IDC_INPUT_PATH), kLog);
  ExpectRefused(app, checks, "ERROR: Didn't specify output file.", "no output path");
  TypeInto(app.Item(IDC_OUTPUT_PATH), kLog);
  ExpectRefused(app, checks, "ERROR: Input and output file names must be different.",
                "the same path twice");
  TypeInto(app.Item(IDC_INPUT_PATH), "missing.adi");
  TypeInto(app.Item(IDC_OUTPUT_PATH), "out.adi");
  ExpectRefused(app, checks, "ERROR: You must select a state.", "no region, missing input");
  checks.Expect(GetFileAttributesA("out.adi") == INVALID_FILE_ATTRIBUTES,
                "a refused request creates no output file");
}

void CheckRegionChoice(AppSession& app, Checks& checks) {
  // The closed drop-down list takes a typed letter as a user's choice.
  const HWND combo = app.Item(IDC_REGION);
  SendMessageW(combo, WM_CHAR, 'P', 0);
  checks.ExpectEq(SendMessageW(combo, CB_GETCURSEL, 0, 0), LRESULT{kPennsylvaniaItem},
                  "typing P in the region list chooses Pennsylvania");
  checks.ExpectEq(WindowText(combo), std::string("Pennsylvania"), "the list shows Pennsylvania");
}

void CheckConversions(AppSession& app, const Programs& programs, Checks& checks) {
  const std::string original = ReadWholeFile(kLog);
  const Reference first = ConvertLikeTheCli(app, programs, checks, "pa-gui.adi", true);
  const Reference second = ConvertLikeTheCli(app, programs, checks, "pa-no-m.adi", false);
  checks.Expect(Joined(ListLines(app.Item(IDC_MESSAGES))) != first.listing,
                "a second run replaces the first run's list");
  if (first.output != second.output) {
    checks.Note("this log's portable callsigns differ with and without /M");
    checks.Expect(CountOf(first.output, "/M") > CountOf(second.output, "/M"),
                  "the run with the box checked writes more /M suffixes");
  } else {
    checks.Note("the converter writes this log the same with and without /M");
  }
  ConvertLikeTheCli(app, programs, checks, "pa-again.adi", true);
  checks.Expect(ReadWholeFile(kLog) == original, "the input log is unchanged");

  // Enter in a path field presses the default button, "Convert".
  const Lines before = ListLines(app.Item(IDC_MESSAGES));
  TypeInto(app.Item(IDC_OUTPUT_PATH), "pa-enter.adi");
  const HWND edit = FindWindowExW(app.Item(IDC_OUTPUT_PATH), nullptr, L"Edit", nullptr);
  PressKey(edit, VK_RETURN);
  const bool converted = WaitFor(
      [&] {
        const Lines now = ListLines(app.Item(IDC_MESSAGES));
        return now != before && !now.empty();
      },
      10000);
  checks.Expect(converted && GetFileAttributesA("pa-enter.adi") != INVALID_FILE_ATTRIBUTES,
                "Enter in the output field runs a conversion");
  checks.Expect(app.WaitForOwnedBox(200) == nullptr && IsWindowVisible(app.dialog()),
                "the dialog stays open after Enter");
}

void CheckRefusalsKeepTheListing(AppSession& app, Checks& checks) {
  checks.Expect(!ListLines(app.Item(IDC_MESSAGES)).empty(), "a listing is shown before these");
  TypePaths(app, "", "x.adi");
  ExpectRefused(app, checks, "ERROR: Didn't specify input file.", "after a run, no input");
  TypePaths(app, kLog, "");
  ExpectRefused(app, checks, "ERROR: Didn't specify output file.", "after a run, no output");
  TypePaths(app, kLog, kLog);
  ExpectRefused(app, checks, "ERROR: Input and output file names must be different.",
                "after a run, the same path twice");
  TypePaths(app, "missing.adi", "x.adi");
  ExpectRefused(app, checks, "ERROR: Could not open input file.", "a missing input");
  TypePaths(app, kLog, "no-such-folder\\x.adi");
  ExpectRefused(app, checks, "ERROR: Could not open output file.", "an output folder missing");

  const std::string original = ReadWholeFile(kLog);
  TypePaths(app, kLog, "PA.ADI");
  ExpectRefused(app, checks, "ERROR: Could not open output file.",
                "the input under another letter case");
  checks.Expect(ReadWholeFile(kLog) == original && !original.empty(),
                "the input is unchanged after the refused same-file run");
}

}  // namespace quorvel::wine
