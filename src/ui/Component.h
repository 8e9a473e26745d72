#pragma once
// What a component of a form knows about its own situation: being loaded from a stored layout,
// being placed in a designer, being destroyed, and so on. Controls consult it; the code that
// loads or designs forms sets it.
#include <cstdint>
#include <string>

#include "base/Exception.h"

enum TComponentStateFlag : uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
    csUpdating = 1u << 6,
    csFreeNotification = 1u << 8,
};

class TComponent : public TObject {
public:
    std::wstring ClassName() const override { return L"TComponent"; }

    uint32_t ComponentState() const { return state_; }
    bool HasState(uint32_t flags) const { return (state_ & flags) != 0; }
    void IncludeState(uint32_t flags) { state_ |= flags; }
    void ExcludeState(uint32_t flags) { state_ &= ~flags; }

    // Called once the component has been read from a stored layout.
    virtual void Loaded() { ExcludeState(csLoading | csReading); }

private:
    uint32_t state_ = 0;
};
