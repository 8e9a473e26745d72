#include "ui/MessageBox.h"

#include <algorithm>
#include <memory>

#include "ui/BoxParts.h"
#include "ui/Icons.h"
#include "ui/Image.h"
#include "ui/Monitors.h"
#include "ui/TextMeasure.h"

namespace {

constexpr int kMessageMargin = 12;
constexpr int kIconSize = 32;
constexpr int kTextLeft = kMessageMargin + kIconSize + kMessageMargin;
// Rounding at other DPIs may widen a line by a pixel or two; the text's box allows for it.
constexpr int kTextSlack = 2;

// The widest line the box gives its text: half the work area of the monitor it opens on, as wide
// boxes read badly.
int MaxTextWidth()
{
    TMonitor monitor = MonitorFor(GetActiveWindow());
    const RECT& work = monitor.WorkArea;
    int width96 = MulDiv(work.right - work.left, 96, static_cast<int>(monitor.Dpi));
    return std::max(120, width96 / 2 - kTextLeft - kMessageMargin);
}

struct TBoxLayout {
    SIZE Client;
    TBounds Text;
    int ButtonsTop;
};

TBoxLayout LayOutBox(const std::wstring& text, int buttonCount)
{
    SIZE size = MeasureWrapped(text, MaxTextWidth());
    size.cx += kTextSlack;
    int body = std::max<int>(kIconSize, size.cy);
    TBoxLayout layout;
    layout.Client.cx = std::max<int>(kTextLeft + size.cx + kMessageMargin, BoxButtonRowWidth(buttonCount) + 2 * kMessageMargin);
    layout.Client.cy = kMessageMargin + body + 16 + kBoxButtonHeight + kMessageMargin;
    // A short text stands level with the middle of the icon.
    layout.Text = {kTextLeft, kMessageMargin + (body - size.cy) / 2, size.cx, static_cast<int>(size.cy)};
    layout.ButtonsTop = kMessageMargin + body + 16;
    return layout;
}

class TMessageForm : public TForm {
public:
    TMessageForm(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons, const std::wstring& caption,
                 const TBoxLayout& layout)
        : TForm(BoxStyle(caption, layout.Client.cx, layout.Client.cy))
    {
        imgIcon = std::make_unique<TImage>(*this, TBounds{kMessageMargin, kMessageMargin, kIconSize, kIconSize});
        iconId_ = type == TMsgDlgType::Error ? IDI_ERROR : IDI_INFORMATION;
        FormDpiChanged();

        lblText = WrappedLabel(*this, text, layout.Text);
        buttons_ = AddBoxButtons(*this, layout.Client.cx, layout.ButtonsTop, buttons == TMsgDlgButtons::OkCancel);
    }

    std::unique_ptr<TImage> imgIcon;
    std::unique_ptr<TLabel> lblText;

protected:
    // The system's icon drawn for the box's DPI.
    void FormDpiChanged() override
    {
        imgIcon->SetPicture(SystemIcon(iconId_, Scale(kIconSize)).Get());
    }
    // The close box answers as Escape does.
    bool CloseQuery() override
    {
        if (ModalResult() != TModalResult::None) return true;
        SetModalResult(buttons_.Cancel ? TModalResult::Cancel : TModalResult::Ok);
        return false;
    }

private:
    const wchar_t* iconId_;
    TBoxButtons buttons_;
};

}  // namespace

TModalResult MessageDlg(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons,
                        const std::wstring& caption)
{
    std::wstring title = !caption.empty() ? caption : type == TMsgDlgType::Error ? L"エラー" : L"情報";
    TBoxLayout layout = LayOutBox(text, buttons == TMsgDlgButtons::OkCancel ? 2 : 1);
    TMessageForm box(text, type, buttons, title, layout);
    return box.ShowModal();
}
