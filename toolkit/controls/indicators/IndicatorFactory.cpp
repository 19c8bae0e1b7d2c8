// The progress bar's, static text's and filled area's rows of the class-name tables.
#include "ControlFactory.h"

namespace Kelvo {

ControlFactoryRows IndicatorFactoryRows() { return {}; }

}  // namespace Kelvo
