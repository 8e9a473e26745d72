#pragma once
// What the dialog tests share: a settings file in a fresh folder, holding the three conditions
// the tests know, and a processor over it, as whoever makes a dialog hands it one. Each test gets
// new ones.
#include <gtest/gtest.h>

#include <string>

#include "core/PEraseClasses.h"
#include "support/TestSupport.h"

class DialogFixture : public testing::Test {
protected:
    // fileName: the settings file's name in the folder, as the processor forms it; flags: the
    // three options the file starts with (see SettingsText).
    DialogFixture(const std::wstring& fileName, const char* flags) : settings_(fileName), flags_(flags) {}

    void SetUp() override { Settings(L"*.~*;.#*.*;*.tmp", flags_); }

    std::wstring File() const { return settings_.File(); }
    TPEraseProcessor& Processor() const { return settings_.Processor(); }
    void Settings(const std::wstring& conditions, const char* flags) { settings_.Write(conditions, flags); }

    TestSettings settings_;

private:
    const char* flags_;
};
