#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "program/ProgramLifetime.h"

int wmain(int argc, wchar_t** argv)
{
    // Written at once: under Wine, what a test program has buffered is lost once it has started
    // a Unix program (as the link tests do), and with it the report of every later test.
    setvbuf(stdout, nullptr, _IONBF, 0);
    testing::InitGoogleTest(&argc, argv);
    // A run that asks for a system code page (the settings under English or UTF-8 systems) runs
    // under that one or not at all, so that its tests never pass by being skipped.
    wchar_t asked[16];
    if (GetEnvironmentVariableW(L"PE_ANSI_CODE_PAGE", asked, 16) && std::to_wstring(GetACP()) != asked) {
        fprintf(stderr, "this run asks for the ANSI code page %ls, but the system's is %u\n", asked, GetACP());
        return 1;
    }
    TProgramLifetime lifetime;
    return RUN_ALL_TESTS();
}
