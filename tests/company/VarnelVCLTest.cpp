#include <gtest/gtest.h>

#include "company/VarnelVCL.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "ui/Application.h"

namespace {

// A TCLabel that counts its paints and what reaches its standard handling.
class ProbeLabel : public TCLabel {
public:
    using TCLabel::TCLabel;
    int paints = 0;
    std::vector<UINT> standard;

    void Paint(HDC canvas) override
    {
        ++paints;
        TCLabel::Paint(canvas);
    }
    void WndProc(TMessage& message) override
    {
        if (message.Msg >= 0x0300) standard.push_back(message.Msg);
        TCLabel::WndProc(message);
    }
    using TCLabel::WndProc;
};

class Labels : public testing::Test {
protected:
    Labels() : form_({L"labels", TFormBorder::Dialog, false, 300, 200}), label_(form_, nullptr, 10, 10, L"表示ラベル") {}

    // Sends each message; returns which of them reached the hook.
    std::vector<UINT> Send(std::initializer_list<UINT> messages)
    {
        hooked_.clear();
        label_.standard.clear();
        for (UINT m : messages) SendMessageW(label_.Handle(), m, 0, 0);
        return hooked_;
    }
    TCCustomMsgProc Hook()
    {
        return [this](TMessage& message, TObject* sender) {
            EXPECT_EQ(sender, static_cast<TObject*>(&label_));
            hooked_.push_back(message.Msg);
            message.Result = 77;
        };
    }

    TForm form_;
    ProbeLabel label_;
    std::vector<UINT> hooked_;
};

const std::initializer_list<UINT> kBoundaries = {1023, 1024, 33791, 33792};

TEST_F(Labels, StartsWithTheDescribedValues)
{
    EXPECT_FALSE(label_.EvokeCustomMsgProc());
    EXPECT_FALSE(label_.CustomMsgProc());
    EXPECT_EQ(label_.BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(label_.BorderColor(), 0u);
    EXPECT_EQ(label_._DomainName(), L"");
    EXPECT_TRUE(label_.AutoSize());
    EXPECT_EQ(label_.ClassName(), L"TCLabel");
}

TEST_F(Labels, HookTakesExactlyTheRange1024To33791)
{
    label_.SetCustomMsgProc(Hook());
    label_.SetEvokeCustomMsgProc(true);
    EXPECT_EQ(Send(kBoundaries), (std::vector<UINT>{1024, 33791}));
    EXPECT_EQ(label_.standard, (std::vector<UINT>{1023, 33792}));
    EXPECT_EQ(SendMessageW(label_.Handle(), 2000, 0, 0), 77);
}

TEST_F(Labels, StandardRoutingUnlessBothFlagAndHandler)
{
    label_.SetEvokeCustomMsgProc(true);  // no handler yet
    EXPECT_TRUE(Send(kBoundaries).empty());
    EXPECT_EQ(label_.standard.size(), 4u);

    label_.SetCustomMsgProc(Hook());  // now hooked
    EXPECT_EQ(Send(kBoundaries).size(), 2u);

    label_.SetCustomMsgProc(nullptr);  // unassigned: standard at once
    EXPECT_TRUE(Send(kBoundaries).empty());

    label_.SetCustomMsgProc(Hook());
    label_.SetEvokeCustomMsgProc(false);
    EXPECT_TRUE(Send(kBoundaries).empty());
    EXPECT_EQ(label_.standard.size(), 4u);
}

TEST_F(Labels, AnyComponentStateKeepsTheRoutingItHas)
{
    for (uint32_t flag : {csLoading, csReading, csDesigning, csDestroying, csFreeNotification, csUpdating}) {
        label_.SetEvokeCustomMsgProc(false);
        label_.SetCustomMsgProc(nullptr);
        label_.IncludeState(flag);
        label_.SetCustomMsgProc(Hook());
        label_.SetEvokeCustomMsgProc(true);
        EXPECT_TRUE(Send(kBoundaries).empty()) << flag;
        label_.ExcludeState(flag);
    }
    // Reading from a stored layout settles the routing once, in Loaded.
    label_.IncludeState(csLoading | csReading);
    label_.SetEvokeCustomMsgProc(true);
    label_.ExcludeState(csReading);
    EXPECT_TRUE(Send(kBoundaries).empty());
    label_.Loaded();
    EXPECT_EQ(Send(kBoundaries).size(), 2u);
}

TEST_F(Labels, OverwritesAnotherWindowProcedure)
{
    int foreign = 0;
    label_.WindowProc = [&](TMessage& m) {
        ++foreign;
        label_.WndProc(m);
    };
    label_.SetEvokeCustomMsgProc(false);
    Send({1024});
    EXPECT_EQ(foreign, 0);
}

TEST_F(Labels, BorderWritersPaintOnlyOnAChange)
{
    label_.paints = 0;
    label_.SetBorderColor(RGB(255, 0, 0));
    label_.SetBorderColor(RGB(255, 0, 0));
    EXPECT_EQ(label_.paints, 1);
    label_.SetBorderStyle(TBorderStyle::bsSingle);
    label_.SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(label_.paints, 2);
    label_.SetBorderColor(RGB(0, 0, 255));
    EXPECT_EQ(label_.paints, 3);
    label_.Set_DomainName(L"varnel.example");
    EXPECT_EQ(label_.paints, 3);
    EXPECT_EQ(label_._DomainName(), L"varnel.example");
}

TEST_F(Labels, FrameIsOnePixelAlongTheEdgeOverTheCaption)
{
    const COLORREF red = RGB(255, 0, 0);
    label_.SetAutoSize(false);
    label_.SetBorderColor(red);
    label_.SetBorderStyle(TBorderStyle::bsSingle);
    struct Case {
        int width, height;
    };
    for (const Case c : {Case{40, 16}, Case{1, 8}, Case{8, 1}, Case{1, 1}, Case{0, 0}}) {
        label_.SetBounds({10, 10, 10 + c.width, 10 + c.height});
        int w = label_.Width();
        int h = label_.Height();
        // The label painted through its real paint path into a bitmap with a margin around it.
        TPixels pixels = PrintedPixels(label_.Handle(), w + 2, h + 2);
        auto at = [&](int x, int y) { return pixels.At(x, y); };
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                bool pointOnly = w == 1 && h == 1;  // the five points coincide: GDI draws no length
                if (edge && !pointOnly) {
                    EXPECT_EQ(at(x, y), red) << w << "x" << h << " at " << x << "," << y;
                } else if (!edge) {
                    EXPECT_NE(at(x, y), red) << w << "x" << h << " at " << x << "," << y;
                }
            }
        }
        // Nothing is drawn outside the label, a 0 x 0 label included.
        for (int x = 0; x < w + 2; ++x) EXPECT_NE(at(x, h + 1), red);
        for (int y = 0; y < h + 2; ++y) EXPECT_NE(at(w + 1, y), red);
    }
}

TEST_F(Labels, WithoutFrameOrHookItPaintsAndRoutesLikeAPlainLabel)
{
    TLabel plain(form_, nullptr, 10, 40, L"表示ラベル");
    label_.SetEvokeCustomMsgProc(false);
    EXPECT_EQ(label_.Width(), plain.Width());
    EXPECT_EQ(label_.Height(), plain.Height());
    EXPECT_TRUE(PrintedPixels(label_.Handle(), label_.Width() + 2, label_.Height() + 2) ==
                PrintedPixels(plain.Handle(), plain.Width() + 2, plain.Height() + 2));
    EXPECT_TRUE(Send(kBoundaries).empty());
    EXPECT_EQ(label_.standard.size(), 4u);
}

TEST(LabelDesigner, DroppedInTheDesignerStartsWithoutAutoSize)
{
    TForm designing({L"d", TFormBorder::Dialog, false, 100, 50});
    designing.IncludeState(csDesigning);
    TCLabel dropped(designing, nullptr, 0, 0, L"x");
    EXPECT_TRUE(dropped.HasState(csDesigning));
    EXPECT_FALSE(dropped.AutoSize());
    designing.IncludeState(csLoading);
    TCLabel read(designing, nullptr, 0, 0, L"x");
    EXPECT_TRUE(read.AutoSize());
    TForm running({L"r", TFormBorder::Dialog, false, 100, 50});
    TCLabel atRunTime(running, nullptr, 0, 0, L"x");
    EXPECT_TRUE(atRunTime.AutoSize());
}

}  // namespace
