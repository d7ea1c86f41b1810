#include "QtDialoge.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString titelOderAnwendung(const QString& titel) {
    return titel.isEmpty() ? Anwendungstitel : titel;
}
} // namespace

void QtDialoge::fensterAnmelden(Fenster fenster, Fensteraufruf aufruf) {
    m_fenster[fenster] = std::move(aufruf);
}

void QtDialoge::vorModal() {
    if (m_vorModal)
        m_vorModal();
}

void QtDialoge::meldung(const QString& text, const QString& titel) {
    vorModal();
    QMessageBox box(QMessageBox::NoIcon, titelOderAnwendung(titel), text, QMessageBox::NoButton,
                    m_eltern);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool QtDialoge::frage(const QString& text, const QString& titel) {
    vorModal();
    QMessageBox box(QMessageBox::NoIcon, titelOderAnwendung(titel), text, QMessageBox::NoButton,
                    m_eltern);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole));
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok;
}

QString QtDialoge::eingabe(const QString& aufforderung, const QString& titel,
                           const QString& vorgabe) {
    vorModal();
    QInputDialog box(m_eltern);
    box.setWindowTitle(titelOderAnwendung(titel));
    box.setLabelText(aufforderung);
    box.setTextValue(vorgabe);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtDialoge::fensterZeigen(Fenster fenster) {
    const auto aufruf = m_fenster.find(fenster);
    if (aufruf == m_fenster.end())
        return;
    vorModal();
    aufruf->second(m_eltern);
}

void QtDialoge::f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt) {
    if (!m_ergebnisfenster)
        return;
    vorModal();
    m_ergebnisfenster(inhalt, m_eltern);
}
