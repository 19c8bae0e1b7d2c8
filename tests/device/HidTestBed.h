#pragma once
// A virtual mouse world on the virtual clock with a fresh HID manager, shared by
// the device tests. Model numbers and product ids here are the tests' own.
#include <gtest/gtest.h>

#include <memory>

#include "Clock.h"
#include "HidDeviceManager.h"
#include "SimControl.h"

namespace testbed {

constexpr int kFeatureModel = 101;  // feature-report dialect: cable FA01, receiver FA02
constexpr int kOutputModel = 301;   // output-report dialect: cable FB01, receiver FB02, Bluetooth FB05
constexpr int kNodicModel = 201;    // second family: cable FC01
constexpr int kNodicReceiverModel = 208;  // its receiver FC02

inline sim::DeviceSetup MakeDevice(const char* name, sim::Family family, sim::Kind kind, std::uint16_t pid,
                            std::uint16_t pairedPid = 0) {
    sim::DeviceSetup s;
    s.name = name;
    s.family = family;
    s.kind = kind;
    s.pid = pid;
    s.pairedPid = pairedPid;
    s.mouse = "mouse";
    return s;
}

// How a mouse words its answers where the Parts leave it open: byte 1 echoing the
// command or not, and (output dialect) answers under report id 0xB4 or 0xB6.
struct AnswerForm {
    const char* name;
    bool echo;
    std::uint8_t answerId;
};

inline const AnswerForm kAnswerForms[] = {
    {"no echo, 0xB4", false, 0xB4},
    {"echo, 0xB4", true, 0xB4},
    {"no echo, 0xB6", false, 0xB6},
    {"echo, 0xB6", true, 0xB6},
};

inline void PrintTo(const AnswerForm& form, std::ostream* os) { *os << form.name; }

inline sim::DeviceSetup InForm(sim::DeviceSetup d, const AnswerForm& form) {
    d.echoCommand = form.echo;
    d.answerId = form.answerId;
    return d;
}

class HidTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        manager = std::make_unique<HidDeviceManager>();
        manager->SetDescriptorReader(&hid_get_report_descriptor);
    }
    void TearDown() override {
        manager.reset();
        if (HasFailure()) std::printf("%s", sim::FormatTrace().c_str());
        sim::Reset();
    }

    void FeatureFilters() {
        manager->AddFilter(0x248A, 0xFA01, L"", kFeatureModel, 0);
        manager->AddFilter(0x248A, 0xFA02, L"", kFeatureModel, 1);
    }
    void OutputFilters(int receiverMode = 4) {
        manager->AddFilter(0x248A, 0xFB01, L"", kOutputModel, 0);
        manager->AddFilter(0x248A, 0xFB02, L"", kOutputModel, receiverMode);
        manager->AddFilter(0x248A, 0xFB05, L"", kOutputModel, 2);
    }
    // Enumerates for one model the way a reconnection does.
    void Connect(int model) {
        std::vector<HidDeviceFilter> filters = manager->Filters();
        manager->Reconnect(model, filters);
    }
    std::uint64_t Elapsed(std::uint64_t since) { return clock.NowMs() - since; }

    VirtualClock clock;
    ScopedClock scoped{clock};
    std::unique_ptr<HidDeviceManager> manager;
};

}  // namespace testbed
