#include "ButtonWording.h"

#include <mutex>

namespace {

std::mutex g_mutex;

ButtonWording& Stored() {
    static ButtonWording wording;
    return wording;
}

}  // namespace

codec::MacroNaming ButtonWording::Naming() const {
    codec::MacroNaming naming;
    naming.language = language;
    naming.defaultWord = texts ? texts(kMacroDefaultWordText) : CString();
    naming.codePage = codePage;
    return naming;
}

void SetButtonWording(ButtonWording wording) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Stored() = std::move(wording);
}

ButtonWording CurrentButtonWording() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return Stored();
}
