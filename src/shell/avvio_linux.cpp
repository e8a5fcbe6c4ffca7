// Start-up on Linux. The program stores nothing and runs nothing besides itself, so the
// toolkit is kept from making a runtime folder or launching a session bus in bare sessions.
#include "shell/avvio_piattaforma.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace kestrano {

namespace {

// A runtime folder as the toolkit accepts it: an existing folder of this user's, mode 0700.
bool cartellaRuntimeUsabile(const QByteArray& percorso) {
    struct stat s {};
    return !percorso.isEmpty() && ::lstat(percorso.constData(), &s) == 0 && S_ISDIR(s.st_mode) &&
           s.st_uid == ::geteuid() && (s.st_mode & 07777) == 0700;
}

// At start the toolkit looks for a sandbox marker in the runtime folder, and where
// XDG_RUNTIME_DIR names no usable folder it creates one (/tmp/runtime-<user>, or the missing
// folder named). Where XDG_RUNTIME_DIR is unusable, it is pointed at a usable folder that
// already exists: the session's own, the toolkit's usual fallback, or the home folder. Nothing
// is ever written there.
void scegliCartellaRuntime() {
    if (cartellaRuntimeUsabile(qgetenv("XDG_RUNTIME_DIR"))) return;
    const uid_t utente = ::geteuid();
    QList<QByteArray> candidate{"/run/user/" + QByteArray::number(utente)};
    if (const passwd* pw = ::getpwuid(utente))
        candidate << QFile::encodeName(QDir::tempPath()) + "/runtime-" + pw->pw_name;
    candidate << qgetenv("HOME");
    for (const QByteArray& c : candidate)
        if (cartellaRuntimeUsabile(c)) {
            qputenv("XDG_RUNTIME_DIR", c);
            return;
        }
}

// While the application object is being made, the toolkit's messages wait. Where it finds no
// display it would stop the program with an abort (and a core) after a few lines meant for
// developers; instead the program says in one line what it lacks and ends with status 1.
QtMessageHandler gestoreDiPrima = nullptr;
bool inPreparazione = false;
QStringList& messaggiRinviati() {
    static QStringList m;
    return m;
}

void durantePreparazione(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (tipo != QtFatalMsg) {
        messaggiRinviati().append(qFormatLogMessage(tipo, contesto, testo));
        return;
    }
    std::fputs(
        "kestrano: nessuno schermo grafico a cui collegarsi (DISPLAY o WAYLAND_DISPLAY): "
        "avviare kestrano dal desktop di una sessione grafica\n",
        stderr);
    std::_Exit(1);
}

}  // namespace

void preparaPiattaforma() {
    gestoreDiPrima = qInstallMessageHandler(durantePreparazione);
    inPreparazione = true;
    // With no session bus named, D-Bus "autolaunches" one by running dbus-launch, whose bus
    // daemon outlives the program. An address that no socket can have (a path below a file)
    // makes every connection attempt fail at once, with nothing run. A session bus that is
    // there is used as it is, for assistive technology and the desktop's settings.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null/nessun-bus-di-sessione");
    // The toolkit asks whether a screen reader listens once, when the accessibility bus
    // appears, and never again: a screen reader started after the program (as a teacher turns
    // it on for a pupil) would hear nothing. Asked to, it answers whenever an accessibility bus
    // is up, or as soon as one comes; with none, nothing is made or run.
    else if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    scegliCartellaRuntime();
    // A Wayland client cannot place its windows (the info window would stand in a corner) and
    // draws its own frames; on a Wayland desktop that offers an X server (XWayland) the
    // windows go through it, where they stand as designed in the desktop's own frames. A
    // platform the user chose is kept.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// exit(), unlike quit(), sends no close events: no window's close handling runs.
void terminaProgramma() {
    QCoreApplication::exit(0);
}

void piattaformaPronta() {
    if (inPreparazione) {
        inPreparazione = false;
        qInstallMessageHandler(gestoreDiPrima);
        for (const QString& m : std::as_const(messaggiRinviati())) std::fprintf(stderr, "%s\n", qPrintable(m));
        messaggiRinviati().clear();
    }
}

}  // namespace kestrano
