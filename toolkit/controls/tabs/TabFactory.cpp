// The tabs family's rows of the dialog and panel class-name tables.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows TabFactoryRows() { return {}; }

}  // namespace Kelvo
