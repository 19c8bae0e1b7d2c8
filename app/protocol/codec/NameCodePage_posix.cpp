#include "NameCodePage.h"

namespace codec {

// Outside Windows there is no ANSI code page; Windows-1252 is what the program's
// Western users have there.
const NameCodePage& SystemCodePage() { return Windows1252(); }

}  // namespace codec
