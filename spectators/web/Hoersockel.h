// The live page's listening socket is this program's alone. Windows lets a second program
// bind a port already taken unless the first asks for it exclusively (SO_EXCLUSIVEADDRUSE;
// SO_REUSEADDR there would even let the second take it over). Linux never shares a
// listening port, and SO_REUSEADDR lets a restarted program have its port back while
// connections of the last run linger.
#pragma once

#include <cstdint>

// Before the bind; 0, or the system's error number.
int hoersockelVorbereiten(std::intptr_t sockel);
