// The rows of the class-name tables for this family of controls.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows TextInputFactoryRows() { return ControlFactoryRows{}; }

}  // namespace Kelvo
