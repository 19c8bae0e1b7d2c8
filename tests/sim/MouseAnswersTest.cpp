// The virtual mouse answers as the command table describes a mouse, not as any host
// expects: what each feature command gets back over a receiver, the handshake before
// reads, the output dialect's answer forms, and a mouse that answers nothing.
#include <gtest/gtest.h>

#include <hidapi.h>

#include <vector>

#include "Clock.h"
#include "SimControl.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class MouseAnswersTest : public ::testing::Test {
protected:
    void SetUp() override { sim::Reset(); }
    void TearDown() override {
        if (handle) hid_close(handle);
        sim::Reset();
    }

    hid_device* Open(sim::DeviceSetup setup) {
        setup.name = "dev";
        setup.pid = 0x1234;
        setup.pairedPid = 0x1111;
        EXPECT_TRUE(sim::Plug(setup));
        handle = hid_open_path(sim::PathsOf("dev").at(1).c_str());
        return handle;
    }
    static sim::DeviceSetup Setup(sim::Family family, sim::Kind kind) {
        sim::DeviceSetup s;
        s.family = family;
        s.kind = kind;
        return s;
    }
    // The next input report, empty when none is waiting.
    Bytes Input() {
        unsigned char in[65] = {};
        int n = hid_read_timeout(handle, in, sizeof in, 0);
        return n > 0 ? Bytes(in, in + n) : Bytes();
    }
    // The feature report `id` as the mouse holds it now, empty when it holds none.
    Bytes Feature(unsigned char id) {
        unsigned char reply[65] = {id};
        int n = hid_get_feature_report(handle, reply, sizeof reply);
        return n > 0 ? Bytes(reply, reply + n) : Bytes();
    }
    bool SendFeature(Bytes report) {
        report.resize(report[0] == 0x51 ? 21 : 65, 0);
        return hid_send_feature_report(handle, report.data(), report.size()) == static_cast<int>(report.size());
    }

    VirtualClock clock;
    ScopedClock scoped{clock};
    hid_device* handle = nullptr;
};

struct RowCase {
    const char* what;
    Bytes request;
    Bytes input;        // what the receiver reports, empty for nothing
    bool answerToFetch; // a feature report with the answer waits
};

class CommandTableTest : public MouseAnswersTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(CommandTableTest, OverAReceiverEachCommandGetsWhatItsRowSays) {
    const RowCase& c = GetParam();
    ASSERT_NE(Open(Setup(sim::Family::kFeature, sim::Kind::kReceiver)), nullptr);
    ASSERT_TRUE(SendFeature({0x51, 0x0C, 0x02}));
    ASSERT_EQ(Input(), (Bytes{0x54, 0xE3, 0x00} + Bytes(18, 0)));
    ASSERT_TRUE(SendFeature(c.request)) << c.what;
    Bytes in = Input();
    if (c.input.empty()) {
        EXPECT_TRUE(in.empty()) << c.what;
    } else {
        ASSERT_GE(in.size(), c.input.size()) << c.what;
        EXPECT_TRUE(std::equal(c.input.begin(), c.input.end(), in.begin())) << c.what;
    }
    Bytes answer = Feature(c.request[0]);
    EXPECT_EQ(!answer.empty(), c.answerToFetch) << c.what;
    if (!answer.empty()) {
        EXPECT_EQ(answer[1], 0x00) << c.what;  // byte 1 does not repeat the command
    }
}

const Bytes kWritten{0x54, 0xE4, 0x00};
const Bytes kReady{0x54, 0xE4, 0x01};

INSTANTIATE_TEST_SUITE_P(Rows, CommandTableTest, ::testing::Values(
    RowCase{"DPI levels: fire", {0x51, 0x40, 0x01}, {}, false},
    RowCase{"report rate: fire", {0x51, 0x41, 0x01}, {}, false},
    RowCase{"response time: fire", {0x51, 0x43, 0x04}, {}, false},
    RowCase{"reset: fire", {0x51, 0x0B, 0x01, 0x05}, {}, false},
    RowCase{"whole profile: fire", {0x52, 0x57, 0x00, 0x02}, {}, false},
    RowCase{"button restore: fire", {0x52, 0x52, 0x03}, {}, false},
    RowCase{"macro chunk with more to come: fire", {0x52, 0x55, 0x02, 0x01, 0x00, 0x00, 0x3A}, {}, false},
    RowCase{"lighting: confirmed", {0x51, 0x22, 0x01}, kWritten, false},
    RowCase{"sensor: confirmed", {0x51, 0x42, 0x01}, kWritten, false},
    RowCase{"button assignment: confirmed", {0x52, 0x52, 0x03, 0x00, 0x01, 0x01}, kWritten, false},
    RowCase{"macro name: confirmed", {0x52, 0x53, 0x03, 0x01, 0x41}, kWritten, false},
    RowCase{"last macro chunk: confirmed", {0x52, 0x55, 0x02, 0x00, 0x3A, 0x00, 0x04}, kWritten, false},
    RowCase{"device state: read back at once", {0x51, 0x06}, {}, true},
    RowCase{"performance: read back at once", {0x51, 0x07}, {}, true},
    RowCase{"lighting state: ready first", {0x51, 0x14}, kReady, true},
    RowCase{"button map: ready first", {0x52, 0x61}, kReady, true},
    RowCase{"one button: ready first", {0x52, 0x62, 0x03}, kReady, true}));

TEST_F(MouseAnswersTest, AReceiverAnswersReadsOnlyAfterTheHandshakeWhileItsMouseIsAwake) {
    ASSERT_NE(Open(Setup(sim::Family::kFeature, sim::Kind::kReceiver)), nullptr);
    ASSERT_TRUE(SendFeature({0x51, 0x06}));
    EXPECT_TRUE(Feature(0x51).empty());
    ASSERT_TRUE(SendFeature({0x51, 0x0C, 0x02}));
    EXPECT_EQ(Input().at(1), 0xE3);
    ASSERT_TRUE(SendFeature({0x51, 0x06}));
    EXPECT_EQ(Feature(0x51).at(11), 80);
    ASSERT_TRUE(sim::SetMouseAwake("dev", false));
    ASSERT_TRUE(sim::SetMouseAwake("dev", true));
    Input();  // the receiver's reports of its mouse leaving and coming back
    Input();
    ASSERT_TRUE(SendFeature({0x51, 0x06}));
    EXPECT_TRUE(Feature(0x51).empty());  // a new link needs a new handshake
}

TEST_F(MouseAnswersTest, AReceiverThatNeedsNoHandshakeAnswersAtOnce) {
    sim::DeviceSetup setup = Setup(sim::Family::kFeature, sim::Kind::kReceiver);
    setup.needsHandshake = false;
    ASSERT_NE(Open(setup), nullptr);
    ASSERT_TRUE(SendFeature({0x51, 0x06}));
    EXPECT_EQ(Feature(0x51).at(11), 80);
}

TEST_F(MouseAnswersTest, OnTheCableNothingIsAcknowledgedAndEveryReadIsAtOnce) {
    sim::DeviceSetup setup = Setup(sim::Family::kFeature, sim::Kind::kWired);
    setup.echoCommand = true;
    ASSERT_NE(Open(setup), nullptr);
    for (const Bytes& write : {Bytes{0x51, 0x22, 0x01}, Bytes{0x52, 0x53, 0x03, 0x01, 0x41}}) {
        ASSERT_TRUE(SendFeature(write));
        EXPECT_TRUE(Input().empty());
    }
    ASSERT_TRUE(SendFeature({0x52, 0x61}));
    EXPECT_TRUE(Input().empty());
    EXPECT_EQ(Feature(0x52).at(1), 0x61);  // this mouse repeats the command
}

TEST_F(MouseAnswersTest, OutputAnswersComeInTheScenariosForm) {
    for (unsigned char id : {0xB4, 0xB6}) {
        for (bool echo : {false, true}) {
            SCOPED_TRACE(std::to_string(id) + (echo ? " echo" : ""));
            sim::Reset();
            sim::DeviceSetup setup = Setup(sim::Family::kOutput, sim::Kind::kReceiver);
            setup.answerId = id;
            setup.echoCommand = echo;
            if (handle) hid_close(handle);
            ASSERT_NE(Open(setup), nullptr);
            unsigned char read[65] = {0xB3, 0x06};
            ASSERT_EQ(hid_write(handle, read, 65), 65);
            Bytes answer = Input();
            ASSERT_EQ(answer.size(), 64u);
            EXPECT_EQ(answer[0], id);
            EXPECT_EQ(answer[1], echo ? 0x06 : 0x00);
            unsigned char write[65] = {0xB5, 0x40, 0x01};
            ASSERT_EQ(hid_write(handle, write, 65), 65);
            EXPECT_EQ(Input(), (Bytes{id, 0xE4, 0x00, 0x40} + Bytes(60, 0)));
        }
    }
}

TEST_F(MouseAnswersTest, ASilentMouseAnswersNothingButItsReceiverStillDoes) {
    sim::DeviceSetup setup = Setup(sim::Family::kFeature, sim::Kind::kReceiver);
    setup.silent = true;
    ASSERT_NE(Open(setup), nullptr);
    ASSERT_TRUE(SendFeature({0x51, 0x03}));
    EXPECT_EQ(Feature(0x51).at(5), 0x11);  // the paired mouse's product id
    ASSERT_TRUE(SendFeature({0x51, 0x0C, 0x02}));
    EXPECT_EQ(Input().at(1), 0xE3);
    for (const Bytes& request : {Bytes{0x51, 0x06}, Bytes{0x51, 0x22, 0x01}, Bytes{0x52, 0x61}}) {
        ASSERT_TRUE(SendFeature(request));
        EXPECT_TRUE(Input().empty());
        EXPECT_TRUE(Feature(request[0]).empty());
    }
}

}  // namespace
