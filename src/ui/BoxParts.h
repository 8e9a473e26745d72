#pragma once
// What the message box and the input box share: their frame, their row of buttons and their
// wrapped text.
#include <memory>
#include <string>

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"

constexpr int kBoxButtonHeight = 25;

// A box: fixed dialog frame with a close box, owned by the window that asks.
TFormStyle BoxStyle(const std::wstring& caption, int clientWidth96, int clientHeight96);

// The width of a row of count buttons.
int BoxButtonRowWidth(int count);

// "OK" (the default button, and the cancel role when alone) and, where asked, "キャンセル"
// (the cancel role), centred in a row at top; each ends the box's modal show with its result.
struct TBoxButtons {
    std::unique_ptr<TButton> OK;
    std::unique_ptr<TButton> Cancel;
};
TBoxButtons AddBoxButtons(TForm& box, int clientWidth96, int top96, bool withCancel);

// A label that shows text unchanged, broken into lines that fit bounds.
std::unique_ptr<TLabel> WrappedLabel(TForm& box, const std::wstring& text, TBounds bounds);
