// What the Win32 readers of the Windows tests share: finding the program's window and writing
// what they read as UTF-8.
#pragma once

#include <windows.h>

#include <string>

namespace topwindow {

inline std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The first visible top-level window whose title begins with prefix, waited for up to 30 seconds;
// null when none appears.
inline HWND WaitFor(const std::wstring& prefix)
{
    struct Search {
        const std::wstring& prefix;
        HWND found = nullptr;
    } search{prefix};
    const auto find = [](HWND window, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        if (!IsWindowVisible(window) || TextOf(window).rfind(search.prefix, 0) != 0)
            return TRUE;
        search.found = window;
        return FALSE;
    };
    for (int tries = 0; tries < 300 && !search.found; ++tries) {
        EnumWindows(find, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    return search.found;
}

inline std::string Utf8(const wchar_t* text, int length)
{
    std::string out(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    return out;
}

} // namespace topwindow
