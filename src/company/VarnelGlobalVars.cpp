#include "company/VarnelGlobalVars.h"

std::unique_ptr<TCMessagePresenter> gMPObject;

void FinalizeVarnelGlobalVars() { gMPObject.reset(); }
