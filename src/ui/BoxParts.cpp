#include "ui/BoxParts.h"

namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonGap = 8;

}  // namespace

TFormStyle BoxStyle(const std::wstring& caption, int clientWidth96, int clientHeight96)
{
    return {
        .Caption = caption,
        .Border = TFormBorder::Dialog,
        .ClientWidth = clientWidth96,
        .ClientHeight = clientHeight96,
        .Owner = GetActiveWindow(),
    };
}

int BoxButtonRowWidth(int count) { return count * kButtonWidth + (count - 1) * kButtonGap; }

TBoxButtons AddBoxButtons(TForm& box, int clientWidth96, int top96, bool withCancel)
{
    int left = (clientWidth96 - BoxButtonRowWidth(withCancel ? 2 : 1)) / 2;
    TBoxButtons buttons;
    buttons.OK = std::make_unique<TButton>(box, TBounds{left, top96, kButtonWidth, kBoxButtonHeight}, 0, L"OK");
    buttons.OK->OnClick = [&box] { box.SetModalResult(TModalResult::Ok); };
    buttons.OK->SetDefault(true);
    if (!withCancel) {
        buttons.OK->SetCancel(true);
        return buttons;
    }
    left += kButtonWidth + kButtonGap;
    buttons.Cancel =
        std::make_unique<TButton>(box, TBounds{left, top96, kButtonWidth, kBoxButtonHeight}, 0, L"キャンセル");
    buttons.Cancel->OnClick = [&box] { box.SetModalResult(TModalResult::Cancel); };
    buttons.Cancel->SetCancel(true);
    return buttons;
}

std::unique_ptr<TLabel> WrappedLabel(TForm& box, const std::wstring& text, TBounds bounds)
{
    auto label = std::make_unique<TLabel>(box, nullptr, bounds.Left, bounds.Top, text);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(bounds);
    return label;
}
