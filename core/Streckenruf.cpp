#include "Streckenruf.h"

QString streckenrufursacheName(Streckenrufursache ursache) {
    return ursache == Streckenrufursache::Automatisch ? QStringLiteral("Automatisch")
                                                      : QStringLiteral("Hand");
}

std::optional<Streckenrufursache> streckenrufursacheLesen(const QString& name) {
    for (Streckenrufursache u : {Streckenrufursache::Hand, Streckenrufursache::Automatisch})
        if (name == streckenrufursacheName(u))
            return u;
    return std::nullopt;
}
