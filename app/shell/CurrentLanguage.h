#pragma once
// The interface language (a Windows LCID). Written on the UI thread only, but read by
// the device worker for its texts, hence atomic.
#include <atomic>

#include "Product.h"

extern std::atomic<int> CurrentLanguage;
