// SPDX-License-Identifier: GPL-3.0-or-later
// The half of trova.exe that runs inside VELTRIX, loaded as a window hook on the thread of the
// window asked about, which is Qt's GUI thread: there the program's widgets can be asked safely
// for their names and places. Accessibility cannot do this from outside under Wine 8: UI
// Automation reaches a Qt window, but walking from it to its controls blocks the program's GUI
// thread for ever, and the function through which Qt answers ignores MSAA's requests.
#include "trova.h"

#include <QString>
#include <QWidget>

#include <cmath>
#include <cstdio>

namespace {

void rispondi(RichiestaTrova& r) {
    QWidget* finestra = QWidget::find(reinterpret_cast<WId>(r.finestra));
    if (!finestra) {
        r.esito = trovaFinestraEstranea;
        return;
    }
    const QList<QWidget*> omonimi =
        finestra->findChildren<QWidget*>(QString::fromWCharArray(r.nome));
    // A modal dialog disables, as Windows does, the windows it blocks; Qt's widgets in them stay
    // enabled as far as Qt is concerned.
    const bool bloccata = !IsWindowEnabled(r.finestra);
    QWidget* premibile = nullptr;
    int premibili = 0;
    for (QWidget* w : omonimi) {
        // isVisible and isEnabled count the parents too: a control in a hidden or disabled frame
        // cannot be pressed either.
        if (!bloccata && w->isVisible() && w->isEnabled()) {
            premibile = w;
            ++premibili;
        }
    }
    if (premibili != 1) {
        r.esito = premibili ? trovaAmbiguo : omonimi.isEmpty() ? trovaAssente : trovaNonPremibile;
        return;
    }
    // Qt's coordinates are device-independent; the screen's are its pixels.
    const qreal scala = premibile->devicePixelRatioF();
    const QPoint angolo = premibile->mapToGlobal(QPoint(0, 0));
    r.x = static_cast<int>(std::lround(angolo.x() * scala));
    r.y = static_cast<int>(std::lround(angolo.y() * scala));
    r.larghezza = static_cast<int>(std::lround(premibile->width() * scala));
    r.altezza = static_cast<int>(std::lround(premibile->height() * scala));
    r.esito = trovaTrovato;
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    chiamataSonda(int codice, WPARAM wParam, LPARAM lParam) {
    static const UINT messaggio = RegisterWindowMessageW(TROVA_MESSAGGIO);
    const auto* chiamata = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (codice == HC_ACTION && chiamata->message == messaggio) {
        wchar_t nome[64];
        std::swprintf(nome, 64, TROVA_MEMORIA, static_cast<unsigned long>(chiamata->wParam));
        HANDLE memoria = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, nome);
        if (memoria) {
            if (void* vista = MapViewOfFile(memoria, FILE_MAP_ALL_ACCESS, 0, 0, 0)) {
                rispondi(*static_cast<RichiestaTrova*>(vista));
                UnmapViewOfFile(vista);
            }
            CloseHandle(memoria);
        }
    }
    return CallNextHookEx(nullptr, codice, wParam, lParam);
}
