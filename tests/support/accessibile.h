// What assistive technology reads of a window (through QAccessible, as a screen reader's bridge
// does), and the change notifications it receives.
#pragma once

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

namespace kestrano::test {

inline QAccessibleInterface* accessibile(const QWidget* finestra, const char* nome) {
    auto* w = finestra->findChild<QWidget*>(QString::fromLatin1(nome));
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

inline QString nomeAccessibile(const QWidget* finestra, const char* nome) {
    QAccessibleInterface* i = accessibile(finestra, nome);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<missing %1>").arg(QLatin1String(nome));
}

// Every object of the window's accessible tree, depth first.
inline std::vector<QAccessibleInterface*> albero(QWidget* finestra) {
    std::vector<QAccessibleInterface*> tutti{QAccessible::queryAccessibleInterface(finestra)};
    for (std::size_t i = 0; i < tutti.size(); ++i)
        for (int k = 0; k < tutti[i]->childCount(); ++k)
            if (QAccessibleInterface* figlio = tutti[i]->child(k)) tutti.push_back(figlio);
    return tutti;
}

// The objects that report the keyboard focus.
inline QStringList conFocus(QWidget* finestra) {
    QStringList l;
    for (QAccessibleInterface* i : albero(finestra))
        if (i->state().focused) l << i->object()->objectName();
    return l;
}

// Records every accessibility event while it lives. Widgets notify only while assistive
// technology is active, so it switches the platform's accessibility on, as a screen reader does.
class Ascolto {
public:
    Ascolto() {
        eventi().clear();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(&registra);
    }
    ~Ascolto() { QAccessible::installUpdateHandler(nullptr); }
    Ascolto(const Ascolto&) = delete;
    Ascolto& operator=(const Ascolto&) = delete;

    int quanti(const QWidget* finestra, const char* nome, QAccessible::Event tipo) const {
        const QObject* o = finestra->findChild<QObject*>(QString::fromLatin1(nome));
        int n = 0;
        for (const auto& [oggetto, t] : eventi()) n += oggetto == o && t == tipo ? 1 : 0;
        return n;
    }
    void svuota() { eventi().clear(); }

private:
    static std::vector<std::pair<QPointer<QObject>, QAccessible::Event>>& eventi() {
        static std::vector<std::pair<QPointer<QObject>, QAccessible::Event>> e;
        return e;
    }
    static void registra(QAccessibleEvent* e) { eventi().emplace_back(e->object(), e->type()); }
};

}  // namespace kestrano::test
