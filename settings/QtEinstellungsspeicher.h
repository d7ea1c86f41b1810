// The per-user settings store on QSettings, under "rundomat" / "einstellung". Where the
// store lives is the platform's business (Einstellungsort_*.cpp). A store that cannot be
// written is told once; the program goes on with the values in memory.
#pragma once

#include "Dialoge.h"
#include "Einstellungsspeicher.h"

#include <QSettings>
#include <memory>

// Opens the platform's store of the application "rundomat", positioned at its root.
std::unique_ptr<QSettings> einstellungsortOeffnen();

class QtEinstellungsspeicher final : public Einstellungsspeicher {
public:
    explicit QtEinstellungsspeicher(Dialoge& dialoge);
    QtEinstellungsspeicher(std::unique_ptr<QSettings> einstellungen, Dialoge& dialoge);

    QString lesen(const QString& schluessel, const QString& vorgabe) override;
    void speichern(const QString& schluessel, const QString& wert) override;

private:
    std::unique_ptr<QSettings> m_einstellungen;
    Dialoge& m_dialoge;
    bool m_schreibfehlerGemeldet = false;
};
