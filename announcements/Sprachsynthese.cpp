#include "Sprachsynthese.h"

#include <QRegularExpression>
#include <algorithm>
#include <espeak-ng/speak_lib.h>
#include <mutex>

namespace {
int stueckAufnehmen(short* samples, int anzahl, espeak_EVENT* ereignisse) {
    auto* ziel = static_cast<std::vector<short>*>(ereignisse->user_data);
    if (samples && anzahl > 0)
        ziel->insert(ziel->end(), samples, samples + anzahl);
    return 0;
}

// Words of our own texts that the German voice gets wrong: it hears the prefix "be" in
// "Bestzeit" and reads "Fame" as a German word.
QString aussprache(QString text) {
    static const std::pair<QRegularExpression, QString> Ersetzungen[] = {
        {QRegularExpression(QStringLiteral("\\bBestzeit\\b")), QStringLiteral("Best-Zeit")},
        {QRegularExpression(QStringLiteral("\\bHall of Fame\\b")), QStringLiteral("Hall of Feim")},
    };
    for (const auto& [muster, ersatz] : Ersetzungen)
        text.replace(muster, ersatz);
    return text;
}

// eSpeak cannot be set up again once it has been ended (the second espeak_Terminate
// hangs), so it is set up on first use and left to the end of the process.
struct Espeak {
    Espeak() {
        // Without its data eSpeak would end the process; with this option it reports instead.
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0 || espeak_SetVoiceByName("de") != EE_OK)
            return;
        espeak_SetSynthCallback(stueckAufnehmen);
        abtastrate = rate;
    }
    int abtastrate = 0;
    std::mutex sperre;
};

Espeak& espeak() {
    static Espeak prozessweit;
    return prozessweit;
}
} // namespace

Sprachsynthese::Sprachsynthese() : m_abtastrate(espeak().abtastrate) {}

std::vector<short> Sprachsynthese::rendern(const QString& text, const Sprechweise& weise) {
    if (!bereit())
        return {};
    const std::lock_guard sperre(espeak().sperre);
    espeak_SetParameter(espeakRATE, std::clamp(weise.tempo, espeakRATE_MINIMUM, espeakRATE_MAXIMUM),
                        0);
    espeak_SetParameter(espeakVOLUME, std::clamp(weise.lautstaerke, 0, 100), 0);
    const QByteArray utf8 = aussprache(text).toUtf8();
    std::vector<short> samples;
    espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8, nullptr, &samples);
    return samples;
}
