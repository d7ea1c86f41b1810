// Runs the sound generator and reads back what it wrote, as a WAV player would.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace {

struct Wav {
    int abtastrate = 0;
    std::vector<double> werte; // -1 .. 1
    double sekunden() const { return double(werte.size()) / abtastrate; }
};

// Reads a 16-bit PCM mono file chunk by chunk; any other form, or sizes that do not add
// up, is a broken file.
std::optional<Wav> wavLesen(const QString& pfad, std::string& fehler) {
    const auto kaputt = [&fehler](const char* grund) {
        fehler = grund;
        return std::optional<Wav>();
    };
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return kaputt("not readable");
    const QByteArray d = datei.readAll();
    const auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(d.constData() + i); };
    const auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(d.constData() + i); };
    if (d.size() < 12 || d.left(4) != "RIFF" || d.mid(8, 4) != "WAVE")
        return kaputt("no RIFF/WAVE header");
    if (u32(4) != quint32(d.size() - 8))
        return kaputt("RIFF size does not match the file");

    Wav wav;
    bool format = false;
    for (qsizetype i = 12; i + 8 <= d.size();) {
        const QByteArray kennung = d.mid(i, 4);
        const quint32 laenge = u32(i + 4);
        if (i + 8 + qsizetype(laenge) > d.size())
            return kaputt("chunk runs past the end");
        if (kennung == "fmt ") {
            if (laenge < 16 || u16(i + 8) != 1 || u16(i + 10) != 1 || u16(i + 22) != 16)
                return kaputt("not 16-bit PCM mono");
            wav.abtastrate = int(u32(i + 12));
            if (u32(i + 16) != quint32(wav.abtastrate * 2) || u16(i + 20) != 2)
                return kaputt("byte rate or block size wrong");
            format = true;
        } else if (kennung == "data") {
            if (!format)
                return kaputt("data before fmt");
            for (quint32 k = 0; k + 1 < laenge; k += 2)
                wav.werte.push_back(qFromLittleEndian<qint16>(d.constData() + i + 8 + k) / 32768.0);
            return wav;
        }
        i += 8 + laenge + (laenge & 1);
    }
    return kaputt("no data chunk");
}

// Zero crossings per second between two fractions of the sound: rises with the pitch,
// and is far higher for noise than for any tone.
double nulldurchgaenge(const Wav& wav, double von, double bis) {
    const auto a = std::size_t(von * double(wav.werte.size()));
    const auto b = std::size_t(bis * double(wav.werte.size()));
    int anzahl = 0;
    for (std::size_t i = a + 1; i < b; ++i)
        anzahl += (wav.werte[i - 1] < 0) != (wav.werte[i] < 0);
    return anzahl / (double(b - a) / wav.abtastrate);
}

double spitze(const Wav& wav) {
    double s = 0;
    for (const double w : wav.werte)
        s = std::max(s, std::abs(w));
    return s;
}

int klangerzeugerAusfuehren(const QString& ziel, QString* fehlerausgabe = nullptr) {
    QProcess prozess;
    prozess.start(QStringLiteral(KLANGERZEUGER), {ziel});
    if (!prozess.waitForFinished(30000))
        return -1;
    if (fehlerausgabe)
        *fehlerausgabe = QString::fromUtf8(prozess.readAllStandardError());
    return prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
}

} // namespace

TEST(Klangerzeuger, SchreibtVierGueltigeKurzeWavDateienOhneKnacken) {
    QTemporaryDir tmp;
    const QString ziel = tmp.filePath("daten");
    ASSERT_EQ(klangerzeugerAusfuehren(ziel), 0);
    for (const char* name : {"start.wav", "winner.wav", "looser.wav", "crash.wav"}) {
        SCOPED_TRACE(name);
        std::string fehler;
        const std::optional<Wav> wav = wavLesen(ziel + "/" + name, fehler);
        ASSERT_TRUE(wav) << fehler;
        EXPECT_GE(wav->abtastrate, 8000);
        EXPECT_GE(wav->sekunden(), 0.3);
        EXPECT_LE(wav->sekunden(), 1.5);
        EXPECT_GT(spitze(*wav), 0.3) << "too quiet to hear beside the track";
        EXPECT_LT(std::abs(wav->werte.front()), 0.01);
        EXPECT_LT(std::abs(wav->werte.back()), 0.01);
    }
}

TEST(Klangerzeuger, StartSteigtVerliererFaelltCrashRauscht) {
    QTemporaryDir tmp;
    ASSERT_EQ(klangerzeugerAusfuehren(tmp.path()), 0);
    std::map<std::string, Wav> klang;
    for (const char* name : {"start.wav", "winner.wav", "looser.wav", "crash.wav"}) {
        std::string fehler;
        const std::optional<Wav> wav = wavLesen(tmp.filePath(name), fehler);
        ASSERT_TRUE(wav) << name << ": " << fehler;
        klang[name] = *wav;
    }
    EXPECT_GT(nulldurchgaenge(klang["start.wav"], 0.7, 0.9),
              2 * nulldurchgaenge(klang["start.wav"], 0.1, 0.3));
    EXPECT_LT(2 * nulldurchgaenge(klang["looser.wav"], 0.7, 0.9),
              nulldurchgaenge(klang["looser.wav"], 0.1, 0.3));
    EXPECT_GT(nulldurchgaenge(klang["winner.wav"], 0.7, 0.9),
              nulldurchgaenge(klang["winner.wav"], 0.0, 0.12))
        << "the fanfare ends on its highest note";
    const double rauschen = nulldurchgaenge(klang["crash.wav"], 0.05, 0.5);
    for (const char* ton : {"start.wav", "winner.wav", "looser.wav"})
        EXPECT_GT(rauschen, 2 * nulldurchgaenge(klang[ton], 0.0, 1.0)) << ton;
}

TEST(Klangerzeuger, MeldetEinUnbeschreibbaresZielUndEndetMitFehler) {
    QTemporaryDir tmp;
    const QString keinVerzeichnis = tmp.filePath("datei");
    QFile datei(keinVerzeichnis);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();

    QString fehlerausgabe;
    EXPECT_EQ(klangerzeugerAusfuehren(keinVerzeichnis, &fehlerausgabe), 1);
    EXPECT_TRUE(fehlerausgabe.contains("konnte nicht geschrieben werden"))
        << fehlerausgabe.toStdString();
}
