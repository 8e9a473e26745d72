#include "ui/Icons.h"

#include <commctrl.h>

namespace {

// MinGW's import library of the common controls lacks this one; the DLL, loaded with the
// program, has it (since Windows Vista).
using TLoadIconWithScaleDown = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

TLoadIconWithScaleDown LoadIconWithScaleDownFunction()
{
    static const auto function = reinterpret_cast<TLoadIconWithScaleDown>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
    return function;
}

IconHandle IconAt(HINSTANCE module, const wchar_t* id, int size)
{
    HICON icon = nullptr;
    TLoadIconWithScaleDown load = LoadIconWithScaleDownFunction();
    if (!load || FAILED(load(module, id, size, size, &icon))) return IconHandle();
    return IconHandle(icon);
}

}  // namespace

IconHandle ProgramIcon(int size) { return IconAt(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), size); }

IconHandle SystemIcon(const wchar_t* id, int size) { return IconAt(nullptr, id, size); }
