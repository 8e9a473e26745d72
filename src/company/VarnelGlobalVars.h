#pragma once
// The company library's process-wide variables.
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

// What CExceptionMsg requires of the presenter that shows an exception.
class TCMessagePresenter {
public:
    virtual ~TCMessagePresenter() = default;

    virtual void SetMessageKind(int value) = 0;
    virtual void SetText(const std::wstring& value) = 0;
    virtual void SetOption1(int value) = 0;
    virtual void SetOption2(uint8_t value) = 0;
    int Option3 = 0;

    virtual std::wstring DefaultText() = 0;
    virtual int Present(const std::exception& exception) = 0;
};

// The presenter, or empty; whatever it holds at shutdown is freed.
extern std::unique_ptr<TCMessagePresenter> gMPObject;

void FinalizeVarnelGlobalVars();
