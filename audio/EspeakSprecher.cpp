#include "EspeakSprecher.h"

#include "Abtastwerte.h"
#include "Audiogeraet.h"
#include "Sprachsynthese.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QTimer>
#include <cstring>
#include <memory>
#include <optional>

namespace {
// Texts that follow within this time go on in the open stream.
constexpr int StilleBisZumSchliessenMs = 5000;
// An output still not done this long after the end of its text has hung.
constexpr int SprachNachlaufMs = 1000;
// What the audio output holds ahead: a cut text still sounds this long, and a text counts
// as said this long before its end, so the next one follows without a gap.
constexpr qint64 VorratMikrosekunden = 150'000;

// The samples of the text being said as the audio output reads them, then nothing until
// the next text. Unbuffered, so every read is the output's own.
class Sprachstrom final : public QIODevice {
public:
    std::function<void()> beimErstenLesen;
    std::function<void()> beimLetztenLesen;

    void setzen(QByteArray daten) {
        m_daten = std::move(daten);
        m_stelle = 0;
        m_begonnen = false;
        emit readyRead();
    }
    void leeren() {
        m_daten.clear();
        m_stelle = 0;
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_daten.size() - m_stelle; }

protected:
    qint64 readData(char* ziel, qint64 hoechstens) override {
        const qint64 anzahl = std::min(hoechstens, bytesAvailable());
        if (anzahl <= 0)
            return 0;
        std::memcpy(ziel, m_daten.constData() + m_stelle, static_cast<std::size_t>(anzahl));
        m_stelle += anzahl;
        if (!std::exchange(m_begonnen, true) && beimErstenLesen)
            beimErstenLesen();
        if (bytesAvailable() == 0) {
            leeren();
            beimLetztenLesen();
        }
        return anzahl;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_daten;
    qint64 m_stelle = 0;
    bool m_begonnen = false;
};
} // namespace

// Lives on the voice's thread; everything it owns is made and destroyed there.
class EspeakSprecher::Werk final : public QObject {
public:
    explicit Werk(EspeakSprecher& sprecher) : m_sprecher(sprecher) {}

    void einrichten() {
        m_synthese.emplace();
        m_sprecher.m_ohneStimme = !m_synthese->bereit();
        m_strom = std::make_unique<Sprachstrom>();
        m_strom->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        m_strom->beimLetztenLesen = [this] { ausgegeben(); };
        m_stille = std::make_unique<QTimer>();
        m_stille->setSingleShot(true);
        m_stille->setInterval(StilleBisZumSchliessenMs);
        connect(m_stille.get(), &QTimer::timeout, this, [this] { ausgabeSchliessen(); });
        m_frist = std::make_unique<QTimer>();
        m_frist->setSingleShot(true);
        connect(m_frist.get(), &QTimer::timeout, this, [this] { ausgabeHaengt(); });
    }
    void abbauen() {
        ausgabeSchliessen();
        m_frist.reset();
        m_stille.reset();
        m_strom.reset();
    }
    void ersteSamplesMelden(std::function<void()> aufruf) {
        m_strom->beimErstenLesen = std::move(aufruf);
    }

    void sagen(int nummer, const QString& text, const Sprechweise& weise,
               const QAudioDevice& geraet) {
        const auto ueberholt = [this, nummer] { return nummer != m_sprecher.m_nummer.load(); };
        if (ueberholt())
            return;
        const std::vector<short> samples = m_synthese->rendern(text, weise);
        if (ueberholt())
            return;
        if (samples.empty() || !ausgabeBereit(geraet)) {
            m_sprecher.gesagtMelden(nummer);
            return;
        }
        m_stille->stop();
        m_spricht = nummer;
        m_strom->setzen(umgewandelt(samples, m_synthese->abtastrate(), m_ausgabe->format()));
        m_frist->start(int(qint64(samples.size()) * 1000 / m_synthese->abtastrate()) + SprachNachlaufMs);
    }

    void verstummen() {
        m_strom->leeren();
        m_spricht = 0;
        m_frist->stop();
        if (m_ausgabe)
            m_stille->start();
    }

private:
    // The output follows the default device from one stream to the next.
    bool ausgabeBereit(const QAudioDevice& geraet) {
        if (m_ausgabe)
            return true;
        if (geraet.isNull())
            return false;
        const QAudioFormat format = geraet.preferredFormat();
        m_ausgabe = std::make_unique<QAudioSink>(geraet, format);
        m_ausgabe->setBufferSize(format.bytesForDuration(VorratMikrosekunden));
        // Without a sound server the start fails and says so in a signal before it returns;
        // the output is listened to only once it runs.
        m_ausgabe->start(m_strom.get());
        if (m_ausgabe->error() != QAudio::NoError) {
            ausgabeSchliessen();
            return false;
        }
        connect(m_ausgabe.get(), &QAudioSink::stateChanged, this, [this] { zustandGewechselt(); });
        return true;
    }

    // A failed output (the sound server went away) is dropped; a text it was playing counts
    // as said, so the announcements go on, silently until a new stream works.
    void zustandGewechselt() {
        const QAudio::Error fehler = m_ausgabe->error();
        if (fehler == QAudio::NoError || fehler == QAudio::UnderrunError)
            return;
        ausgabeSchliessen();
        m_strom->leeren();
        if (m_spricht)
            ausgegeben();
    }

    void ausgegeben() {
        m_frist->stop();
        m_sprecher.gesagtMelden(std::exchange(m_spricht, 0));
        if (m_ausgabe)
            m_stille->start();
    }

    // After the sound server came back, Qt's audio may leave an output that never reads
    // again; the text counts as said, so the announcements behind it are not held up, and
    // the next one gets a new output.
    void ausgabeHaengt() {
        if (!m_spricht)
            return;
        ausgabeSchliessen();
        m_strom->leeren();
        ausgegeben();
    }

    // Deleted later, from the event loop: the output may be in its own signal now, and its
    // destruction runs the thread's pending events, which may ask for a new one. Disconnected
    // and stopped first, so it neither tells nor reads anything more; a child until then, so
    // it goes with this object.
    void ausgabeSchliessen() {
        if (!m_ausgabe)
            return;
        m_ausgabe->disconnect(this);
        m_ausgabe->stop();
        m_ausgabe->setParent(this);
        m_ausgabe.release()->deleteLater();
    }

    EspeakSprecher& m_sprecher;
    std::optional<Sprachsynthese> m_synthese;
    std::unique_ptr<Sprachstrom> m_strom;
    std::unique_ptr<QTimer> m_stille;
    std::unique_ptr<QTimer> m_frist; // until the text being said must be out
    std::unique_ptr<QAudioSink> m_ausgabe;
    int m_spricht = 0; // the text the stream plays, 0 for none
};

EspeakSprecher::EspeakSprecher() : m_werk(new Werk(*this)) {
    m_werk->moveToThread(&m_faden);
    m_faden.setObjectName(QStringLiteral("Ansagen"));
    m_faden.start();
    QMetaObject::invokeMethod(m_werk, [werk = m_werk] { werk->einrichten(); });
}

EspeakSprecher::~EspeakSprecher() {
    ++m_nummer;
    QMetaObject::invokeMethod(
        m_werk, [werk = m_werk] { werk->abbauen(); }, Qt::BlockingQueuedConnection);
    m_faden.quit();
    m_faden.wait();
    delete m_werk;
}

void EspeakSprecher::sprechen(const QString& text, const Sprechweise& weise,
                              std::function<void()> fertig) {
    const int nummer = ++m_nummer;
    m_fertig = std::move(fertig);
    QMetaObject::invokeMethod(
        m_werk,
        [werk = m_werk, nummer, text, weise, geraet = audiogeraet()] {
            werk->sagen(nummer, text, weise, geraet);
        },
        Qt::QueuedConnection);
}

void EspeakSprecher::verstummen() {
    ++m_nummer;
    m_fertig = nullptr;
    QMetaObject::invokeMethod(m_werk, [werk = m_werk] { werk->verstummen(); });
}

QString EspeakSprecher::warumStumm() const {
    if (audiogeraet().isNull())
        return QStringLiteral("Kein Audiogerät gefunden: die Ansagen bleiben still.");
    if (m_ohneStimme)
        return QStringLiteral("Die deutsche Stimme von eSpeak NG fehlt: die Ansagen bleiben "
                              "still.");
    return {};
}

void EspeakSprecher::beiErstenSamples(std::function<void()> aufruf) {
    QMetaObject::invokeMethod(
        m_werk, [werk = m_werk, aufruf = std::move(aufruf)] { werk->ersteSamplesMelden(aufruf); });
}

void EspeakSprecher::gesagtMelden(int nummer) {
    QMetaObject::invokeMethod(
        this,
        [this, nummer] {
            if (nummer == m_nummer.load() && m_fertig)
                std::exchange(m_fertig, nullptr)();
        },
        Qt::QueuedConnection);
}
