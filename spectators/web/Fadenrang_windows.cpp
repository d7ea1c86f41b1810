#include "Fadenrang.h"

#include <windows.h>

void nachrangigLaufen() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}
