// Which device a port text names. The user gives a port as a number (1 for the first
// serial port); on Linux also as a device path, since USB adapters have no fixed number.
#pragma once

#include <QString>
#include <optional>

// The platform's name of the n-th serial port, for n from 1 to 32767.
QString nummerngeraet(int nummer);

// The device of a port text, or nothing for text that names no port.
std::optional<QString> portGeraet(const QString& porttext);

// Whether the platform takes a device path where a number would do.
bool geraetepfad(const QString& porttext);

// Whether the user lacks the right to open the device (on Linux the group dialout grants
// it), so the prompt can say how to get it instead of a generic error.
bool zugriffVerweigert(const QString& geraet);
