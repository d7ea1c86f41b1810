// Windows: the registry key where the classic runtime's GetSetting/SaveSetting keep their
// values, so the settings of an earlier installation carry over.
#include "QtEinstellungsspeicher.h"

std::unique_ptr<QSettings> einstellungsortOeffnen() {
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\rundomat"),
        QSettings::NativeFormat);
}
