// What a screen reader must hear of a change that moves no focus (a new question, an outcome)
// goes out through here, and only here. A screen reader speaks a control as the focus lands on
// it, and drops the name changes of labels. Qt 6.8 has an announcement event, which a screen
// reader says and brailles as it comes. Before it, a screen reader does speak an object with
// the notification role as it shows, so the announcer is such an object: a widget of no size,
// never painted, shown anew for each message. The message is the text of a label inside it,
// with no name of its own: a screen reader brailles a notification from the labels it holds,
// and leaves out a label whose text is already the notification's name. A window's messages
// wait until it is the active window, so they follow the screen reader's own words for the
// window and its focus; coming back to the window, the pupil hears what it shows (its summary).
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLabel;

namespace kestrano::ui {

class Annunciatore final : public QWidget {
    Q_OBJECT

public:
    // `riepilogo` gives what the window shows, said when it becomes active with nothing waiting.
    Annunciatore(QWidget* finestra, std::function<QString()> riepilogo);

    // Says the message now if the window is active, or as soon as it becomes so (a later
    // message takes the place of one still waiting). Nothing is said while no assistive
    // technology listens.
    void annuncia(const QString& messaggio);
    // The last message said.
    QString messaggio() const;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void pronuncia();
    QString inAttesa_;
    QLabel* testo_;
    std::function<QString()> riepilogo_;
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
