#pragma once
// An owned reference to a COM object: released exactly once.
#include <unknwn.h>

#include <memory>

struct TComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using TComPtr = std::unique_ptr<Interface, TComRelease>;
