#pragma once
// A settings file the store cannot use is kept for the user (and for a support
// request) under a name of its own, so that a fresh file can take its place.
#include "CString.h"

// Renames `path` to "<path>.damaged-<UTC date>-<time>" (with a number added
// when that name is taken), together with its write-ahead log or journal, and
// removes the log's index, which is rebuilt from the log. The file's bytes are
// not touched. Returns the new name, or empty when the file could not be moved.
CString SetAsideDamagedFile(const CString& path);
