// find_window CLASS [SECONDS]: waits until a top-level window of the window class CLASS exists
// (FindWindowW), prints its title and exits 0; exits 1 when none came within the time (default
// 20 s). The Windows tests use it to see windows that X does not name by class, such as the
// help viewer's "HH Parent".
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fwprintf(stderr, L"usage: find_window CLASS [SECONDS]\n");
    return 2;
  }
  const int seconds = argc > 2 ? _wtoi(argv[2]) : 20;
  for (int waited = 0; waited <= seconds * 10; ++waited) {
    if (HWND window = FindWindowW(argv[1], nullptr)) {
      wchar_t title[256] = {};
      GetWindowTextW(window, title, 256);
      std::wprintf(L"%ls: \"%ls\"%ls\n", argv[1], title,
                   IsWindowVisible(window) ? L"" : L" (hidden)");
      return 0;
    }
    Sleep(100);
  }
  std::wprintf(L"%ls: no such window\n", argv[1]);
  return 1;
}
