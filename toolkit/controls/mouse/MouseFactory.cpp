// The mouse-button and macro widgets' rows of the class-name tables.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows MouseFactoryRows() { return {}; }

}  // namespace Kelvo
