#include "QtKlangausgabe.h"

#include "Audiogeraet.h"
#include "Sinuston.h"

#include <QAudioSink>
#include <QFileInfo>
#include <QUrl>

namespace {
// Beeps that come faster than they sound (a held key giving lap after lap) would ring on
// long after the cause; a blocking system beep throttled its caller instead.
constexpr qint64 LaengsteWartezeitMikrosekunden = 1'000'000;
// A sink still busy this long after its beeps should have ended has hung.
constexpr qint64 TonNachlaufMs = 1000;
} // namespace

QtKlangausgabe::QtKlangausgabe(Programmdateien dateien, QObject* eltern)
    : QObject(eltern), m_dateien(std::move(dateien)) {}

QtKlangausgabe::~QtKlangausgabe() = default;

void QtKlangausgabe::abspielen(const QString& datei) {
    m_effekt.stop();
    const QAudioDevice geraet = audiogeraet();
    const QFileInfo info(m_dateien.pfad(datei));
    if (geraet.isNull() || !info.isFile() || !info.isReadable())
        return;
    m_effekt.setAudioDevice(geraet);
    m_effekt.setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    m_effekt.play();
}

void QtKlangausgabe::piepen(int frequenzHz, int dauerMs) {
    const QAudioDevice geraet = audiogeraet();
    // After the sound server came back, Qt's audio may leave a sink busy for ever, and the
    // beeps behind it would wait for ever: such a sink is built anew.
    if (m_tonausgabe && m_tonausgabe->state() == QAudio::ActiveState && m_tonFrist.hasExpired())
        m_tonGeraet = QAudioDevice();
    if (!tonausgabeBereit(geraet))
        return;
    const QAudioFormat format = m_tonausgabe->format();
    QByteArray ton = sinuston(format, frequenzHz, dauerMs);
    if (m_tonausgabe->state() != QAudio::ActiveState) {
        tonStarten(std::move(ton));
        return;
    }
    if (format.durationForBytes(m_wartendeToene.size() + ton.size()) <=
        LaengsteWartezeitMikrosekunden)
        m_wartendeToene += ton;
}

// The sink follows the default output, which changes when a headset is plugged in.
bool QtKlangausgabe::tonausgabeBereit(const QAudioDevice& geraet) {
    if (geraet.isNull())
        return false;
    if (m_tonausgabe && geraet == m_tonGeraet)
        return true;
    tonausgabeAbgeben();
    m_tonGeraet = geraet;
    m_tonausgabe = std::make_unique<QAudioSink>(geraet, geraet.preferredFormat());
    connect(m_tonausgabe.get(), &QAudioSink::stateChanged, this,
            &QtKlangausgabe::tonZustandGewechselt);
    return true;
}

// Deleted later, from the event loop: destroying a sink runs the pending events, among them
// its own last signals and perhaps the next beep. Disconnected and stopped first, so it
// neither tells nor reads anything more; a child until then, so it goes with this object.
void QtKlangausgabe::tonausgabeAbgeben() {
    m_wartendeToene.clear();
    if (!m_tonausgabe)
        return;
    m_tonausgabe->disconnect(this);
    m_tonausgabe->stop();
    m_tonausgabe->setParent(this);
    m_tonausgabe.release()->deleteLater();
}

void QtKlangausgabe::tonStarten(QByteArray daten) {
    m_tonFrist.setRemainingTime(
        m_tonausgabe->format().durationForBytes(qint32(daten.size())) / 1000 + TonNachlaufMs);
    m_tonausgabe->stop();
    m_tonPuffer.close();
    m_tonPuffer.setData(std::move(daten));
    m_tonPuffer.open(QIODevice::ReadOnly);
    m_tonausgabe->start(&m_tonPuffer);
}

// Idle means the sink has handed everything it was given to the sound server: the next
// waiting beep follows. Without one the sink stays open, since stop() drops what the server
// has not played yet, which cut a beep to its first few milliseconds. A sink that failed is
// built anew at the next beep, outside its own signal.
void QtKlangausgabe::tonZustandGewechselt() {
    const QAudio::Error fehler = m_tonausgabe->error();
    if (fehler != QAudio::NoError && fehler != QAudio::UnderrunError) {
        m_tonGeraet = QAudioDevice();
        m_wartendeToene.clear();
        return;
    }
    if (m_tonausgabe->state() == QAudio::IdleState && !m_wartendeToene.isEmpty())
        tonStarten(std::exchange(m_wartendeToene, {}));
}
