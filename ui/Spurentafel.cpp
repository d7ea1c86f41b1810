#include "Spurentafel.h"

#include "Labelknopf.h"
#include "QtFarbe.h"
#include "Standardschrift.h"
#include "Texteinpassung.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <numeric>

namespace {
// The columns' shares of the width, in twips of a table 10830 wide: the driver's name takes
// the most, room for over twenty characters.
constexpr std::array<int, Mehrspurspalten> Spaltenbreiten{750,  600,  2655, 960, 960,
                                                          1260, 1260, 1365, 1020};
constexpr int Rand = 60;         // twips around the rows
constexpr int Kopfhoehe = 360;   // twips
constexpr double Kopfpunkte = 9; // the heading row's font
// A row's font grows with its height, up to a size at which the times still fit their columns.
constexpr double Zeilenpunkte(int zeilenhoehe) {
    return std::min(18.0, zeilenhoehe / 15.0 * 0.36);
}
constexpr int Zellrand = 3; // pixels between the texts of neighbouring cells
// Behind the row of the lane whose table shows, and its frame: the panels' lighter blue.
constexpr Farbe Gewaehlt = 0xb86a3a;
constexpr Farbe Tafelrand = 0xdda37e;
} // namespace

Spurentafel::Spurentafel(QWidget* eltern, QRect t, int spurenzahl, const Massstab& massstab)
    : QWidget(eltern), m_massstab(massstab) {
    platzieren(this, t.left(), t.top(), t.width(), t.height(), massstab);
    m_kopf = zeileBauen(Rand, Kopfhoehe, Kopfpunkte, true, 0);
    const int hoehe = (t.height() - 2 * Rand - Kopfhoehe) / spurenzahl;
    for (int spur = 1; spur <= spurenzahl; ++spur) {
        const int oben = Rand + Kopfhoehe + (spur - 1) * hoehe;
        m_zeilen.push_back(zeileBauen(oben, hoehe, Zeilenpunkte(hoehe), false, spur));
        m_zeilenflaechen.push_back(QRect(massstab.pixel(Rand), massstab.pixel(oben),
                                         massstab.pixel(t.width() - 2 * Rand),
                                         massstab.pixel(hoehe)));
    }
}

std::vector<Labelknopf*> Spurentafel::zeileBauen(int oben, int hoehe, double punkt, bool fett,
                                                 int spur) {
    const Massstab& m = m_massstab;
    std::vector<Labelknopf*> zellen;
    int links = Rand;
    for (int spalte = 0; spalte < Mehrspurspalten; ++spalte) {
        auto* zelle = new Labelknopf(this, standardschrift(m.punkt(punkt), fett), spur > 0,
                                     m.punkt(LesbarePunkte));
        platzieren(zelle, links, oben, Spaltenbreiten[static_cast<std::size_t>(spalte)], hoehe, m);
        links += Spaltenbreiten[static_cast<std::size_t>(spalte)];
        zelle->setContentsMargins(m.skaliert(Zellrand), 0, m.skaliert(Zellrand), 0);
        zellen.push_back(zelle);
        // Names of different lengths read best from a common left edge.
        if (spalte == static_cast<int>(Mehrspurspalte::Fahrer))
            zelle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (spur == 0)
            continue;
        if (spalte == static_cast<int>(Mehrspurspalte::Fahrer)) {
            connect(zelle, &Labelknopf::gedrueckt, this,
                    [this, spur](Qt::MouseButton k) { emit fahrerGedrueckt(spur, k); });
            connect(zelle, &Labelknopf::geklickt, this,
                    [this, spur] { emit fahrerGeklickt(spur); });
        } else {
            connect(zelle, &Labelknopf::geklickt, this, [this, spur] { emit spurGewaehlt(spur); });
        }
    }
    return zellen;
}

void Spurentafel::darstellen(const Mehrspuransicht& a) {
    for (int spalte = 0; spalte < Mehrspurspalten; ++spalte)
        m_kopf[static_cast<std::size_t>(spalte)]->darstellen(
            {a.kopf[static_cast<std::size_t>(spalte)], Farben::Hellgrau, true, true});
    // The window builds the table anew for a track with another lane count, so the rows are
    // the view's.
    for (std::size_t z = 0; z < m_zeilen.size(); ++z)
        for (int spalte = 0; spalte < Mehrspurspalten; ++spalte)
            m_zeilen[z][static_cast<std::size_t>(spalte)]->darstellen(
                {a.zeilen.at(z).zellen[static_cast<std::size_t>(spalte)], a.zeilen.at(z).farbe,
                 true, true});
    if (m_gewaehlt != a.tabellenspur) {
        m_gewaehlt = a.tabellenspur;
        update();
    }
}

void Spurentafel::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    const int eck = m_massstab.skaliert(5);
    for (std::size_t z = 0; z < m_zeilenflaechen.size(); ++z) {
        const QRect flaeche = m_zeilenflaechen[z].adjusted(0, 1, 0, -1);
        if (static_cast<int>(z) + 1 == m_gewaehlt) {
            maler.setPen(QPen(qtFarbe(Tafelrand), m_massstab.skaliert(1)));
            maler.setBrush(qtFarbe(Gewaehlt));
            maler.drawRoundedRect(flaeche, eck, eck);
        }
        // A thin line between lanes, so the eye keeps to a row across the window.
        if (z > 0) {
            maler.setPen(QPen(QColor(0x7e, 0xa3, 0xdd, 90), 1));
            maler.drawLine(m_zeilenflaechen[z].topLeft(), m_zeilenflaechen[z].topRight());
        }
    }
}
