#pragma once
// Names typed on the line: buttons, functions, settings. They are matched without
// regard to case, and a name that matches nothing is answered with every name
// that would have.
#include <string>
#include <vector>

#include "CString.h"

std::string LowerCase(std::string text);
// A label as the line writes it: "Middle button" -> "middle-button".
std::string LineName(const CString& label);
// "a, b, c" for an error message or help.
std::string NameList(const std::vector<std::string>& names);
// The error for a name none of `accepted` matches.
std::string UnknownName(const std::string& what, const std::string& given, const std::vector<std::string>& accepted);
