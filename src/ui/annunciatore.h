// What a screen reader must hear of a change that moves no focus (a new question, an outcome)
// goes out through here, and only here. A screen reader speaks a control as the focus lands on
// it, and drops the name changes of labels; it does speak an object with the notification
// role as it shows. So the announcer is such an object: a widget of no size, never painted,
// named with the message and shown anew for each one. A window's messages wait until it is
// the active window, so they follow the screen reader's own words for the window and its focus.
// (A toolkit with an announcement event can take its place here.)
#pragma once

#include <QString>
#include <QWidget>

namespace kestrano::ui {

class Annunciatore final : public QWidget {
    Q_OBJECT

public:
    explicit Annunciatore(QWidget* finestra);

    // Says the message now if the window is active, or as soon as it becomes so (a later
    // message takes the place of one still waiting). Nothing is said while no assistive
    // technology listens.
    void annuncia(const QString& messaggio);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void pronuncia();
    QString inAttesa_;
};

// What the pupil may ask to hear again (the question shown): an object with the status-bar role,
// of no size and never painted, named with that text. A screen reader says a window's status bar
// on demand (Orca: Orca+Enter on the keypad, twice).
class Promemoria final : public QWidget {
    Q_OBJECT

public:
    explicit Promemoria(QWidget* finestra);
    void ricorda(const QString& testo) { setAccessibleName(testo); }
};

}  // namespace kestrano::ui
