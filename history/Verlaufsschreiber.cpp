#include "Verlaufsschreiber.h"

#include "Verlaufsspeicher.h"

#include <QFileInfo>

namespace {
// SQLite's result codes of a lock held by another program: the connection itself is fine.
bool nurGesperrt(const Datenbankfehler& fehler) {
    return fehler.code == 5 || fehler.code == 6;
}
} // namespace

Verlaufsschreiber::Verlaufsschreiber(QString pfad)
    : m_pfad(std::move(pfad)), m_warteschlange(QFileInfo(m_pfad).absolutePath()) {}

Verlaufsschreiber::~Verlaufsschreiber() {
    // Blocking: every earlier record is tried first, and the connection closes on its own
    // thread.
    m_faden.dortAbwarten([this] {
        m_wiederholung.reset();
        m_db.reset();
    });
}

void Verlaufsschreiber::starten() {
    m_faden.dort([this] {
        // The races from files first: when the finding is told, wartende() has them.
        std::vector<Rennaufzeichnung> frueher;
        for (Rennwarteschlange::Eintrag& e : m_warteschlange.lesen()) {
            frueher.push_back(e.rennen);
            m_wartend.push_back({std::move(e.rennen), e.datei, true});
        }
        {
            const QMutexLocker sperre(&m_kopieSperre);
            m_kopie.insert(m_kopie.begin(), frueher.begin(), frueher.end());
        }
        vorbereiten();
        nachholen();
    });
}

void Verlaufsschreiber::ablegen(Rennaufzeichnung aufzeichnung) {
    if (m_bereit && !m_bereit())
        return;
    {
        const QMutexLocker sperre(&m_kopieSperre);
        m_kopie.push_back(aufzeichnung);
    }
    m_faden.dort([this, a = std::move(aufzeichnung)]() mutable {
        // The racer was told at start-up that nothing is stored into a newer program's file.
        if (m_neuereVersion) {
            const QMutexLocker sperre(&m_kopieSperre);
            m_kopie.erase(m_kopie.begin() + qsizetype(m_wartend.size()));
            return;
        }
        m_wartend.push_back({std::move(a), {}, false});
        nachholen();
    });
}

void Verlaufsschreiber::zustandAblegen(const QString& schluessel, Zustandsschreiben schreiben) {
    m_faden.dort([this, schluessel, schreiben = std::move(schreiben)]() mutable {
        if (m_neuereVersion)
            return;
        std::erase_if(m_zustaende, [&](const auto& z) { return z.first == schluessel; });
        m_zustaende.emplace_back(schluessel, std::move(schreiben));
        nachholen();
    });
}

void Verlaufsschreiber::abwarten() {
    m_faden.dortAbwarten([] {});
}

std::vector<Rennaufzeichnung> Verlaufsschreiber::wartende() const {
    const QMutexLocker sperre(&m_kopieSperre);
    return m_kopie;
}

void Verlaufsschreiber::vorbereiten() {
    if (!m_db)
        m_db = std::make_unique<Verlaufsdatenbank>(m_pfad);
    const Verlaufsbefund befund = m_db->vorbereiten();
    m_neuereVersion = befund.neuereVersion;
    m_faden.hier([this, befund] {
        if (m_beiBefund)
            m_beiBefund(befund);
    });
}

// Oldest first, so that the races keep their order; the first that fails ends the round.
void Verlaufsschreiber::nachholen() {
    while ((!m_wartend.empty() || !m_zustaende.empty()) && !m_neuereVersion) {
        // A folder or a file that was read-only may have become writable: the database is
        // tried anew.
        if (!m_db || !m_db->beschreibbar()) {
            vorbereiten();
            if (m_neuereVersion)
                break;
        }
        const std::optional<Datenbankfehler> fehler =
            m_db->beschreibbar() ? naechstesSchreiben()
                                 : std::optional<Datenbankfehler>(m_db->letzterFehler());
        if (fehler) {
            scheitern(*fehler);
            return;
        }
        m_gemeldet.reset();
    }
    if (m_wiederholung)
        m_wiederholung->stop();
}

std::optional<Datenbankfehler> Verlaufsschreiber::naechstesSchreiben() {
    if (m_wartend.empty()) {
        if (std::optional<Datenbankfehler> fehler = m_zustaende.front().second(*m_db))
            return fehler;
        m_zustaende.erase(m_zustaende.begin());
        return std::nullopt;
    }
    Wartend& w = m_wartend.front();
    if (std::optional<Datenbankfehler> fehler =
            Verlaufsspeicher(*m_db).speichern(w.rennen, w.vielleichtSchonDa))
        return fehler;
    if (!w.datei.isEmpty())
        Rennwarteschlange::entfernen(w.datei);
    m_wartend.erase(m_wartend.begin());
    const QMutexLocker sperre(&m_kopieSperre);
    m_kopie.erase(m_kopie.begin());
    return std::nullopt;
}

void Verlaufsschreiber::scheitern(const Datenbankfehler& fehler) {
    Schreibfehler f{schreibursacheFinden(m_pfad, fehler), {}, {}};
    // A connection that opened its files read-only stays so; the next round opens them anew.
    if (!nurGesperrt(fehler))
        m_db.reset();
    for (Wartend& w : m_wartend) {
        if (w.datei.isEmpty()) {
            const Rennwarteschlange::Ablage ablage = m_warteschlange.ablegen(w.rennen);
            w.datei = ablage.datei;
            if (ablage.datei.isEmpty())
                f.wartefehler = ablage.fehler;
        }
        if (!w.datei.isEmpty())
            f.wartedatei = w.datei;
    }
    if (!m_wiederholung) {
        m_wiederholung = std::make_unique<QTimer>();
        m_wiederholung->setInterval(Wiederholungsabstand);
        QObject::connect(m_wiederholung.get(), &QTimer::timeout, &m_faden.dortKontext(),
                         [this] { nachholen(); });
    }
    if (!m_wiederholung->isActive())
        m_wiederholung->start();
    // What the racer is told is about races; a state alone waits without a word.
    if (m_wartend.empty() || (m_gemeldet && m_gemeldet->ursache == f.ursache &&
                              m_gemeldet->wartefehler == f.wartefehler))
        return;
    m_gemeldet = f;
    m_faden.hier([this, f] {
        if (m_beiSchreibfehler)
            m_beiSchreibfehler(f);
    });
}
