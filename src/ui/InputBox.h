#pragma once
// The program's input box: modal, fixed frame, centred on the screen; a title, a prompt broken
// into lines above a one-line field of at most 255 characters that opens with the caller's
// text, all of it selected; "OK" (default, Enter) and "キャンセル" (Escape, close box).
#include <string>

// Asks for a text. Only for "OK" does it return true and put the field's text into value;
// otherwise value stays as it was.
bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value);

constexpr int kInputMaxLength = 255;
