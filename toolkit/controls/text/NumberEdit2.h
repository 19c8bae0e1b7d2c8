#pragma once
// A number field with both buttons (10 x 10) stacked at its right edge: increase above
// the vertical centre, decrease below it.
#include "NumberEditBase.h"

namespace Kelvo {

class KELVO_API NumberEdit2 : public NumberEditBase {
public:
    NumberEdit2(MObject* parent, UINT id, CRect rect, int visible);
    const wchar_t* GetClassNameW() override;

protected:
    CRect LayOut(const CRect& rect) override;
};

}  // namespace Kelvo
