// The per-user settings store on QSettings, under "rundomat" / "einstellung". Where the
// store lives is the platform's business (Einstellungsort_*.cpp).
#pragma once

#include "Einstellungsspeicher.h"

#include <QSettings>
#include <memory>

// Opens the platform's store of the application "rundomat", positioned at its root.
std::unique_ptr<QSettings> einstellungsortOeffnen();

class QtEinstellungsspeicher final : public Einstellungsspeicher {
public:
    QtEinstellungsspeicher();
    explicit QtEinstellungsspeicher(std::unique_ptr<QSettings> einstellungen);

    QString lesen(const QString& schluessel, const QString& vorgabe) override;
    void speichern(const QString& schluessel, const QString& wert) override;

private:
    std::unique_ptr<QSettings> m_einstellungen;
};
