// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into a program to time its start: the process ends as soon as its first window has
// been painted, so the time from launch to exit is the time to the first picture on screen.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include <unistd.h>

namespace {
class PrimoDisegno : public QObject {
public:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && !visto) {
            visto = true;
            // Queued: the rest of the window is painted in the same pass, before this runs.
            QMetaObject::invokeMethod(
                qApp, [] { ::_exit(0); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    bool visto = false;
};

void installa() {
    qApp->installEventFilter(new PrimoDisegno);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installa)
