#include "Audiogeraet.h"

#include <QMediaDevices>

QAudioDevice audiogeraet() {
    return QMediaDevices::defaultAudioOutput();
}
