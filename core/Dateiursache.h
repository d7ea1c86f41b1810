// Why a file could not be written, as one German sentence for the racer: from the system's
// error number taken right after the failed call, or, when that says nothing, from the
// state of the disk the file is on.
#pragma once

#include <QString>

// Empty when neither tells more than the failed operation itself.
QString dateiursache(const QString& pfad, int fehlernummer);
