// The announcer: the toolkit's announcement where it has one (Qt 6.8), else the hidden object
// shown again with the message in its label; and the reminder.
#include "ui/annunciatore.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <utility>

namespace kestrano::ui {

Annunciatore::Annunciatore(QWidget* finestra, std::function<QString()> riepilogo)
    : QWidget(finestra), testo_(new QLabel(this)), riepilogo_(std::move(riepilogo)) {
    setObjectName(QStringLiteral("annunciatore"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    testo_->setTextFormat(Qt::PlainText);
    testo_->setGeometry(0, 0, 0, 0);
    hide();
    finestra->window()->installEventFilter(this);
}

Promemoria::Promemoria(QWidget* finestra) : QWidget(finestra) {
    setObjectName(QStringLiteral("promemoria"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Visible, so that a screen reader finds it, but of no size, so nothing is ever drawn.
    setGeometry(0, 0, 0, 0);
}

void Annunciatore::annuncia(const QString& messaggio) {
    if (messaggio.isEmpty()) return;
    inAttesa_ = messaggio;
    if (window()->isActiveWindow()) pronuncia();
}

QString Annunciatore::messaggio() const {
    return testo_->text();
}

bool Annunciatore::eventFilter(QObject* oggetto, QEvent* evento) {
    // After the toolkit has told of the window and its focus, so that the message follows
    // them in speech and stays last on the braille display.
    if (evento->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (inAttesa_.isEmpty()) inAttesa_ = riepilogo_();
                if (!inAttesa_.isEmpty() && window()->isActiveWindow()) pronuncia();
            },
            Qt::QueuedConnection);
    return QWidget::eventFilter(oggetto, evento);
}

void Annunciatore::pronuncia() {
    const QString messaggio = std::exchange(inAttesa_, {});
    if (!QAccessible::isActive()) return;
    testo_->setText(messaggio);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Said and brailled as it comes, from the window, with no role of its own in front.
    QAccessibleAnnouncementEvent annuncio(window(), messaggio);
    QAccessible::updateAccessibility(&annuncio);
#else
    hide();
    show();
#endif
}

}  // namespace kestrano::ui
