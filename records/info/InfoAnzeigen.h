// The about box: the version, and where the program's makers are found.
#pragma once

#include "Dialoge.h"

void InfoAnzeigen(Dialoge& dialoge);
