// The notes window "Hinweis": readme.txt in a read-only, fixed-pitch text box.
#pragma once

#include "Twips.h"

#include <QDialog>

class FHinweis final : public QDialog {
public:
    explicit FHinweis(const QString& readme, QWidget* eltern = nullptr,
                      const Massstab& massstab = {});
};

// Shows the notes window for the readme.txt at that path modally over eltern and returns
// when it has been closed.
void fHinweisZeigen(const QString& readme, QWidget* eltern, const Massstab& massstab = {});
