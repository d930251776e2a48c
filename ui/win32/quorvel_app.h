// The application object: shows the main dialog once, then the program ends.
#pragma once

#include "ui/win32/afx_app.h"

class CQuorvelApp : public CWinApp {
 public:
  CQuorvelApp() = default;
  ~CQuorvelApp() override;

  BOOL InitInstance() override;
};

extern CQuorvelApp theApp;
