#include <gtest/gtest.h>

#include "company/VarnelException.h"
#include "company/VarnelGlobalVars.h"
#include "ui/Application.h"

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    InitializeVarnelException();
    Application().Initialize();
    int result = RUN_ALL_TESTS();
    FinalizeApplication();
    FinalizeVarnelException();
    FinalizeVarnelGlobalVars();
    return result;
}
