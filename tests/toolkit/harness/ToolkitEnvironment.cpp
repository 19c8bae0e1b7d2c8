// GDI+, COM and OLE for the whole test program, started once through the toolkit as the
// application does.
#include <gtest/gtest.h>

#include "Manager.h"

namespace {

class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        Kelvo::Manager::InitGdiplus();
        Kelvo::Manager::SetInstance(GetModuleHandleW(nullptr));
    }
    void TearDown() override { Kelvo::Manager::UnInitGdiplus(); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

}  // namespace
