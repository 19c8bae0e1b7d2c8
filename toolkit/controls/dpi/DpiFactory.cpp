// The DPI widgets' rows of the class-name tables.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows DpiFactoryRows() { return ControlFactoryRows{}; }

}  // namespace Kelvo
