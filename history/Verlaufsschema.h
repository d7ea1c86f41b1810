// The tables of the race database, version by version. A database is brought from its
// version to the program's by running each step after the other in one transaction; a
// step only adds, so an older program's reading survives where it can.
#pragma once

#include <QStringList>

// Marks the file as ours (PRAGMA application_id), "RDMT".
constexpr int VerlaufsAnwendungskennung = 0x52444D54;

// The statements that bring a database of version `von` to von + 1.
QStringList verlaufsschemaSchritt(int von);
