// The end-to-end checks of the main dialog, each working Quorvel.exe only
// through window messages, as a user's mouse and keyboard would.
#pragma once

#include <string>

#include "tests/wine/app_session.h"
#include "tests/wine/checks.h"

namespace quorvel::wine {

struct Programs {
  std::string app;     // Quorvel.exe
  std::string cli;     // quorvel-convert.exe, the reference for conversions
  std::string driver;  // this program, which records addresses for the Help check
};

// Start-up state, and what the keyboard does at start.
void CheckInitialState(AppSession& app, Checks& checks);
void CheckEnterAtStartOpensTheInputDialog(AppSession& app, Checks& checks);

// Conversions and refused requests ("pa.adi" in the current folder is the log).
void CheckRefusalsBeforeARegionIsChosen(AppSession& app, Checks& checks);
void CheckRegionChoice(AppSession& app, Checks& checks);
void CheckConversions(AppSession& app, const Programs& programs, Checks& checks);
void CheckRefusalsKeepTheListing(AppSession& app, Checks& checks);

// The other buttons.
void CheckAbout(AppSession& app, Checks& checks);
void CheckHelp(AppSession& app, const Programs& programs, Checks& checks);
void CheckFileDialogs(AppSession& app, Checks& checks);
void CheckExitButton(AppSession& app, Checks& checks);
void CheckEscapeKey(AppSession& app, Checks& checks);

// Shared by the checks above.
bool TypePaths(AppSession& app, const std::string& input, const std::string& output);
void ExpectRefused(AppSession& app, Checks& checks, const std::string& error,
                   const std::string& situation);

}  // namespace quorvel::wine
