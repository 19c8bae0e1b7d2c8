#pragma once
// A single-line rich edit that scrolls sideways as the text grows.
#include "MRichEdit.h"

namespace Kelvo {

class KELVO_API MEditEx : public MRichEdit {
public:
    MEditEx(MObject* parent, UINT id, CRect rect, const wchar_t* tip, int visible, int enabled);
    const wchar_t* GetClassNameW() override;
};

}  // namespace Kelvo
