// Writing whole files so that a failure never leaves half a file, and the failures of
// file operations as the user is told about them.
#pragma once

#include "Laufzeitfehler.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

// The error a file operation left on the device: its number and a German description,
// followed by what the operating system said.
Laufzeitfehler dateifehler(const QFileDevice& datei);

// Replaces the file with these bytes all at once: until the new file is complete, the
// old one stays as it was; on failure it stays unchanged.
std::optional<Laufzeitfehler> dateiErsetzen(const QString& pfad, const QByteArray& inhalt);
