#pragma once
// The settings file's tables and indexes, and the statements that empty it.
#include <span>

namespace schema {

// CREATE ... IF NOT EXISTS for the eight tables and seven indexes, in creation
// order. Safe to run on any open file: they add what is missing and touch no data.
std::span<const char* const> CreateStatements();
// One SELECT per table naming every column the store uses (and returning no
// rows): each fails on a file whose tables have another layout.
std::span<const char* const> LayoutChecks();
// Empties every table and restarts the AUTOINCREMENT counters.
std::span<const char* const> ResetStatements();

}  // namespace schema
