// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/graficoprogressi.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <cmath>
#include <memory>

QChart* creaGrafico(const Andamento& andamento) {
    auto* grafico = new QChart;
    // Drawn at once: a chart that builds itself up slowly only keeps the teacher waiting.
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->setAlignment(Qt::AlignBottom);

    auto* esatte = new QLineSeries;
    esatte->setName(QStringLiteral("Risposte esatte (%)"));
    auto* secondi = new QLineSeries;
    secondi->setName(QStringLiteral("Secondi per operazione"));
    QList<QPointF> puntiEsatte, puntiSecondi;
    for (const PuntoAndamento& p : andamento.punti) {
        const double x = double(p.quando.toMSecsSinceEpoch());
        puntiEsatte.append({x, p.percentualeEsatte});
        puntiSecondi.append({x, p.secondiPerOperazione});
    }
    // One call each: a point added at a time redraws the series at each.
    esatte->replace(puntiEsatte);
    secondi->replace(puntiSecondi);
    for (QLineSeries* s : {esatte, secondi}) {
        s->setPointsVisible(true);
        grafico->addSeries(s);
    }
    QPen tratteggio = secondi->pen();
    tratteggio.setStyle(Qt::DashLine);
    tratteggio.setWidthF(2);
    secondi->setPen(tratteggio);

    auto* tempo = new QDateTimeAxis;
    tempo->setFormat(QStringLiteral("dd/MM/yy"));
    tempo->setTitleText(QStringLiteral("Data"));
    // A single series, or all on one moment, still gets a day either side to stand in.
    QDateTime dal = andamento.dal, al = andamento.al;
    if (!dal.isValid() || dal >= al) {
        const QDateTime centro = dal.isValid() ? dal : QDateTime::currentDateTime();
        dal = centro.addDays(-1);
        al = centro.addDays(1);
    }
    tempo->setRange(dal, al);
    auto* quota = new QValueAxis;
    quota->setRange(0, 100);
    quota->setLabelFormat(QStringLiteral("%d%%"));
    quota->setTitleText(QStringLiteral("Esatte"));
    auto* lentezza = new QValueAxis;
    lentezza->setRange(0, std::max(10.0, std::ceil(andamento.secondiMassimi / 10) * 10));
    lentezza->setLabelFormat(QStringLiteral("%d s"));
    lentezza->setTitleText(QStringLiteral("Secondi"));
    grafico->addAxis(tempo, Qt::AlignBottom);
    grafico->addAxis(quota, Qt::AlignLeft);
    grafico->addAxis(lentezza, Qt::AlignRight);
    esatte->attachAxis(tempo);
    esatte->attachAxis(quota);
    secondi->attachAxis(tempo);
    secondi->attachAxis(lentezza);
    return grafico;
}

Immagine immagineGrafico(const Andamento& andamento, QSize pixel) {
    Immagine immagine;
    immagine.dimensioni = pixel;
    // The scene owns the chart; the picture keeps the scene as long as it may still be printed.
    auto scena = std::make_shared<QGraphicsScene>();
    QChart* grafico = creaGrafico(andamento);
    // Sizes in the chart's own pixels: a size in points would be taken again at the printer's
    // resolution, on top of the scaling to the page, and come out many times too large.
    QFont testo = grafico->legend()->font();
    testo.setPixelSize(pixel.height() / 28);
    grafico->legend()->setFont(testo);
    for (QAbstractAxis* asse : grafico->axes()) {
        asse->setLabelsFont(testo);
        asse->setTitleFont(testo);
    }
    scena->addItem(grafico);
    grafico->resize(pixel);
    immagine.disegno = [scena, pixel](QPainter& pittore, const QRectF& dove) {
        scena->render(&pittore, dove, QRectF(QPointF(0, 0), pixel), Qt::IgnoreAspectRatio);
    };
    return immagine;
}

QString descrizioneGrafico(const Andamento& andamento) {
    if (andamento.punti.isEmpty()) {
        return QStringLiteral("Nessuna serie nel periodo.");
    }
    const PuntoAndamento& primo = andamento.punti.first();
    const PuntoAndamento& ultimo = andamento.punti.last();
    const QString formato = QStringLiteral("dd/MM/yyyy");
    return QStringLiteral("%1 serie dal %2 al %3. Risposte esatte: %4% nella prima, %5% "
                          "nell'ultima. Secondi per operazione: %6 nella prima, %7 "
                          "nell'ultima. Ogni serie è una riga della tabella.")
        .arg(andamento.punti.size())
        .arg(primo.quando.toLocalTime().toString(formato),
             ultimo.quando.toLocalTime().toString(formato))
        .arg(std::lround(primo.percentualeEsatte))
        .arg(std::lround(ultimo.percentualeEsatte))
        .arg(std::lround(primo.secondiPerOperazione))
        .arg(std::lround(ultimo.secondiPerOperazione));
}
