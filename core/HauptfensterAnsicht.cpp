#include "HauptfensterAnsicht.h"

#include <algorithm>
#include <stdexcept>

Statusleiste::Statusleiste()
    : m_felder{
          {QString(), QStringLiteral("© Rundomat"), QString()},
          {QStringLiteral("port"), QStringLiteral("Com Port:"),
           QStringLiteral("welche serielle Schnittstelle")},
          {QStringLiteral("kurslaenge"), QStringLiteral("Kurslänge: "), QString()},
          {QStringLiteral("rundenzahl"), QStringLiteral("Rundenzahl:"),
           QStringLiteral("wieviel Runden umfaßt ein Grand Prix")},
          {QStringLiteral("maxg"), QStringLiteral("Maximalgeschwindigkeit:"),
           QStringLiteral("Maximalgeschwindigkeit im aktuellen Rennen")},
          {QStringLiteral("modus"), QStringLiteral("Rennmodus"), QString()},
      } {}

Statusfeld& Statusleiste::Panels(const QString& key) {
    const auto feld = std::find_if(m_felder.begin(), m_felder.end(),
                                   [&](const Statusfeld& f) { return f.Key == key; });
    if (key.isEmpty() || feld == m_felder.end())
        throw std::out_of_range("Statusleiste: unbekannter Schluessel");
    return *feld;
}

const Statusfeld& Statusleiste::Panels(const QString& key) const {
    return const_cast<Statusleiste*>(this)->Panels(key);
}

namespace {
Bezeichnungsfeld feld(const QString& caption, Farbe farbe = Farben::Hellgrau,
                      bool sichtbar = true) {
    Bezeichnungsfeld f;
    f.Caption = caption;
    f.ForeColor = farbe;
    f.Visible = sichtbar;
    return f;
}
} // namespace

// The design-time look: what the window shows before the start-up has run.
HauptfensterAnsicht::HauptfensterAnsicht()
    : Caption(QStringLiteral("Rundomat")),
      LaFahrer(feld(QStringLiteral("Fahrer 1")), feld(QStringLiteral("Fahrer 2"))),
      LaZeit(feld(QStringLiteral("0 sec")), feld(QStringLiteral("0 sec"))),
      LaBestZeit(feld(QStringLiteral("? sec"), Farben::Blassgelb, false),
                 feld(QStringLiteral("? sec"), Farben::Blassgelb, false)),
      LaRunde(feld(QStringLiteral("25")), feld(QStringLiteral("25"))),
      LaHof(feld(QStringLiteral("Hall of Fame"))), LaEinstellungen(feld(QStringLiteral("Option"))),
      LaStart(feld(QStringLiteral("Start"))), LaCountdown(feld(QStringLiteral("0"))),
      LaCrash(feld(QStringLiteral("CRASH"), Farben::Rot, false)) {
    for (int spur = 1; spur <= 2; ++spur)
        LaFahrer[spur].Tag = QStringLiteral("aktivesRennen");
}
