// The window every form of the program is made of: a top-level window with its title, icon,
// background colour, an optional one-item menu and a client area of fixed size in twips, on
// which the builder lays out the window's table of controls.
#pragma once

#include <QMainWindow>
#include <span>

#include "ui/costruttore.h"
#include "ui/layout.h"

class QAction;

namespace kestrano::ui {

class Annunciatore;

enum class Bordo { ridimensionabile, fisso, nessuno };

struct DescrizioneFinestra {
    std::string_view nome;
    std::string_view titolo;
    int larghezza, altezza;  // client area, twips
    Colore sfondo;
    Bordo bordo;
    // The one drop-down menu and its one item; an empty name means no menu bar.
    std::string_view nomeMenu = {}, didascaliaMenu = {}, nomeVoce = {}, didascaliaVoce = {};
};

class FinestraClassica : public QMainWindow {
    Q_OBJECT

public:
    FinestraClassica(const DescrizioneFinestra& finestra, std::span<const DescrizioneControllo> tabella);

    QWidget* area() const { return area_; }
    QAction* voceMenu() const { return voce_; }
    // The control of that name and kind; a name the layout does not have is a fault of the
    // program, and stops it at once, naming the control.
    template <typename T>
    T* controllo(const char* nome) const {
        T* c = qobject_cast<T*>(controlli_.value(QString::fromLatin1(nome)));
        if (!c) qFatal("%s has no control %s of that kind", qPrintable(objectName()), nome);
        return c;
    }
    // Gives the keyboard focus to the first visible, enabled button in tab order.
    void focusIniziale();
    // Tells a screen reader what changed on screen without a move of the focus.
    void annuncia(const QString& messaggio);

signals:
    // The window asks its owner to unload it (the window system's close command, by default);
    // it stays open until the owner does.
    void chiusuraRichiesta();
    // The window asks its owner to end the program at once.
    void fineRichiesta();

protected:
    void closeEvent(QCloseEvent* evento) override;
    // What the window system's close command does; by default it asks to be unloaded.
    virtual void chiusuraDallaCornice() { emit chiusuraRichiesta(); }
    // What a screen reader says when the pupil comes back to the window; by default nothing.
    virtual QString riepilogo() const { return {}; }

private:
    std::span<const DescrizioneControllo> tabella_;
    QWidget* area_;
    ControlliCostruiti controlli_;
    QAction* voce_ = nullptr;
    Annunciatore* annunciatore_;
};

}  // namespace kestrano::ui
