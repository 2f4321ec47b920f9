#include "layout/famiglie.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
struct Sostituti {
    const char* famiglia;
    std::initializer_list<const char*> candidati;
};

// Liberation and Croscore faces are drawn to Arial's and Courier New's widths, so the designed
// texts fit their controls as they do on Windows; MS Sans Serif, a small bitmap face, is closest
// to the plain sans faces every desktop has.
const Sostituti tabella[] = {
    {"Arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"}},
    {"MS Sans Serif", {"Microsoft Sans Serif", "DejaVu Sans", "Liberation Sans", "Noto Sans"}},
    {"Courier New", {"Liberation Mono", "Cousine", "Nimbus Mono PS", "DejaVu Sans Mono"}},
};
} // namespace

QString famigliaDisponibile(const QString& famiglia) {
    static const QStringList installate = QFontDatabase::families();
    const auto installata = [](const QString& f) {
        return installate.contains(f, Qt::CaseInsensitive);
    };
    if (installata(famiglia)) {
        return famiglia;
    }
    for (const Sostituti& s : tabella) {
        if (famiglia.compare(QLatin1String(s.famiglia), Qt::CaseInsensitive) != 0) {
            continue;
        }
        for (const char* candidato : s.candidati) {
            if (installata(QLatin1String(candidato))) {
                return QLatin1String(candidato);
            }
        }
    }
    return famiglia;
}
