// The buttons family's rows of the dialog and panel class-name tables.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows ButtonFactoryRows() { return {}; }

}  // namespace Kelvo
