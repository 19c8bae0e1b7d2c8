#pragma once
// Enables SeDebugPrivilege in the process token; true when it was granted. Start-up
// ignores the result (ordinary users do not hold the privilege).
bool EnableDebugPrivilege();
