#include "ui/InputBox.h"

#include <memory>

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/TextLabel.h"

namespace {

constexpr int kClientWidth = 320;
constexpr int kMargin = 8;
constexpr int kFieldWidth = kClientWidth - 2 * kMargin;
constexpr int kFieldHeight = 21;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;

TFormStyle InputStyle(const std::wstring& caption, int promptHeight)
{
    TFormStyle style;
    style.Caption = caption;
    style.Border = TFormBorder::Dialog;
    style.ClientWidth = kClientWidth;
    style.ClientHeight = kMargin + promptHeight + 6 + kFieldHeight + 16 + kButtonHeight + kMargin;
    style.Owner = GetActiveWindow();
    return style;
}

class TInputForm : public TForm {
public:
    TInputForm(const std::wstring& caption, const std::wstring& prompt, const std::wstring& value, SIZE promptSize)
        : TForm(InputStyle(caption, promptSize.cy))
    {
        int top = kMargin;
        lblPrompt = std::make_unique<TLabel>(*this, Handle(), kMargin, top, prompt);
        lblPrompt->SetAutoSize(false);
        lblPrompt->SetWordWrap(true);
        lblPrompt->SetBounds(TBounds{kMargin, top, kFieldWidth, static_cast<int>(promptSize.cy)}.Rect());
        top += promptSize.cy + 6;

        edtValue = std::make_unique<TEdit>(*this, TBounds{kMargin, top, kFieldWidth, kFieldHeight}, kDefaultAnchors,
                                           value);
        edtValue->SetMaxLength(kInputMaxLength);
        edtValue->SelectAll();
        top += kFieldHeight + 16;

        int left = (kClientWidth - 2 * kButtonWidth - kButtonGap) / 2;
        btnOK = std::make_unique<TButton>(*this, TBounds{left, top, kButtonWidth, kButtonHeight}, 0, L"OK");
        btnOK->OnClick = [this] { SetModalResult(TModalResult::Ok); };
        btnOK->SetDefault(true);
        left += kButtonWidth + kButtonGap;
        btnCancel = std::make_unique<TButton>(*this, TBounds{left, top, kButtonWidth, kButtonHeight}, 0,
                                              L"キャンセル");
        btnCancel->OnClick = [this] { SetModalResult(TModalResult::Cancel); };
        btnCancel->SetCancel(true);
    }

    std::unique_ptr<TLabel> lblPrompt;
    std::unique_ptr<TEdit> edtValue;
    std::unique_ptr<TButton> btnOK;
    std::unique_ptr<TButton> btnCancel;
};

}  // namespace

bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value)
{
    TInputForm box(caption, prompt, value, MeasureWrapped(prompt, kFieldWidth));
    if (box.ShowModal() != TModalResult::Ok) return false;
    value = box.edtValue->Text();
    return true;
}
