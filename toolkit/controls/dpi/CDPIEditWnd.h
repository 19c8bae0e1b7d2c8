#pragma once
// The value editor of DPIControl: the same digits-only editor as the level buttons',
// registered under the class name "DPIEditWindow".
#include "ValueEditWnd.h"

namespace Kelvo {

class KELVO_API CDPIEditWnd : public ValueEditWnd {
public:
    using ValueEditWnd::ValueEditWnd;
    const wchar_t* GetWindowClassName() override;
};

}  // namespace Kelvo
