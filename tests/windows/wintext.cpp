// Reads a window's controls as a Windows user sees them: waits up to 30 seconds for a visible
// top-level window whose title begins with PREFIX, prints the text of each of its controls on a
// line of its own (UTF-8), then closes the window as its close box does.
//   wintext PREFIX      exit status 1 when no such window appears
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    std::wstring prefix;
    HWND found = nullptr;
};

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<Search*>(data);
    if (!IsWindowVisible(window) || TextOf(window).rfind(search.prefix, 0) != 0)
        return TRUE;
    search.found = window;
    return FALSE;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM)
{
    const std::wstring text = TextOf(control);
    if (text.empty())
        return TRUE;
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wintext PREFIX\n");
        return 2;
    }
    Search search{argv[1]};
    for (int tries = 0; tries < 300 && !search.found; ++tries) {
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    if (!search.found)
        return 1;
    Sleep(500); // the page fills its controls once the window shows
    EnumChildWindows(search.found, PrintControl, 0);
    std::fflush(stdout);
    PostMessageW(search.found, WM_CLOSE, 0, 0);
    return 0;
}
