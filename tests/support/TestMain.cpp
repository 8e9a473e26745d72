#include <gtest/gtest.h>

#include <cstdio>

#include "program/ProgramLifetime.h"

int wmain(int argc, wchar_t** argv)
{
    // Written at once: under Wine, what a test program has buffered is lost once it has started
    // a Unix program (as the link tests do), and with it the report of every later test.
    setvbuf(stdout, nullptr, _IONBF, 0);
    testing::InitGoogleTest(&argc, argv);
    TProgramLifetime lifetime;
    return RUN_ALL_TESTS();
}
