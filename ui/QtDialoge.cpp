#include "QtDialoge.h"

#include "Texteinpassung.h"
#include "Zoomen.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {
QString titelOderAnwendung(const QString& titel) {
    return titel.isEmpty() ? Anwendungstitel : titel;
}
} // namespace

QMessageBox* QtDialoge::nachricht(const QString& text, const QString& titel) const {
    auto* box = new QMessageBox(QMessageBox::NoIcon, titelOderAnwendung(titel), text,
                                QMessageBox::NoButton, m_eltern);
    // Messages quote names, paths and box texts: shown as written, never as markup.
    box->setTextFormat(Qt::PlainText);
    box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    zoomen(box, massstab());
    return box;
}

void QtDialoge::fensterAnmelden(Fenster fenster, Fensteraufruf aufruf) {
    m_fenster[fenster] = std::move(aufruf);
}

void QtDialoge::vorModal() {
    if (m_vorModal)
        m_vorModal();
}

void QtDialoge::meldung(const QString& text, const QString& titel) {
    vorModal();
    const std::unique_ptr<QMessageBox> box(nachricht(text, titel));
    box->exec();
}

void QtDialoge::hinweis(const QString& text, const QString& titel) {
    const Hinweis neu{text, titelOderAnwendung(titel)};
    // A box that keeps failing must not stack one message on top of the other.
    if (m_offenerHinweis == neu || std::find(m_wartendeHinweise.begin(), m_wartendeHinweise.end(),
                                             neu) != m_wartendeHinweise.end())
        return;
    m_wartendeHinweise.push_back(neu);
    // Posted, so the note opens only after the handler that raised it has returned.
    QTimer::singleShot(0, &m_kontext, [this] { naechsterHinweis(); });
}

void QtDialoge::naechsterHinweis() {
    if (m_offenerHinweis || m_wartendeHinweise.empty())
        return;
    m_offenerHinweis = m_wartendeHinweise.front();
    m_wartendeHinweise.pop_front();
    vorModal();
    QMessageBox* box = nachricht(m_offenerHinweis->text, m_offenerHinweis->titel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, &m_kontext, [this] {
        m_offenerHinweis.reset();
        naechsterHinweis();
    });
    // Without an event loop of its own: nothing waits for the note to close.
    box->open();
}

bool QtDialoge::frage(const QString& text, const QString& titel) {
    vorModal();
    QMessageBox box(QMessageBox::NoIcon, titelOderAnwendung(titel), text, QMessageBox::NoButton,
                    m_eltern);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole));
    box.setDefaultButton(ok);
    zoomen(&box, massstab());
    box.exec();
    return box.clickedButton() == ok;
}

QString QtDialoge::eingabe(const QString& aufforderung, const QString& titel,
                           const QString& vorgabe) {
    vorModal();
    QInputDialog box(m_eltern);
    box.setWindowTitle(titelOderAnwendung(titel));
    // The input dialog's label has no plain mode of its own.
    box.setLabelText(alsKlartext(aufforderung));
    box.setTextValue(vorgabe);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    zoomen(&box, massstab());
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

void QtDialoge::rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt) {
    if (!m_rotationsfenster)
        return;
    vorModal();
    m_rotationsfenster(inhalt, m_eltern);
}
