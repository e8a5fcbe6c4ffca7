// Accessible interfaces for the containers (the client area and the captioned frame) and for
// the announcer.
#include "ui/accessibilita.h"

#include <QAccessibleWidget>
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

}  // namespace

void escludiDallAlbero(QWidget* w) {
    w->setProperty(proprietaEsclusa, true);
}

bool esclusoDallAlbero(const QWidget* w) {
    return w->property(proprietaEsclusa).toBool();
}

void preparaAccessibilita() {
    QAccessible::installFactory(fabbrica);  // installed again, it is still there once
}

}  // namespace kestrano::ui
