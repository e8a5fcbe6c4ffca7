// For the start-up benchmark: an application that notices when its first window has been
// drawn and flushed, prints the monotonic clock in nanoseconds, and leaves at once.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace kestrano::bench {

inline long long nanosecondiMonotoni() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

class ApplicazioneCronometrata : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* destinatario, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && destinatario->isWidgetType() &&
            static_cast<QWidget*>(destinatario)->isWindow())
            dipinta_ = true;
        ++profondita_;
        const bool esito = QApplication::notify(destinatario, evento);
        // Back out of the event that painted the window: the frame is drawn and flushed.
        if (--profondita_ == 0 && dipinta_) {
            std::printf("%lld\n", nanosecondiMonotoni());
            std::fflush(stdout);
            _exit(0);
        }
        return esito;
    }

private:
    int profondita_ = 0;
    bool dipinta_ = false;
};

}  // namespace kestrano::bench
