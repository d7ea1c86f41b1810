#include "KurzeZeitscheibe.h"

#include <cerrno>
#include <cstdint>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

void kurzeZeitscheibe() {
    struct { // the kernel's struct sched_attr, whose header clashes with <sched.h>
        std::uint32_t size, sched_policy;
        std::uint64_t sched_flags;
        std::int32_t sched_nice;
        std::uint32_t sched_priority;
        std::uint64_t sched_runtime, sched_deadline, sched_period;
    } attribute{};
    attribute.size = sizeof attribute;
    attribute.sched_policy = SCHED_OTHER;
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    if (errno != 0)
        return;
    attribute.sched_nice = nice;
    attribute.sched_runtime = 100'000; // ns, the shortest the kernel allows
    syscall(SYS_sched_setattr, 0, &attribute, 0);
}
