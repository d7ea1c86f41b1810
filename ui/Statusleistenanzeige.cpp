#include "Statusleistenanzeige.h"

#include "Texteinpassung.h"
#include "Twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace {
// Panel widths in twips, left to right, as long as their texts fit.
constexpr int Breiten[] = {1540, 1000, 1600, 1640, 4000, 1440};
constexpr int Abstand = 30;
// The speed panel gives up width to panels whose texts need more, down to this; then the
// port panel shortens its path instead.
const QString Dehnfeld = QStringLiteral("maxg");
constexpr int DehnfeldMindestens = 1600;
const QString Portfeld = QStringLiteral("port");

int entwurf(std::size_t i) {
    return i < std::size(Breiten) ? Breiten[i] : 1000;
}

// The port panel's paths lose their middles; where lanes 5 to 8 have a port of their own
// after the " + ", each path keeps its name: the second takes at most half the room, the
// first the rest.
QString portKuerzen(const QString& text, const QFontMetrics& masse, int platz) {
    const QString plus = QStringLiteral(" + ");
    const qsizetype trenner = text.indexOf(plus);
    if (trenner < 0 || masse.horizontalAdvance(text) <= platz)
        return pfadKuerzen(text, masse, platz);
    const int frei = platz - masse.horizontalAdvance(plus);
    const QString zweiter = pfadKuerzen(text.mid(trenner + plus.size()), masse, frei / 2);
    return pfadKuerzen(text.left(trenner), masse, frei - masse.horizontalAdvance(zweiter)) + plus +
           zweiter;
}
} // namespace

Statusleistenanzeige::Statusleistenanzeige(const Statusleiste& leiste, QWidget* eltern,
                                           const Massstab& massstab)
    : QWidget(eltern), m_massstab(massstab) {
    setAutoFillBackground(true);
    for (std::size_t i = 0; i < leiste.alle().size(); ++i) {
        auto* feld = new QLabel(this);
        feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        feld->setLineWidth(massstab.skaliert(1));
        feld->setIndent(massstab.skaliert(3));
        // Panels show port names, driver names and box messages: never as markup.
        feld->setTextFormat(Qt::PlainText);
        feld->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_felder.push_back(feld);
    }
    darstellen(leiste);
}

int Statusleistenanzeige::textplatz(const QLabel* feld, int breite) const {
    return m_massstab.pixel(breite - Abstand) - 2 * feld->frameWidth() - feld->indent() -
           m_massstab.skaliert(2);
}

std::vector<int> Statusleistenanzeige::breiten(const Statusleiste& leiste) const {
    const auto& felder = leiste.alle();
    std::vector<int> b(felder.size());
    int gesamt = 0, belegt = 0;
    std::optional<std::size_t> dehnfeld, portfeld;
    for (std::size_t i = 0; i < felder.size(); ++i) {
        gesamt += entwurf(i);
        if (felder[i].schluessel == Dehnfeld) {
            dehnfeld = i;
            continue;
        }
        if (felder[i].schluessel == Portfeld)
            portfeld = i;
        // Twips a text needs: its pixels, the panel's frame and indent, one pixel for
        // rounding.
        const int prozent = m_massstab.prozent();
        const int rahmen = entwurf(i) * prozent / 1500 - textplatz(m_felder[i], entwurf(i));
        const int pixel = m_felder[i]->fontMetrics().horizontalAdvance(felder[i].text) + rahmen + 1;
        const int noetig = (pixel * 1500 + prozent - 1) / prozent;
        b[i] = std::max(entwurf(i), noetig);
        belegt += b[i];
    }
    if (!dehnfeld)
        return b;
    int dehnbreite = gesamt - belegt;
    if (portfeld && dehnbreite < DehnfeldMindestens) {
        const int abgeben =
            std::min(b[*portfeld] - entwurf(*portfeld), DehnfeldMindestens - dehnbreite);
        b[*portfeld] -= abgeben;
        dehnbreite += abgeben;
    }
    b[*dehnfeld] = std::max(dehnbreite, Abstand + 15);
    return b;
}

// A text wider than its panel shows whole as the panel's tooltip, above the panel's
// description: a device path loses its middle, any other text its end.
void Statusleistenanzeige::darstellen(const Statusleiste& leiste) {
    const std::vector<int> b = breiten(leiste);
    int links = 0;
    for (std::size_t i = 0; i < m_felder.size(); ++i) {
        QLabel* feld = m_felder[i];
        const Statusfeld& inhalt = leiste.alle()[i];
        platzieren(feld, links, Abstand, b[i] - Abstand, 330, m_massstab);
        links += b[i];
        const int platz = textplatz(feld, b[i]);
        const QString gekuerzt =
            inhalt.schluessel == Portfeld
                ? portKuerzen(inhalt.text, feld->fontMetrics(), platz)
                : feld->fontMetrics().elidedText(inhalt.text, Qt::ElideRight, platz);
        if (feld->text() != gekuerzt)
            feld->setText(gekuerzt);
        QString tipp = inhalt.tipp;
        if (gekuerzt != inhalt.text)
            tipp = tipp.isEmpty() ? inhalt.text : inhalt.text + QLatin1Char('\n') + tipp;
        feld->setToolTip(tipp.isEmpty() ? QString() : alsKlartext(tipp));
    }
}

void Statusleistenanzeige::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton)
        emit feldGeklickt();
}
