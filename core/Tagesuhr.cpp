#include "Tagesuhr.h"

QTime Systemtagesuhr::jetzt() {
    return QTime::currentTime();
}
