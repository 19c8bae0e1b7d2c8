#pragma once
// Resource ids of Mirevo.exe.
#define IDI_MIREVO 107
