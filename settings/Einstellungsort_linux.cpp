// Linux: the user's config file rundomat/rundomat.conf under the XDG config folder, so
// XDG_CONFIG_HOME moves it.
#include "QtEinstellungsspeicher.h"

#include <QStandardPaths>

std::unique_ptr<QSettings> einstellungsortOeffnen() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(ordner + QStringLiteral("/rundomat/rundomat.conf"),
                                       QSettings::IniFormat);
}
