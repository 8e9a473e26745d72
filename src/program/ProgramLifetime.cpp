#include "program/ProgramLifetime.h"

#include <windows.h>
#include <objbase.h>

#include "company/VarnelException.h"
#include "company/VarnelGlobalVars.h"
#include "core/PEraseClasses.h"
#include "run/PEraseWaitDlg.h"
#include "ui/Application.h"

namespace {

// The shell's calls (opening a web page, the recycle bin) may hand work to COM objects, which
// need a single-threaded apartment on the user-interface thread, without OLE 1's DDE.
bool StartApartment()
{
    return SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

}  // namespace

void StartApplication()
{
    Application().Initialize();
    Application().SetTitle(kApplicationTitle);
}

TProgramLifetime::TProgramLifetime()
{
    InitializeVarnelException();
    comStarted_ = StartApartment();
    try {
        StartApplication();
    } catch (...) {
        // A start that fails half-way is undone like a whole one.
        ShutDown();
        throw;
    }
}

TProgramLifetime::~TProgramLifetime() { ShutDown(); }

void TProgramLifetime::ShutDown()
{
    FinalizeEraseProcessor();
    FinalizeWaitForm();
    FinalizeApplication();
    if (comStarted_) CoUninitialize();
    FinalizeVarnelException();
    FinalizeVarnelGlobalVars();
}
