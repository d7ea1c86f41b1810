// What the history window shows of a race in its list and of a driver on the driver's page,
// in the program's German number format, and the words its pages share.
#pragma once

#include "VerlaufAnsicht.h"
#include "Verlaufsabfragen.h"

QString rennartText(Rennart art);
// "4,012 s"
QString sekundenText(double wert);
// "2026-05-01T14:03:22+02:00" as "01.05.2026 14:03", the time where the race was driven.
QString datumText(const QString& iso);

Rennzeile rennzeile(const Rennkopf& kopf);
// A race that waits to be stored, under a number of the list's own.
Rennzeile wartendeZeile(qint64 nummer, const Rennaufzeichnung& rennen);
void fahrerseiteFuellen(VerlaufAnsicht& ansicht, const Fahrerbilanz& bilanz);
