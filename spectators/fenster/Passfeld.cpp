#include "Passfeld.h"

#include "Farbkontrast.h"
#include "QtFarbe.h"
#include "Texteinpassung.h"

#include <algorithm>

namespace {
// The line in that width: each name as wide as it is or as its share of what the words
// leave, a narrow name's unused share going to the wider ones.
Namenszeile namenKuerzen(Namenszeile zeile, const QFontMetrics& masse, int breite) {
    std::vector<std::pair<int, std::size_t>> namen; // width and part, the narrowest first
    int uebrig = breite;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const int noetig = masse.horizontalAdvance(zeile[i].text);
        if (zeile[i].name)
            namen.emplace_back(noetig, i);
        else
            uebrig -= noetig;
    }
    std::sort(namen.begin(), namen.end());
    std::vector<int> anteile(zeile.size());
    uebrig = std::max(uebrig, 0);
    for (std::size_t n = 0; n < namen.size(); ++n) {
        const int anteil = std::min(namen[n].first, uebrig / static_cast<int>(namen.size() - n));
        anteile[namen[n].second] = anteil;
        uebrig -= anteil;
    }
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        // A name given all it needs stays whole, whatever eliding makes of rounded widths.
        if (!zeile[i].name || anteile[i] >= masse.horizontalAdvance(zeile[i].text))
            continue;
        const QString name = masse.elidedText(zeile[i].text, Qt::ElideRight, anteile[i]);
        zeile[i].text = name.isEmpty() ? QStringLiteral("…") : name;
    }
    return zeile;
}

// The line with each name in its driver's colour; a colour that does not read on the dark
// ground carries its name as a plate, as on the lane cards. Every text escaped.
QString farbigeZeile(const Namenszeile& zeile) {
    QString html;
    for (const Zeilenteil& teil : zeile) {
        const QString text = teil.text.toHtmlEscaped();
        if (!teil.farbe) {
            html += text;
        } else if (lesbarAufKarte(*teil.farbe)) {
            html += QStringLiteral("<span style=\"color:%1\">%2</span>")
                        .arg(qtFarbe(*teil.farbe).name(), text);
        } else {
            html += QStringLiteral("<span style=\"color:%1; background:%2\">&nbsp;%3&nbsp;</span>")
                        .arg(qtFarbe(schriftAuf(*teil.farbe)).name(), qtFarbe(*teil.farbe).name(),
                             text);
        }
    }
    return html;
}
} // namespace

Passfeld::Passfeld(QWidget* eltern, Qt::Alignment ausrichtung) : QLabel(eltern) {
    setTextFormat(Qt::PlainText); // a winner's name shows as typed, markup and all
    setAlignment(ausrichtung);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void Passfeld::textSetzen(const QString& text) {
    zeileSetzen({{text, true}});
}

void Passfeld::zeileSetzen(const Namenszeile& zeile) {
    if (zeile == m_zeile)
        return;
    m_zeile = zeile;
    updateGeometry();
    einpassen();
}

void Passfeld::grundschriftSetzen(const QFont& schrift) {
    if (schrift == m_grundschrift)
        return;
    m_grundschrift = schrift;
    stilSetzen(); // the plate's corners grow with the type
    updateGeometry();
    einpassen();
}

void Passfeld::farbeSetzen(std::optional<Farbe> farbe, std::optional<Farbe> grund) {
    m_farbe = farbe;
    m_grund = grund;
    stilSetzen();
}

void Passfeld::stilSetzen() {
    QString blatt;
    if (m_farbe)
        blatt = QStringLiteral("color: %1;").arg(qtFarbe(*m_farbe).name());
    if (m_grund)
        blatt += QStringLiteral(" background: %1; border-radius: %2px; padding: 0 %2px;")
                     .arg(qtFarbe(*m_grund).name())
                     .arg(std::max(1, QFontMetrics(m_grundschrift).height() / 6));
    if (blatt != m_stil)
        setStyleSheet(m_stil = blatt);
}

QSize Passfeld::minimumSizeHint() const {
    return {0, QFontMetrics(m_grundschrift).height()};
}

QSize Passfeld::sizeHint() const {
    return {QFontMetrics(m_grundschrift).horizontalAdvance(zeilentext(m_zeile)),
            minimumSizeHint().height()};
}

void Passfeld::resizeEvent(QResizeEvent* ereignis) {
    QLabel::resizeEvent(ereignis);
    einpassen();
}

void Passfeld::einpassen() {
    const QString ganz = zeilentext(m_zeile);
    const int breite = contentsRect().width() - std::max(0, indent()) - 2 * margin();
    Einpassung e = ::einpassen(ganz, m_grundschrift, breite, m_grundschrift.pointSizeF() / 2);
    const bool woerter =
        std::any_of(m_zeile.begin(), m_zeile.end(), [](const Zeilenteil& t) { return !t.name; });
    const bool inTeilen = !e.gekuerzt || woerter;
    const Namenszeile teile =
        e.gekuerzt && woerter ? namenKuerzen(m_zeile, QFontMetrics(e.schrift), breite) : m_zeile;
    const bool farbig = inTeilen && std::any_of(teile.begin(), teile.end(),
                                                [](const Zeilenteil& t) { return t.farbe; });
    if (farbig)
        e.text = farbigeZeile(teile);
    else if (inTeilen)
        e.text = zeilentext(teile);
    if (font() != e.schrift)
        setFont(e.schrift);
    // Names show as typed, markup and all: only a line of coloured names is markup, its
    // own, with every text escaped.
    setTextFormat(farbig ? Qt::RichText : Qt::PlainText);
    if (text() != e.text)
        setText(e.text);
    const QString tipp = e.gekuerzt ? alsKlartext(ganz) : QString();
    if (toolTip() != tipp)
        setToolTip(tipp);
}
