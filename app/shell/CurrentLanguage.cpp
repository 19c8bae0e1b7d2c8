#include "CurrentLanguage.h"

std::atomic<int> CurrentLanguage{product::kSecondLanguage};
