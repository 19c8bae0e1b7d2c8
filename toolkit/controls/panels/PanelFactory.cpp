// The panels family's rows of the dialog and panel class-name tables.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows PanelFactoryRows() { return {}; }

}  // namespace Kelvo
