#include "Zuschauerbetrieb.h"

#include "Netzadresse.h"
#include "Rennen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

Zuschauerbetrieb::Zuschauerbetrieb(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge)
    : m_stand(rennen, m_uhr, m_takt), m_einstellungen(speicher), m_dialoge(dialoge) {
    rennen.beobachterAnmelden(m_stand);
    m_takt.beiJedemTick([this] { m_stand.taktSchlag(); });
    m_stand.beiAenderung([this](const Zuschaueransicht& ansicht) {
        m_web.veroeffentlichen(ansicht);
        if (m_fenster)
            m_fenster->darstellen(ansicht);
    });
    m_web.veroeffentlichen(m_stand.ansicht());
}

Zuschauerbetrieb::~Zuschauerbetrieb() {
    if (m_fenster)
        lageMerken();
}

void Zuschauerbetrieb::seiteStarten(bool verlangt, std::optional<QString> adresse,
                                    std::optional<quint16> port) {
    if (!verlangt && !m_einstellungen.seiteAn())
        return;
    const Hoerort ort{adresse.value_or(m_einstellungen.adresse()),
                      port.value_or(m_einstellungen.port())};
    if (!ort.adresse.isEmpty() && !ipAdresse(ort.adresse)) {
        // Never every network instead of the one asked for.
        m_dialoge.meldung(QStringLiteral("Die Zuschauerseite startet nicht: ZuschauerAdresse "
                                         "„%1“ ist keine IP-Adresse. Rundomat läuft ohne die "
                                         "Seite weiter.")
                              .arg(ort.adresse),
                          Anwendungstitel);
        return;
    }
    if (const std::optional<QString> fehler = m_web.starten(ort))
        m_dialoge.meldung(*fehler, Anwendungstitel);
}

std::optional<QString> Zuschauerbetrieb::adresse() const {
    if (!m_web.laeuft())
        return std::nullopt;
    const Hoerort ort = m_web.ort();
    return seitenadresse(ort) + QStringLiteral(" (") + seitenreichweite(ort) + QLatin1Char(')');
}

void Zuschauerbetrieb::umschalten() {
    if (m_fenster) {
        schliessen();
        return;
    }
    m_fenster = std::make_unique<Zuschauerfenster>(m_hauptfenster);
    QObject::connect(m_fenster.get(), &Zuschauerfenster::vollbildGewuenscht, m_fenster.get(),
                     [this] { vollbildUmschalten(); });
    // Closed by the window system: remembered, and gone after the event that closed it.
    QObject::connect(m_fenster.get(), &Zuschauerfenster::geschlossen, m_fenster.get(), [this] {
        lageMerken();
        m_fenster.release()->deleteLater();
    });
    m_fenster->darstellen(m_stand.ansicht());
    m_fenster->adresseZeigen(adresse().value_or(QString()));

    std::vector<Bildschirm> bildschirme;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* s : screens)
        bildschirme.push_back({s->name(), s->availableGeometry()});
    const int haupt =
        m_hauptfenster ? static_cast<int>(screens.indexOf(m_hauptfenster->screen())) : 0;
    const Fensterlage lage = m_einstellungen.lage(bildschirme, std::max(haupt, 0));
    m_fenster->setGeometry(lage.rahmen);
    if (!screens.isEmpty()) {
        m_fenster->winId(); // the native window exists, so it can be put on its screen
        m_fenster->windowHandle()->setScreen(screens[lage.bildschirm]);
    }
    m_fenster->show();
    m_vollbild = false;
    if (lage.vollbild)
        vollbildUmschalten();
}

void Zuschauerbetrieb::vollbildUmschalten() {
    if (!m_fenster)
        return;
    // Our own flag: without a window manager the window system never confirms the state.
    m_vollbild = !m_vollbild;
    if (!m_vollbild) {
        m_fenster->showNormal();
        m_fenster->setGeometry(m_normal);
    } else {
        m_normal = m_fenster->geometry();
        m_fenster->showFullScreen();
        // Without a window manager no one else makes it fill the screen.
        m_fenster->setGeometry(m_fenster->screen()->geometry());
    }
}

void Zuschauerbetrieb::schliessen() {
    lageMerken();
    m_fenster.reset();
}

void Zuschauerbetrieb::lageMerken() {
    const QSize groesse = m_vollbild ? m_normal.size() : m_fenster->size();
    const QScreen* screen = m_fenster->screen();
    m_einstellungen.merken(screen ? screen->name() : QString(), groesse, m_vollbild);
}
