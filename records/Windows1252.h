// The Windows ANSI code page of western Europe, in which hof.ini and the result files are
// written on every platform, so a file moves between machines with its umlauts intact.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Windows1252 {

// Characters the code page cannot hold become "?", one for each character.
QByteArray kodieren(QStringView text);

// Every byte has a character, so decoding and encoding again gives the same bytes.
QString dekodieren(QByteArrayView bytes);

} // namespace Windows1252
