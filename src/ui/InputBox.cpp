#include "ui/InputBox.h"

#include <memory>

#include "ui/BoxParts.h"
#include "ui/Edit.h"
#include "ui/TextMeasure.h"

namespace {

constexpr int kClientWidth = 320;
constexpr int kInputMargin = 8;
constexpr int kFieldWidth = kClientWidth - 2 * kInputMargin;
constexpr int kFieldHeight = 21;

int ClientHeight(int promptHeight) { return kInputMargin + promptHeight + 6 + kFieldHeight + 16 + kBoxButtonHeight + kInputMargin; }

class TInputForm : public TForm {
public:
    TInputForm(const std::wstring& caption, const std::wstring& prompt, const std::wstring& value, SIZE promptSize)
        : TForm(BoxStyle(caption, kClientWidth, ClientHeight(promptSize.cy)))
    {
        int top = kInputMargin;
        lblPrompt = WrappedLabel(*this, prompt, {kInputMargin, top, kFieldWidth, static_cast<int>(promptSize.cy)});
        top += promptSize.cy + 6;

        edtValue = std::make_unique<TEdit>(*this, TBounds{kInputMargin, top, kFieldWidth, kFieldHeight}, kDefaultAnchors,
                                           value);
        edtValue->SetMaxLength(kInputMaxLength);
        edtValue->SelectAll();
        top += kFieldHeight + 16;

        buttons_ = AddBoxButtons(*this, kClientWidth, top, true);
    }

    std::unique_ptr<TLabel> lblPrompt;
    std::unique_ptr<TEdit> edtValue;

private:
    TBoxButtons buttons_;
};

}  // namespace

bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value)
{
    TInputForm box(caption, prompt, value, MeasureWrapped(prompt, kFieldWidth));
    if (box.ShowModal() != TModalResult::Ok) return false;
    value = box.edtValue->Text();
    return true;
}
