#include "Hauptfenster.h"

#include "Bilddateien.h"
#include "Bilder.h"
#include "Labelknopf.h"
#include "Mehrspurhintergrund.h"
#include "Rundentabellenmodell.h"
#include "Spurentafel.h"
#include "Standardschrift.h"
#include "Statusleistenanzeige.h"
#include "Tastenzuordnung.h"
#include "Twips.h"
#include "Zoomen.h"

#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>

struct Mittelplaetze {
    QRect hof, optionen, start, countdown, crash; // twips
    std::array<int, 5> ampelLinks;
    int ampelOben;
    int countdownRand; // pixels
};

namespace {
constexpr QSize Lampengroesse(32, 32);
// The two-lane window's, where the designed layout has them; the time left of a race by
// time stands inside the small round badge of the countdown.
const Mittelplaetze Zweispurmitte{{4440, 2250, 2415, 375},
                                  {4440, 3000, 2415, 375},
                                  {4440, 3780, 2415, 375},
                                  {5040, 5000, 1095, 570},
                                  {4020, 5880, 3075, 375},
                                  {4020, 4680, 5340, 6000, 6660},
                                  6300,
                                  15};
// Beneath the lanes' table: the label-buttons on the left, the light in the middle with the
// countdown over it, the chosen lane's lap table on the right.
const Mittelplaetze Mehrspurmitte{{150, 4920, 2415, 375},
                                  {150, 5580, 2415, 375},
                                  {150, 6240, 2415, 375},
                                  {3590, 4860, 1400, 570},
                                  {2752, 6330, 3075, 375},
                                  {2850, 3450, 4050, 4650, 5250},
                                  5550,
                                  0};
constexpr QRect Zweispurtabellen[] = {{270, 1215, 3495, 2895}, {7490, 1220, 3495, 2895}};
constexpr QRect Spurentafelplatz{150, 120, 10950, 4620};
constexpr QRect Tabellentitelplatz{6150, 4860, 4950, 330};
constexpr QRect Mehrspurtabelle{6150, 5190, 4950, 1800};
// The two-lane tables show ten laps with header and summary; the one beneath the lanes as
// many of the same height as it holds.
constexpr int SichtbareZeilen = 12;
constexpr int MehrspurZeilen = 7;
constexpr int RundenRand = 10; // pixels

QRect pixel(const QRect& t, const Massstab& m) {
    return {m.pixel(t.left()), m.pixel(t.top()), m.pixel(t.width()), m.pixel(t.height())};
}

void zeigen(Labelknopf* knopf, const Beschriftung& feld) {
    knopf->darstellen({feld.text, feld.farbe, feld.bedienbar, feld.sichtbar});
}
} // namespace

Hauptfenster::Hauptfenster(Rennen& rennen, Programmstart& start, Tastatur& tastatur,
                           Fahrernamen& fahrer, QtDialoge& dialoge)
    : m_rennen(rennen), m_start(start), m_tastatur(tastatur), m_fahrer(fahrer),
      m_dialoge(dialoge) {
    setWindowIcon(QIcon(QStringLiteral(":/bilder/symbol.svg")));
    // The window takes every key itself; no control can hold the focus.
    setFocusPolicy(Qt::StrongFocus);
    anordnen();
    darstellen();
    m_rennen.beobachterAnmelden(*this);
    m_dialoge.elternSetzen(this);
    // A dialog opened inside one of the race's events (a false start, the finish) comes
    // before the race tells its change; it must not open over the race as it stood before.
    m_dialoge.vorJedemModalenFenster([this] { darstellen(); });
}

Hauptfenster::~Hauptfenster() {
    m_dialoge.vorJedemModalenFenster({});
    m_rennen.beobachterAbmelden(*this);
}

QSize Hauptfenster::entwurfsgroesse() {
    return {twips(11250), twips(7425)};
}

void Hauptfenster::anordnen() {
    const Massstab& m = m_massstab;
    setFixedSize(m.pixel(11250), m.pixel(7425));
    setFont(standardschrift(m.punkt(8)));
    m_aufgebauteSpuren = m_rennen.spurenzahl();
    if (mehrspurig())
        mehrspurigAufbauen();
    else
        aufbauen();
    // Controls made in a window already shown stay hidden until told. They are shown before
    // they take the zoom's style, which a table lays out its scroll bar by only while shown;
    // the view state then hides those it hides.
    if (isVisible())
        for (QWidget* kind : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            kind->show();
    stilZoomen(this, m);
    for (int platz = 1; platz <= (mehrspurig() ? 1 : 2); ++platz)
        tabelleBemessen(platz);
}

void Hauptfenster::steuerelementeEntfernen() {
    for (QWidget* kind : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A message or window open over this one stays.
        if (kind->isWindow())
            continue;
        kind->hide();
        kind->setParent(nullptr);
        kind->deleteLater();
    }
    m_gezeigteLampen = {};
    m_gezeigtePfeile = {};
    m_spurentafel = nullptr;
    m_tabellentitel = nullptr;
}

void Hauptfenster::massstabSetzen(const Massstab& massstab) {
    if (massstab == m_massstab)
        return;
    m_massstab = massstab;
    // Every control is built anew; what they show comes from the view state.
    steuerelementeEntfernen();
    anordnen();
    darstellen();
}

Labelknopf* Hauptfenster::label(int links, int oben, int breite, int hoehe, double punkt, bool fett,
                                bool alsKnopf) {
    const Massstab& m = m_massstab;
    auto* l = new Labelknopf(this, standardschrift(m.punkt(punkt), fett), alsKnopf,
                             m.punkt(LesbarePunkte));
    platzieren(l, links, oben, breite, hoehe, m);
    return l;
}

QTableView* Hauptfenster::tabelle(int platz, int spur, QRect twips) {
    auto* view = new QTableView(this);
    m_tabellen[platz] = view;
    m_modelle[platz] = nullptr;
    tabellenspurSetzen(platz, spur);
    view->setFocusPolicy(Qt::NoFocus);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    platzieren(view, twips.left(), twips.top(), twips.width(), twips.height(), m_massstab);
    return view;
}

void Hauptfenster::tabellenspurSetzen(int platz, int spur) {
    QTableView* view = m_tabellen[platz];
    Rundentabellenmodell* altes = m_modelle[platz];
    m_modelle[platz] = new Rundentabellenmodell(Rundentabelle(m_rennen, spur), view);
    m_tabellenspuren[platz] = spur;
    view->setModel(m_modelle[platz]);
    delete altes;
    // What a screen reader calls the table; the two-lane window shows no heading of its own.
    view->setAccessibleName(QStringLiteral("Rundentabelle Spur ") + QString::number(spur));
}

void Hauptfenster::tabelleNachfuehren(int platz, const Rundentabelle& tabelle) {
    m_modelle[platz]->aktualisieren();
    const int letzte = tabelle.letzteGeschriebeneZeile();
    if (letzte > 0)
        m_tabellen[platz]->scrollTo(m_modelle[platz]->index(letzte - 1, 0));
    else
        m_tabellen[platz]->scrollToTop();
}

void Hauptfenster::tabelleBemessen(int platz) {
    QTableView* view = m_tabellen[platz];
    // The heading, ten laps and the summary row share the table's height, so a race of up
    // to ten laps shows whole without scrolling; the heading takes what is left over. A
    // zoomed row is the designed row zoomed, so the heading keeps its share too.
    const Massstab& m = m_massstab;
    const int innen = view->height() - 2 * view->frameWidth();
    const int sichtbar = mehrspurig() ? MehrspurZeilen : SichtbareZeilen;
    const int zeile = m.skaliert(innen * 100 / m.prozent() / sichtbar);
    view->verticalHeader()->setMinimumSectionSize(0);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(zeile);
    view->horizontalHeader()->setFixedHeight(innen - (sichtbar - 1) * zeile);
    // Each column fits its heading; what is left is shared equally.
    const Rundentabelle t(m_rennen, m_tabellenspuren[platz]);
    const QFontMetrics masse = view->horizontalHeader()->fontMetrics();
    int rest = view->width() - view->verticalScrollBar()->sizeHint().width() - m.skaliert(2);
    std::array<int, Rundentabelle::Spaltenzahl> breiten{};
    for (int spalte = 0; spalte < Rundentabelle::Spaltenzahl; ++spalte) {
        breiten[spalte] =
            masse.horizontalAdvance(t.zelle(0, spalte).text.trimmed()) + m.skaliert(10);
        rest -= breiten[spalte];
    }
    for (int spalte = 0; spalte < Rundentabelle::Spaltenzahl; ++spalte)
        view->setColumnWidth(spalte, breiten[spalte] + rest / Rundentabelle::Spaltenzahl);
}

void Hauptfenster::aufbauen() {
    const Massstab& m = m_massstab;
    const QSize bildgroesse = m.skaliert(QSize(750, 480));
    auto* hintergrund = new QLabel(this);
    hintergrund->setPixmap(bild(QStringLiteral(":/bilder/hintergrund.svg"), bildgroesse));
    hintergrund->setGeometry(QRect(QPoint(0, 0), bildgroesse));

    m_fahrerschilder[1] = label(420, 300, 3375, 615, 24, false, true);
    m_fahrerschilder[2] = label(7560, 315, 3375, 615, 24, false, true);
    tabelle(1, 1, Zweispurtabellen[0]);
    tabelle(2, 2, Zweispurtabellen[1]);
    m_zeitanzeigen[1] = label(240, 4500, 3495, 570, 24, false);
    m_zeitanzeigen[2] = label(7440, 4500, 3615, 570, 24, false);
    m_bestzeitanzeigen[1] = label(240, 4500, 3495, 570, 24, false);
    m_bestzeitanzeigen[2] = label(7500, 4500, 3495, 570, 24, false);
    m_restrundenanzeigen[1] = label(1080, 5600, 1815, 975, 48, false);
    m_restrundenanzeigen[2] = label(8280, 5600, 1815, 975, 48, false);
    // The laps to go stand inside the round badge of the background, narrower than the label.
    for (int spur = 1; spur <= 2; ++spur)
        m_restrundenanzeigen[spur]->setContentsMargins(m.skaliert(RundenRand), 0,
                                                       m.skaliert(RundenRand), 0);
    mitteAufbauen(Zweispurmitte);
    m_pfeile[1] = new QLabel(this);
    platzieren(m_pfeile[1], 4020, 300, 480, 480, m);
    m_pfeile[2] = new QLabel(this);
    platzieren(m_pfeile[2], 6780, 360, 480, 480, m);
    statusleisteAufbauen();

    for (int spur = 1; spur <= 2; ++spur) {
        connect(m_fahrerschilder[spur], &Labelknopf::gedrueckt, this,
                [this, spur](Qt::MouseButton k) { fahrerGedrueckt(spur, k); });
        connect(m_fahrerschilder[spur], &Labelknopf::geklickt, this,
                [this, spur] { m_fahrer.umbenennen(spur); });
    }
}

void Hauptfenster::mehrspurigAufbauen() {
    const Massstab& m = m_massstab;
    auto* hintergrund = new QLabel(this);
    const std::vector<QRect> tafeln{
        pixel(Spurentafelplatz, m),        pixel(Mehrspurmitte.hof, m),
        pixel(Mehrspurmitte.optionen, m),  pixel(Mehrspurmitte.start, m),
        pixel(Mehrspurmitte.countdown, m), pixel(Tabellentitelplatz.united(Mehrspurtabelle), m),
    };
    hintergrund->setPixmap(
        mehrspurhintergrund(QSize(m.pixel(11250), m.pixel(7200)), tafeln, m.prozent()));
    hintergrund->setGeometry(QRect(QPoint(0, 0), hintergrund->pixmap().size()));

    m_spurentafel = new Spurentafel(this, Spurentafelplatz, m_aufgebauteSpuren, m);
    m_tabellentitel = label(Tabellentitelplatz.left(), Tabellentitelplatz.top(),
                            Tabellentitelplatz.width(), Tabellentitelplatz.height(), 9, true);
    // The lane chosen comes with the view state.
    tabelle(1, 1, Mehrspurtabelle);
    mitteAufbauen(Mehrspurmitte);
    statusleisteAufbauen();

    connect(m_spurentafel, &Spurentafel::fahrerGedrueckt, this, &Hauptfenster::fahrerGedrueckt);
    connect(m_spurentafel, &Spurentafel::fahrerGeklickt, this,
            [this](int spur) { m_fahrer.umbenennen(spur); });
    connect(m_spurentafel, &Spurentafel::spurGewaehlt, this, [this](int spur) {
        m_gewaehlteSpur = spur;
        darstellen();
    });
}

void Hauptfenster::mitteAufbauen(const Mittelplaetze& p) {
    const Massstab& m = m_massstab;
    const auto knopf = [this](const QRect& t, double punkt, bool fett, bool alsKnopf) {
        return label(t.left(), t.top(), t.width(), t.height(), punkt, fett, alsKnopf);
    };
    m_hofKnopf = knopf(p.hof, 15.75, true, true);
    m_optionenKnopf = knopf(p.optionen, 15.75, true, true);
    m_startKnopf = knopf(p.start, 15.75, true, true);
    m_startKnopf->tippSetzen(QStringLiteral("Enter"));
    m_countdownAnzeige = knopf(p.countdown, 24, false, false);
    m_countdownAnzeige->setContentsMargins(m.skaliert(p.countdownRand), 0,
                                           m.skaliert(p.countdownRand), 0);
    m_crashAnzeige = knopf(p.crash, 15.75, true, false);
    m_crashAnzeige->tippSetzen(QStringLiteral("Enter"));
    for (int lampe = 1; lampe <= 5; ++lampe) {
        m_lampen[lampe] = new QLabel(this);
        platzieren(m_lampen[lampe], p.ampelLinks[lampe - 1], p.ampelOben, 480, 480, m);
    }
    connect(m_startKnopf, &Labelknopf::geklickt, this, [this] { m_rennen.startGedrueckt(); });
    connect(m_optionenKnopf, &Labelknopf::geklickt, this, [this] { m_start.optionenOeffnen(); });
    connect(m_hofKnopf, &Labelknopf::geklickt, this, [this] { m_tastatur.hallOfFameZeigen(); });
    connect(m_countdownAnzeige, &Labelknopf::losgelassen, this,
            [this](Qt::KeyboardModifiers umschaltung) {
                m_tastatur.countdownGeklickt(umschaltungVon(umschaltung));
            });
}

void Hauptfenster::statusleisteAufbauen() {
    m_statusleiste =
        new Statusleistenanzeige(hauptfensterAnsicht(m_rennen).statusleiste, this, m_massstab);
    platzieren(m_statusleiste, 0, 7050, 11250, 375, m_massstab);
    connect(m_statusleiste, &Statusleistenanzeige::feldGeklickt, this,
            [this] { m_tastatur.statusleisteGeklickt(); });
}

// The right button brings the colour menu.
void Hauptfenster::fahrerGedrueckt(int spur, Qt::MouseButton knopf) {
    m_fahrer.gedrueckt(spur, knopf == Qt::RightButton ? farbmenueZeigen() : std::nullopt);
}

void Hauptfenster::keyPressEvent(QKeyEvent* ereignis) {
    // A held key repeats; every key acts once per press, so a held Shift+1 drives no laps
    // and a held Enter does not stop the race it started.
    if (!m_anschlaege.gedrueckt(anschlagVon(*ereignis)))
        return;
    m_tastatur.tasteGedrueckt(tasteVon(*ereignis), umschaltungVon(ereignis->modifiers()));
}

void Hauptfenster::keyReleaseEvent(QKeyEvent* ereignis) {
    m_anschlaege.losgelassen(anschlagVon(*ereignis));
}

// A dialog a key opened takes that key's release.
void Hauptfenster::focusOutEvent(QFocusEvent* ereignis) {
    m_anschlaege.vergessen();
    QWidget::focusOutEvent(ereignis);
}

std::optional<int> Hauptfenster::farbmenueZeigen() {
    QMenu menue(QStringLiteral("Farbe"), this);
    for (const Farbeintrag& eintrag : Farbmenue())
        menue.addAction(eintrag.caption);
    QAction* gewaehlt = menue.exec(QCursor::pos());
    if (!gewaehlt)
        return std::nullopt;
    return static_cast<int>(menue.actions().indexOf(gewaehlt));
}

void Hauptfenster::abendzeileSetzen(const QString& zeile) {
    m_abendzeile = zeile;
    darstellen();
}

void Hauptfenster::darstellen() {
    // Settings for another track bring the controls its lanes need.
    if (m_rennen.spurenzahl() != m_aufgebauteSpuren) {
        steuerelementeEntfernen();
        anordnen();
    }
    const HauptfensterAnsicht a = hauptfensterAnsicht(m_rennen, m_abendzeile);
    if (windowTitle() != a.titel)
        setWindowTitle(a.titel);
    if (mehrspurig())
        mehrspurigDarstellen();
    else
        zweispurigDarstellen(a);
    zeigen(m_hofKnopf, a.hallOfFame);
    zeigen(m_optionenKnopf, a.optionen);
    zeigen(m_startKnopf, a.start);
    zeigen(m_countdownAnzeige, a.countdown);
    zeigen(m_crashAnzeige, a.crash);
    for (int lampe = 1; lampe <= 5; ++lampe) {
        if (m_gezeigteLampen[lampe] != a.ampel[lampe]) {
            m_gezeigteLampen[lampe] = a.ampel[lampe];
            m_lampen[lampe]->setPixmap(
                bild(bilddatei(a.ampel[lampe]), m_massstab.skaliert(Lampengroesse)));
        }
    }
    m_statusleiste->darstellen(a.statusleiste);
}

void Hauptfenster::mehrspurigDarstellen() {
    const Mehrspuransicht a = mehrspuransicht(m_rennen, m_gewaehlteSpur);
    m_spurentafel->darstellen(a);
    m_tabellentitel->darstellen({a.tabellentitel, Farben::Hellgrau, true, true});
    if (m_tabellenspuren[1] != a.tabellenspur)
        tabellenspurSetzen(1, a.tabellenspur);
    tabelleNachfuehren(1, Rundentabelle(m_rennen, a.tabellenspur));
}

void Hauptfenster::zweispurigDarstellen(const HauptfensterAnsicht& a) {
    for (int spur = 1; spur <= 2; ++spur) {
        zeigen(m_fahrerschilder[spur], a.fahrer[spur]);
        zeigen(m_zeitanzeigen[spur], a.zeit[spur]);
        zeigen(m_bestzeitanzeigen[spur], a.bestzeit[spur]);
        zeigen(m_restrundenanzeigen[spur], a.restrunden[spur]);
        const Pfeilbild& pfeil = a.spurwechsel[spur];
        if (m_gezeigtePfeile[spur] != pfeil.bild) {
            m_gezeigtePfeile[spur] = pfeil.bild;
            m_pfeile[spur]->setPixmap(
                bild(bilddatei(pfeil.bild), m_massstab.skaliert(Lampengroesse)));
        }
        m_pfeile[spur]->setVisible(pfeil.sichtbar);
        tabelleNachfuehren(spur, a.rundentabellen[spur]);
    }
}
