// Reads a window's controls as a Windows user sees them: waits up to 30 seconds for a visible
// top-level window whose title begins with PREFIX, prints the text of each of its controls on a
// line of its own (UTF-8), then closes the window as its close box does.
//   wintext PREFIX      exit status 1 when no such window appears
#include "topwindow.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using topwindow::TextOf;

BOOL CALLBACK PrintControl(HWND control, LPARAM)
{
    const std::wstring text = TextOf(control);
    if (text.empty())
        return TRUE;
    std::printf("%s\n", topwindow::Utf8(text.c_str(), static_cast<int>(text.size())).c_str());
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wintext PREFIX\n");
        return 2;
    }
    const HWND window = topwindow::WaitFor(argv[1]);
    if (!window)
        return 1;
    Sleep(500); // the page fills its controls once the window shows
    EnumChildWindows(window, PrintControl, 0);
    std::fflush(stdout);
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
}
