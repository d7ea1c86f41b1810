// A thread that sleeps until an edge and runs for microseconds when it comes asks for the
// scheduler's shortest slice.
#pragma once

// The scheduler (EEVDF, Linux 6.12 on) lets a woken thread run at once, ahead of one that
// is still within its slice, only if the woken one asks for a shorter slice. Without it a
// busy GUI thread or X server on the same core delays the wake-up, and so an edge's time,
// by up to a whole slice (1.4 ms on two cores, more on more). No right is needed; older
// kernels ignore the slice, and the thread's nice value stays as it is. For the calling
// thread only.
void kurzeZeitscheibe();
