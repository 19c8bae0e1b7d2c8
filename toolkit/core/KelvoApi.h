#pragma once
// Marks what Kelvo.dll exports; the application links it at load time.
#ifdef KELVO_EXPORTS
#define KELVO_API __declspec(dllexport)
#else
#define KELVO_API __declspec(dllimport)
#endif
