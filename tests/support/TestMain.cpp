#include <gtest/gtest.h>

#include "program/ProgramLifetime.h"

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    TProgramLifetime lifetime;
    return RUN_ALL_TESTS();
}
