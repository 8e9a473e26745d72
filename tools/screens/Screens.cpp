// Takes pictures of the program's windows under Xvfb, for the README and for checking the
// layouts by eye: each window is opened with sample settings, photographed with ImageMagick's
// import, and closed again. Usage: screens.exe FOLDER (a Unix path; PNG files land there).
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "base/TextConvert.h"
#include "core/PEraseClasses.h"
#include "run/PEraseWaitDlg.h"
#include "dialogs/PEraseConfigForm.h"
#include "dialogs/PEraseSelectExecForm.h"
#include "dialogs/PEraseSimpleExecForm.h"
#include "program/ProgramLifetime.h"
#include "support/BoxWatcher.h"
#include "support/DialogDriver.h"
#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"

namespace {

std::wstring gFolder;

// Photographs a window with a small margin of the desktop around it.
void Snap(HWND window, const std::wstring& name)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    RECT r{};
    GetWindowRect(window, &r);
    InflateRect(&r, 8, 8);
    std::wstring file = gFolder + L"\\" + name;
    DeleteFileW(file.c_str());
    std::wstring crop = std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top) + L"+" +
                        std::to_wstring(r.left) + L"+" + std::to_wstring(r.top);
    // Wine may not wait for a Unix program: wait for the picture instead. Now and then Wine
    // fails to start one at all: it is tried again, so no picture goes missing.
    for (int attempt = 0; attempt < 3 && !Exists(file); ++attempt) {
        RunProcess(L"Z:\\usr\\bin\\import",
                   L" -window root -crop " + crop + L" +repage \"" + FromUtf8(UnixPath(file)) + L"\"");
        WaitFor([&] { return Exists(file); }, std::chrono::seconds(10));
    }
    Sleep(300);
}

// Shows a modal box through show, photographs it from another thread once it is up, then
// presses press (a button caption) to close it.
void SnapBox(const std::wstring& caption, const std::wstring& name, const std::wstring& press,
             const std::function<void()>& show)
{
    std::thread snapper([&] {
        HWND box = WaitForShownWindow(caption);
        if (!box) return;
        Snap(box, name);
        PostMessageW(FindChild(box, L"Button", press), BM_CLICK, 0, 0);
    });
    show();
    snapper.join();
}

void Pump()
{
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < until) {
        Application().ProcessMessages();
        Sleep(10);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return 2;
    gFolder = DosPath(ToUtf8(argv[1]));
    TProgramLifetime lifetime;
    {
        TestSettings settings;
        settings.Write(L"*.~*;.#*.*;*.tmp;*.bak", "110");
        TPEraseProcessor& processor = settings.Processor();
        std::wstring folder = settings.Dir() / L"work";

        for (bool configOnly : {true, false}) {
            T_frmConfig form(processor);
            form.SetConfigOnly(configOnly);
            form.Show();
            if (!configOnly) ClickItem(form.lbxEraseCharSet->Handle(), 2);
            Pump();
            Snap(form.Handle(), configOnly ? L"settings.png" : L"settings-before-run.png");
            if (configOnly) {
                SnapBox(L"ファイル名の検索条件を入力してください。", L"input-box.png", L"キャンセル", [&] {
                    Click(form.btnAddChar->Handle());
                });
                SnapBox(L"VARNEL ポフッと削除 のバージョン情報", L"about-box.png", L"閉じる(&C)",
                        [&] { Click(form.btnAbout->Handle()); });
            } else {
                SnapBox(L"情報", L"delete-question.png", L"キャンセル", [&] { Click(form.btnDelChar->Handle()); });
                SnapBox(L"エラー", L"duplicate-error.png", L"OK", [&] {
                    MessageDlg(std::wstring(120, L'x') + L".tmp はすでに登録されています。", TMsgDlgType::Error);
                });
            }
            form.Hide();
        }
        {
            T_frmSimpleExec form(processor, folder);
            form.Show();
            Pump();
            Snap(form.Handle(), L"confirm-all.png");
            WaitForm().ShowWait();
            Pump();
            Snap(WaitForm().Handle(), L"progress.png");
            WaitForm().HideWait();
            form.Hide();
        }
        {
            T_frmSelectExec form(processor, folder);
            form.Show();
            form.cbxConditions->SetItemIndex(2);
            Pump();
            Snap(form.Handle(), L"choose-condition.png");
            form.SetClientSize(560, 200);
            Pump();
            Snap(form.Handle(), L"choose-condition-enlarged.png");
            form.Hide();
        }
    }
    return 0;
}
