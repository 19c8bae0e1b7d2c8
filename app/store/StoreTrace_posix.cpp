#include "StoreTrace.h"

// No debugger channel here; a tool that wants the notes installs a trace.
void DefaultStoreTrace(const CString&) {}
