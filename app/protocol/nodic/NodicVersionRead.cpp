#include "NodicVersionRead.h"

#include "NodicCommands.h"
#include "NodicFrame.h"
#include "NodicVersion.h"

CString GetNodicVersion(NodicDialect& dialect, bool routed) {
    const nodic::ReadCommand& c = nodic::command::kVersion;
    NodicFrameBytes request{};
    BuildNodicRead(request.data(), c.object, routed, c.operation, static_cast<int>(c.requestLength));
    std::optional<CString> text = nodic::DecodeVersion(AnswerOfReply(dialect.Read(request, c.minAnswer)));
    return text ? *text : CString(kUnreadVersion);
}

FirmwareVersions ShowNodicVersions(NodicDialect& dialect, int connectMode) {
    FirmwareVersions v;
    if (connectMode == 1 || connectMode == 3) {
        v.mouse = GetNodicVersion(dialect, true);
        v.receiver = GetNodicVersion(dialect, false);
    } else {
        v.mouse = GetNodicVersion(dialect, false);
    }
    return v;
}
