// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: the least a Qt Widgets program does before its first picture, one window with one
// label, built with the same compiler and flags as the program.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel etichetta(QStringLiteral("VELTRIX"));
    etichetta.resize(400, 200);
    etichetta.show();
    return app.exec();
}
