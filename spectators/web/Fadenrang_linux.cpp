#include "Fadenrang.h"

#include <sys/resource.h>

void nachrangigLaufen() {
    // On Linux each thread has a nice value of its own; 0 names the calling thread.
    setpriority(PRIO_PROCESS, 0, 10);
}
