// The per-user settings store: text values by key, under "rundomat" / "einstellung".
#pragma once

#include <QString>

class Einstellungsspeicher {
public:
    virtual ~Einstellungsspeicher() = default;
    virtual QString lesen(const QString& schluessel, const QString& vorgabe) = 0;
    virtual void speichern(const QString& schluessel, const QString& wert) = 0;
};
