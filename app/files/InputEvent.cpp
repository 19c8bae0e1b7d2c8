#include "InputEvent.h"

namespace {

// Left and right Shift, Ctrl and Alt as recorded.
bool IsModifierKey(int code) { return code >= 160 && code <= 165; }

}  // namespace

bool CapturesKey(int captureMode, const InputEvent& event) {
    if (captureMode != kCaptureKeyEditor && captureMode != kCaptureKeyEditor2 && captureMode != kCaptureStepKey) return false;
    if (event.kind != InputKind::kKey || event.released || event.text.IsEmpty()) return false;
    return captureMode != kCaptureKeyEditor || !IsModifierKey(event.code);
}
