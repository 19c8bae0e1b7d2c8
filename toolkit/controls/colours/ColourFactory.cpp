// The colour pickers' rows of the class-name tables.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows ColourFactoryRows() { return ControlFactoryRows{}; }

}  // namespace Kelvo
