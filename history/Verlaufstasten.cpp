#include "Verlaufstasten.h"

#include "Reihe.h"
#include "Rennaufzeichnung.h"

namespace {
// Ctrl with a lane's digit opens its driver's page, for every lane the race had.
QString auswahltasten(int spuren) {
    if (spuren <= KleinsteSpurenzahl)
        return QStringLiteral("Strg+1 / Strg+2: Fahrer");
    return QStringLiteral("Strg+1 … Strg+%1: Fahrer").arg(spuren);
}
} // namespace

QString listentasten(bool saison, int spuren) {
    return QStringLiteral("Tippen: nach Fahrer filtern   ↑↓: wählen   Enter: Rennen öffnen   ") +
           auswahltasten(spuren) + QStringLiteral("   Entf: löschen   Strg+E: alle exportieren") +
           (saison ? QStringLiteral("   Strg+S: Saisonwertung") : QString()) +
           QStringLiteral("   Esc: schließen");
}

QString renntasten(const Rennseitentasten& s) {
    if (s.neuBewertung)
        return QStringLiteral("Enter: als Korrektur übernehmen   Esc: verwerfen");
    if (s.korrektur)
        return QStringLiteral(
            "←→: Spur   ↑↓: Runde   Entf: Durchfahrt löschen   Einfg: Durchfahrt einfügen "
            "  Strg+Einfg: Durchfahrt bei einer Zeit einfügen   S: Strafe geben   "
            "Umschalt+S: Strafe zurücknehmen   Strg+Z: rückgängig   "
            "Strg+O: Original wiederherstellen   Esc: Korrektur beenden");
    QString tasten = auswahltasten(s.rennen.spurenzahl()) + QStringLiteral("   K: korrigieren");
    if (s.rennen.mitRohsignalen())
        tasten += QStringLiteral("   P: mit anderer Prellzeit neu bewerten");
    if (s.rennen.korrigiert())
        tasten += QStringLiteral("   Strg+O: Original wiederherstellen");
    if (s.ergebnisdatei)
        tasten += QStringLiteral("   Strg+D: Ergebnisdatei neu schreiben");
    return tasten + QStringLiteral("   Entf: Rennen löschen   Strg+E: Rennen exportieren "
                                   "  Esc: zurück");
}

QString fahrertasten(const QString& fahrer) {
    return QStringLiteral("Entf: alle Rennen von ") + fahrer +
           QStringLiteral(" löschen   Strg+E: alle exportieren   Esc: zurück");
}

QString saisontasten() {
    return QStringLiteral(
        "←→: andere Saison   S: Streichresultate   Strg+P: als PDF   Esc: zurück");
}
