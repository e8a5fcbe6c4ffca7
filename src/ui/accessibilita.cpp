// Accessible interfaces for the containers (the client area and the captioned frame) and for
// the announcer.
#include "ui/accessibilita.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

#include "ui/annunciatore.h"
#include "ui/area_client.h"
#include "ui/forme.h"

namespace kestrano::ui {

namespace {

constexpr char proprietaEsclusa[] = "kestrano_esclusoDallAlbero";

// A container whose accessible children are its child widgets less those left out.
class ContenitoreAccessibile final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(figli().size()); }
    QAccessibleInterface* child(int indice) const override {
        const QList<QWidget*> f = figli();
        return indice >= 0 && indice < f.size() ? QAccessible::queryAccessibleInterface(f.at(indice)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override {
        return figlio ? static_cast<int>(figli().indexOf(qobject_cast<QWidget*>(figlio->object()))) : -1;
    }

private:
    QList<QWidget*> figli() const {
        QList<QWidget*> f;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && !esclusoDallAlbero(w)) f << w;
        return f;
    }
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String(CorniceClassica::staticMetaObject.className()))
        return new ContenitoreAccessibile(static_cast<QWidget*>(oggetto), QAccessible::Grouping);
    if (classe == QLatin1String(AreaClient::staticMetaObject.className()))
        return new ContenitoreAccessibile(static_cast<QWidget*>(oggetto), QAccessible::Client);
    if (classe == QLatin1String(Annunciatore::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::Notification);
    if (classe == QLatin1String(Promemoria::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::StatusBar);
    return nullptr;
}

// A screen reader started after the program may look for the active window before the program
// has joined the accessibility bus, and so miss the window and its focus: once accessibility
// comes on, the focused control is told again, and the reader knows where the pupil is.
class AllAccensione final : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool attiva) override {
        if (!attiva) return;
        QMetaObject::invokeMethod(
            qApp,
            [] {
                if (QWidget* w = QApplication::focusWidget()) {
                    QAccessibleEvent evento(w, QAccessible::Focus);
                    QAccessible::updateAccessibility(&evento);
                }
            },
            Qt::QueuedConnection);
    }
};

}  // namespace

void escludiDallAlbero(QWidget* w) {
    w->setProperty(proprietaEsclusa, true);
}

bool esclusoDallAlbero(const QWidget* w) {
    return w->property(proprietaEsclusa).toBool();
}

void preparaAccessibilita() {
    QAccessible::installFactory(fabbrica);  // installed again, each is still there once
    static AllAccensione allAccensione;
    QAccessible::installActivationObserver(&allAccensione);
}

}  // namespace kestrano::ui
