// The check, radio, select, colour and switch buttons' rows of the class-name tables.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows CheckButtonFactoryRows() { return {}; }

}  // namespace Kelvo
