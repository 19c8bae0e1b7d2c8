#pragma once
// Every C++ allocation of the stress program (its own code and the toolkit compiled into
// it) comes from one private Win32 heap, so that the heap's own checks see each block:
// under Wine with heap warnings on (WINEDEBUG=warn+heap) a block freed twice or not from
// this heap is reported as it happens, freed blocks are filled and checked for later
// writes, and each block carries a tail that validation checks for overruns.

namespace stress {

// Walks the whole heap; false when a block or a free block was damaged.
bool CheckedHeapIsValid();
// Blocks handed out and not yet returned.
long long CheckedHeapLiveBlocks();

}  // namespace stress
