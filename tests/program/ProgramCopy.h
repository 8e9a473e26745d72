#pragma once
// PofuttoErase.exe copied into a fresh folder, where it keeps its settings file, beside a folder
// "work" for it to clean: started there as a process, its windows driven from outside.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/BoxWatcher.h"
#include "support/TestSupport.h"

// The captions of the program's main windows.
constexpr wchar_t kSettingsDialog[] = L"ポフッと削除する条件の設定";
constexpr wchar_t kConfirmAll[] = L"条件に該当するすべてのファイルをポフッと削除";
constexpr wchar_t kChooseCondition[] = L"条件を選択してファイルをポフッと削除";

class ProgramCopy : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), Exe().c_str(), FALSE));
        MakeDirs(Work());
    }

    std::wstring Exe() const { return dir_ / L"PofuttoErase.exe"; }
    std::wstring Work() const { return dir_ / L"work"; }
    std::wstring SettingsFile() const { return dir_ / L"PEConfig.ini"; }

    // Writes the settings file (see SettingsText) and remembers what it holds.
    void Settings(const std::wstring& conditions, const char* flags = "000")
    {
        stored_ = SettingsText(conditions, flags);
        WriteBytes(SettingsFile(), stored_);
    }
    // The settings file holds what Settings wrote.
    void ExpectSettingsUntouched() const { EXPECT_EQ(ReadBytes(SettingsFile()), stored_); }

    // Starts the program with a raw command-line tail.
    std::unique_ptr<StartedProcess> Start(const std::wstring& arguments) const
    {
        return std::make_unique<StartedProcess>(Exe(), arguments);
    }
    // Starts it with a mode keyword and the folder "work".
    std::unique_ptr<StartedProcess> StartOnWork(const std::wstring& keyword) const
    {
        return Start(L" " + keyword + L" \"" + Work() + L"\"");
    }

    // A child control of a window, found by its class and text.
    static HWND Control(HWND window, const wchar_t* className, const std::wstring& caption)
    {
        HWND control = FindChild(window, className, caption);
        EXPECT_NE(control, nullptr) << Narrow(caption);
        return control;
    }
    // Presses a push button or check box of a window of the program, found by its caption.
    static void Press(HWND window, const std::wstring& caption)
    {
        PostMessageW(Control(window, L"Button", caption), BM_CLICK, 0, 0);
    }

    TempDir dir_;
    std::string stored_;
};
