#include "base/Exception.h"

#include <windows.h>

#include "base/TextConvert.h"

Exception::Exception(std::wstring message, int helpContext)
    : message_(std::move(message)), helpContext_(helpContext), utf8_(ToUtf8(message_)) {}

EOSError::EOSError(const std::wstring& what, unsigned long code)
    : Exception(code == ERROR_SUCCESS ? what : what + L" (" + SystemErrorText(code) + L")"), code_(code)
{
}

void RaiseLastOSError(const wchar_t* what)
{
    DWORD code = GetLastError();
    throw EOSError(what, code);
}

void RaiseOSError(unsigned long code, const std::wstring& what) { throw EOSError(what, code); }

std::wstring SystemErrorText(unsigned long code)
{
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                                  nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring out = length ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!out.empty() && (out.back() <= L' ' || out.back() == L'.' || out.back() == L'。')) out.pop_back();
    if (out.empty()) out = L"エラー " + std::to_wstring(code);
    return out;
}

std::wstring ExceptionText(const std::exception& e)
{
    if (auto* own = dynamic_cast<const Exception*>(&e)) return own->Message();
    return FromUtf8(e.what());
}
