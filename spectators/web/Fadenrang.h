// The server's thread yields to the GUI thread: on a busy PC a lap is timed first and the
// live page waits a moment, never the other way round.
#pragma once

// Lowers the calling thread's priority below that of the program's other threads.
void nachrangigLaufen();
