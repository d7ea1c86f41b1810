#include "Zuschauereinstellungen.h"

#include <algorithm>

bool Zuschauereinstellungen::seiteAn() {
    return m_werte.flag(Einstellungen::ZuschauerWeb);
}

quint16 Zuschauereinstellungen::port() {
    const std::int32_t port = m_werte.ganzzahl(Einstellungen::ZuschauerPort);
    if (port < 1 || port > 65535)
        return static_cast<quint16>(Einstellungen::ZuschauerPort.vorgabe.toUInt());
    return static_cast<quint16>(port);
}

QString Zuschauereinstellungen::adresse() {
    return m_werte.text(Einstellungen::ZuschauerAdresse).trimmed();
}

Fensterlage Zuschauereinstellungen::lage(const std::vector<Bildschirm>& bildschirme,
                                         int hauptbildschirm) {
    Fensterlage lage;
    lage.vollbild = m_werte.flag(Einstellungen::ZuschauerVollbild);
    if (bildschirme.empty())
        return lage;
    const QString gemerkt = m_werte.text(Einstellungen::ZuschauerBildschirm);
    const auto gleich = [&](const Bildschirm& b) { return b.name == gemerkt; };
    auto wahl = std::find_if(bildschirme.begin(), bildschirme.end(), gleich);
    if (gemerkt.isEmpty() || wahl == bildschirme.end()) {
        wahl = bildschirme.begin();
        if (bildschirme.size() > 1 && hauptbildschirm == 0)
            wahl = std::next(wahl);
    }
    lage.bildschirm = static_cast<int>(wahl - bildschirme.begin());
    const QRect flaeche = wahl->flaeche;
    const auto mass = [](std::int32_t wert, int kleinst, int groesst) {
        return std::clamp(wert, kleinst, std::max(kleinst, groesst));
    };
    const QSize groesse(mass(m_werte.ganzzahl(Einstellungen::ZuschauerBreite),
                             Mindestgroesse.width(), flaeche.width()),
                        mass(m_werte.ganzzahl(Einstellungen::ZuschauerHoehe),
                             Mindestgroesse.height(), flaeche.height()));
    lage.rahmen = QRect(QPoint(), groesse);
    lage.rahmen.moveCenter(flaeche.center());
    return lage;
}

void Zuschauereinstellungen::merken(const QString& bildschirm, QSize groesse, bool vollbild) {
    m_werte.speichern(Einstellungen::ZuschauerBildschirm, bildschirm);
    m_werte.speichern(Einstellungen::ZuschauerBreite, QString::number(groesse.width()));
    m_werte.speichern(Einstellungen::ZuschauerHoehe, QString::number(groesse.height()));
    m_werte.speichern(Einstellungen::ZuschauerVollbild, vollbild);
}
