#include <gtest/gtest.h>

#include <objbase.h>

namespace {

// The test program holds the program's lifetime object, as the entry does: from then on the
// user-interface thread is in a single-threaded apartment, which the shell's calls need.
TEST(Lifetime, KeepsASingleThreadedApartmentOnTheUserInterfaceThread)
{
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    ASSERT_EQ(CoGetApartmentType(&type, &qualifier), S_OK);
    EXPECT_TRUE(type == APTTYPE_MAINSTA || type == APTTYPE_STA) << type;
    // Asking for another kind of apartment on the same thread is refused.
    HRESULT other = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(other, RPC_E_CHANGED_MODE);
    if (SUCCEEDED(other)) CoUninitialize();
}

}  // namespace
