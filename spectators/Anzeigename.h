// A driver's name as the spectators' screens can show it.
#pragma once

#include <QString>

// Line breaks and tabs become blanks; other control characters and those that turn the
// writing direction go.
QString anzeigename(const QString& name);
