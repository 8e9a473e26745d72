#include <gtest/gtest.h>

#include "ui/Application.h"

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    Application().Initialize();
    int result = RUN_ALL_TESTS();
    FinalizeApplication();
    return result;
}
