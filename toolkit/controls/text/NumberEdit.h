#pragma once
// A number field with its increase button (15 x 15) at the left and its decrease button
// at the right, the value centred between them.
#include "NumberEditBase.h"

namespace Kelvo {

class KELVO_API NumberEdit : public NumberEditBase {
public:
    NumberEdit(MObject* parent, UINT id, CRect rect, int visible);
    const wchar_t* GetClassNameW() override;

protected:
    CRect LayOut(const CRect& rect) override;
};

}  // namespace Kelvo
