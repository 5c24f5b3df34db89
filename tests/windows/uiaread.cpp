// Reads a window as a Windows screen reader does, through UI Automation: every element in the tree
// below the top-level window whose title begins with PREFIX, depth first, one line each (UTF-8):
//   AutomationId|control type|name|left,top,width,height|keyboard-focusable|has-keyboard-focus
// after a first line "window|left,top,width,height" for the window itself. It walks the tree with
// UiaNavigate and reads each property with UiaGetPropertyValue, which Wine implements (under Wine 10
// its COM client's ElementFromHandle brings the caller down).
//   uiaread PREFIX      exit status 1 when no such window appears within 30 seconds
#include "topwindow.h"

#include <oleauto.h>

#include <cstdio>
#include <string>

namespace {

// UI Automation's flat client functions (uiautomationcore.dll), as its SDK header declares them.
using Node = void*;
struct Condition {
    int type; // 0: true for every element
};
struct CacheRequest {
    Condition* view;
    int scope; // 1: the element alone
    int* properties;
    int propertyCount;
    int* patterns;
    int patternCount;
    int elementMode; // 1: full elements, whose properties can be read
};
HRESULT(WINAPI* UiaNodeFromHandle)(HWND, Node*);
HRESULT(WINAPI* UiaNavigate)(Node, int direction, Condition*, CacheRequest*, SAFEARRAY** data, BSTR* tree);
HRESULT(WINAPI* UiaHUiaNodeFromVariant)(VARIANT*, Node*);
HRESULT(WINAPI* UiaGetPropertyValue)(Node, int property, VARIANT*);
BOOL(WINAPI* UiaNodeRelease)(Node);

enum Direction { NextSibling = 1, FirstChild = 3 };
enum Property { BoundingRectangle = 30001, ControlType = 30003, Name = 30005, HasKeyboardFocus = 30008,
                IsKeyboardFocusable = 30009, AutomationId = 30011 };

template <class F>
bool Bind(HMODULE library, F& function, const char* name)
{
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

// The element in a direction from node, or null.
Node Navigate(Node node, Direction direction)
{
    Condition all{0};
    CacheRequest request{&all, 1, nullptr, 0, nullptr, 0, 1};
    SAFEARRAY* data = nullptr;
    BSTR tree = nullptr;
    Node found = nullptr;
    if (SUCCEEDED(UiaNavigate(node, direction, &all, &request, &data, &tree)) && data) {
        LONG at[2] = {0, 0};
        VARIANT element;
        VariantInit(&element);
        if (SUCCEEDED(SafeArrayGetElement(data, at, &element)))
            UiaHUiaNodeFromVariant(&element, &found);
        SafeArrayDestroy(data);
    }
    SysFreeString(tree);
    return found;
}

// One property as text: strings as they are, numbers in decimal, booleans 0 or 1, a rectangle as
// left,top,width,height in whole pixels; "?" for what the provider does not give.
std::string Read(Node node, Property property)
{
    VARIANT value;
    VariantInit(&value);
    std::string text = "?";
    if (SUCCEEDED(UiaGetPropertyValue(node, property, &value))) {
        if (value.vt == VT_BSTR)
            text = value.bstrVal ? topwindow::Utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal))) : "";
        else if (value.vt == VT_I4)
            text = std::to_string(value.lVal);
        else if (value.vt == VT_BOOL)
            text = std::to_string(value.boolVal ? 1 : 0);
        else if (value.vt == (VT_ARRAY | VT_R8) && value.parray && value.parray->rgsabound[0].cElements == 4) {
            const auto* r = static_cast<const double*>(value.parray->pvData);
            char rect[64];
            std::snprintf(rect, sizeof rect, "%.0f,%.0f,%.0f,%.0f", r[0], r[1], r[2], r[3]);
            text = rect;
        }
    }
    VariantClear(&value);
    return text;
}

void PrintTree(Node parent)
{
    for (Node node = Navigate(parent, FirstChild); node;) {
        std::printf("%s|%s|%s|%s|%s|%s\n", Read(node, AutomationId).c_str(), Read(node, ControlType).c_str(),
                    Read(node, Name).c_str(), Read(node, BoundingRectangle).c_str(), Read(node, IsKeyboardFocusable).c_str(),
                    Read(node, HasKeyboardFocus).c_str());
        PrintTree(node);
        const Node next = Navigate(node, NextSibling);
        UiaNodeRelease(node);
        node = next;
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fputs("usage: uiaread PREFIX\n", stderr);
        return 2;
    }
    const HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
    if (!core || !Bind(core, UiaNodeFromHandle, "UiaNodeFromHandle") || !Bind(core, UiaNavigate, "UiaNavigate")
        || !Bind(core, UiaHUiaNodeFromVariant, "UiaHUiaNodeFromVariant") || !Bind(core, UiaGetPropertyValue, "UiaGetPropertyValue")
        || !Bind(core, UiaNodeRelease, "UiaNodeRelease")) {
        std::fputs("no UI Automation client in uiautomationcore.dll\n", stderr);
        return 1;
    }
    const HWND found = topwindow::WaitFor(argv[1]);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Node window = nullptr;
    if (!found || FAILED(UiaNodeFromHandle(found, &window)) || !window) {
        std::fputs("no such window, or UI Automation does not reach it\n", stderr);
        return 1;
    }
    std::printf("window|%s\n", Read(window, BoundingRectangle).c_str());
    PrintTree(window);
    UiaNodeRelease(window);
    CoUninitialize();
    return 0;
}
