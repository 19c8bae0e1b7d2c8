#pragma once
// The text ids the program asks for by number. The ids of button labels and
// factory functions are not listed: they come from the shipped model descriptions.
#include <vector>

std::vector<int> ProgramTextIds();
