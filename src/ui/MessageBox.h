#pragma once
// The program's message box: modal over the window that asks, centred on the screen, in the
// program's font. Its title and icon follow its kind; the text is shown unchanged, broken into
// lines that fit the box; "OK" is the default button and Escape presses "キャンセル" where it
// is present, else "OK".
#include <string>

#include "ui/Form.h"

enum class TMsgDlgType { Error, Information };
enum class TMsgDlgButtons { Ok, OkCancel };

// Shows text and tells which button ended the box. The caption, when given, replaces the
// kind's title ("エラー", "情報").
TModalResult MessageDlg(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons = TMsgDlgButtons::Ok,
                        const std::wstring& caption = L"");
