#include "program/ProgramLifetime.h"

#include "company/VarnelException.h"
#include "company/VarnelGlobalVars.h"
#include "core/PEraseClasses.h"
#include "core/PEraseWaitDlg.h"
#include "ui/Application.h"

TProgramLifetime::TProgramLifetime()
{
    InitializeVarnelException();
    Application().Initialize();
}

TProgramLifetime::~TProgramLifetime()
{
    FinalizeEraseProcessor();
    FinalizeWaitForm();
    FinalizeApplication();
    FinalizeVarnelException();
    FinalizeVarnelGlobalVars();
}
