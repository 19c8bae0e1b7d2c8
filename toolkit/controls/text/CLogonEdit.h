#pragma once
// The log-on field: a single-line rich edit in a larger font with room for an icon at
// its left (padding 50, 14, 5, 5).
#include "MRichEdit.h"

namespace Kelvo {

class KELVO_API CLogonEdit : public MRichEdit {
public:
    CLogonEdit(MObject* parent, UINT id, CRect rect, const wchar_t* tip, int visible, int enabled);
    const wchar_t* GetClassNameW() override;
};

}  // namespace Kelvo
