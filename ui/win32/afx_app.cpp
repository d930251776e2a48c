#include "ui/win32/afx_app.h"

#include <vector>

namespace {

CWinApp* g_app = nullptr;

std::string ModuleFileName() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::string NameWithoutFolderAndExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

}  // namespace

CWinApp::CWinApp(const char* appName) {
  if (appName != nullptr) m_appName = appName;
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

const char* AfxGetAppName() {
  return g_app != nullptr && g_app->m_pszAppName != nullptr ? g_app->m_pszAppName : "";
}

HINSTANCE AfxGetInstanceHandle() { return g_app != nullptr ? g_app->m_hInstance : nullptr; }

int AfxWinMain(HINSTANCE instance) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->m_hInstance = instance;
  if (app->m_appName.empty()) app->m_appName = NameWithoutFolderAndExtension(ModuleFileName());
  app->m_pszAppName = app->m_appName.c_str();
  // The dialog ran modally inside InitInstance; no message loop follows.
  app->InitInstance();
  return 0;
}

int AfxMessageBox(const char* text, UINT type) {
  CWinApp* app = AfxGetApp();
  HWND owner = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
  if (owner == nullptr || !::IsWindow(owner)) owner = ::GetActiveWindow();
  return ::MessageBoxA(owner, text, AfxGetAppName(), type);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    return AfxWinMain(instance);
  } catch (...) {
    // Nothing may leave the entry point; the dialog has reported what it could.
    return -1;
  }
}
