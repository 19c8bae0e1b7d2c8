#pragma once
// Why a command failed, told once in the line's output format: on stderr as
// "mirevoctl: why", or with --json as {"error": "why"} on stdout, so a script
// reading stdout always gets one JSON object.
#include "Options.h"

void SetReportFormat(OutputFormat format);
// printf-style; a trailing line break is dropped. With --json only the first
// error of a run is printed: it is the one that ended the command.
void ReportError(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
