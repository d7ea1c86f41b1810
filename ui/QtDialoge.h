// Message boxes, input boxes and secondary windows of the real program, modal over the
// main window. The windows themselves are registered by whoever can build them.
#pragma once

#include "Dialoge.h"
#include "Twips.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <optional>

class QMessageBox;

class QtDialoge final : public Dialoge {
public:
    using Fensteraufruf = std::function<void(QWidget* eltern)>;
    using Ergebnisaufruf = std::function<void(const F2SpurRennenInhalt&, QWidget* eltern)>;
    using Rotationsaufruf = std::function<void(const RotationsergebnisInhalt&, QWidget* eltern)>;

    void elternSetzen(QWidget* eltern) { m_eltern = eltern; }
    void fensterAnmelden(Fenster fenster, Fensteraufruf aufruf);
    void ergebnisfensterAnmelden(Ergebnisaufruf aufruf) { m_ergebnisfenster = std::move(aufruf); }
    void rotationsfensterAnmelden(Rotationsaufruf aufruf) { m_rotationsfenster = std::move(aufruf); }
    // Runs before every modal window opens, so the main window can show the state that
    // led to it (a false start, the finish) while the window is open.
    void vorJedemModalenFenster(std::function<void()> aufruf) { m_vorModal = std::move(aufruf); }
    // The zoom message and input boxes are shown at: that of the main window.
    void zoomVon(std::function<Massstab()> massstab) { m_massstab = std::move(massstab); }

    void meldung(const QString& text, const QString& titel) override;
    void hinweis(const QString& text, const QString& titel) override;
    bool frage(const QString& text, const QString& titel) override;
    QString eingabe(const QString& aufforderung, const QString& titel,
                    const QString& vorgabe) override;
    void fensterZeigen(Fenster fenster) override;
    void f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt) override;
    void rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt) override;

private:
    struct Hinweis {
        QString text;
        QString titel;
        bool operator==(const Hinweis&) const = default;
    };

    void vorModal();
    void naechsterHinweis();
    QMessageBox* nachricht(const QString& text, const QString& titel) const;
    Massstab massstab() const { return m_massstab ? m_massstab() : Massstab(); }

    QPointer<QWidget> m_eltern;
    std::map<Fenster, Fensteraufruf> m_fenster;
    Ergebnisaufruf m_ergebnisfenster;
    Rotationsaufruf m_rotationsfenster;
    std::function<void()> m_vorModal;
    std::function<Massstab()> m_massstab;
    // One note open at a time; the others wait their turn.
    std::optional<Hinweis> m_offenerHinweis;
    std::deque<Hinweis> m_wartendeHinweise;
    // Posted calls die with this object.
    QObject m_kontext;
};
