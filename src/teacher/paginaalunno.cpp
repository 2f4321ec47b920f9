// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/paginaalunno.h"

#include "platform/messaggi.h"
#include "printouts/stampaprogressi.h"
#include "register/deposito.h"
#include "teacher/graficoprogressi.h"

#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The facts a family can practise at home: a handful, not a list to be afraid of.
constexpr int fattiMostrati = 10;
// The chart on paper, in pixels of a 96 dpi picture: the page's width, a third of its height.
const QSize graficoSuCarta(1000, 420);

// The school year a date belongs to starts on the 1st of September.
QDate inizioAnnoScolastico(QDate oggi) {
    return QDate(oggi.month() >= 9 ? oggi.year() : oggi.year() - 1, 9, 1);
}
} // namespace

PaginaAlunno::PaginaAlunno(Deposito& deposito, Messaggi& messaggi, Stampante& stampante, Dici dici,
                           QWidget* parent)
    : QWidget(parent), deposito(deposito), messaggi(messaggi), stampante(stampante),
      dici(std::move(dici)), salvataggio(dialogoSalvataggio(this)) {
    classe = new QComboBox(this);
    classe->setObjectName(QStringLiteral("classeAlunno"));
    alunno = new QComboBox(this);
    alunno->setObjectName(QStringLiteral("alunno"));
    dal = campoData(inizioAnnoScolastico(QDate::currentDate()), QStringLiteral("dal"),
                    QStringLiteral("Dal"), this);
    al = campoData(QDate::currentDate(), QStringLiteral("al"), QStringLiteral("Al"), this);
    auto* stampa = new QPushButton(QStringLiteral("Stampa"), this);
    stampa->setObjectName(QStringLiteral("stampa"));
    auto* esporta = new QPushButton(QStringLiteral("Esporta…"), this);
    esporta->setObjectName(QStringLiteral("esporta"));

    grafico = new QChartView(this);
    grafico->setObjectName(QStringLiteral("grafico"));
    grafico->setAccessibleName(QStringLiteral("Grafico dei progressi"));
    grafico->setRenderHint(QPainter::Antialiasing);
    grafico->setMinimumHeight(200);
    righe = new QTableWidget(0, 0, this);
    righe->setObjectName(QStringLiteral("tabellaSerie"));
    righe->setAccessibleName(QStringLiteral("Le serie dell'alunno"));
    righe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    righe->setSelectionBehavior(QAbstractItemView::SelectRows);
    righe->verticalHeader()->hide();
    daEsercitare = new QListWidget(this);
    daEsercitare->setObjectName(QStringLiteral("daEsercitare"));
    daEsercitare->setAccessibleName(QStringLiteral("Da esercitare"));
    daEsercitare->setMaximumWidth(220);

    auto* scelte = new QHBoxLayout;
    for (auto [testo, campo] : {std::pair<const char*, QWidget*>{"Classe:", classe},
                                {"Alunno:", alunno},
                                {"Dal:", dal},
                                {"Al:", al}}) {
        auto* etichetta = new QLabel(QString::fromUtf8(testo), this);
        etichetta->setBuddy(campo);
        campo->setAccessibleName(QString::fromUtf8(testo).chopped(1));
        scelte->addWidget(etichetta);
        scelte->addWidget(campo);
    }
    scelte->addStretch();
    scelte->addWidget(stampa);
    scelte->addWidget(esporta);
    auto* sopra = new QHBoxLayout;
    sopra->addWidget(grafico, 1);
    auto* fattiColonna = new QVBoxLayout;
    auto* titoloFatti = new QLabel(QStringLiteral("Da esercitare"), this);
    titoloFatti->setBuddy(daEsercitare);
    fattiColonna->addWidget(titoloFatti);
    fattiColonna->addWidget(daEsercitare);
    sopra->addLayout(fattiColonna);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(scelte);
    colonna->addLayout(sopra, 1);
    colonna->addWidget(righe, 1);

    connect(classe, &QComboBox::currentIndexChanged, this, &PaginaAlunno::scegliClasse);
    connect(alunno, &QComboBox::currentIndexChanged, this, &PaginaAlunno::aggiorna);
    connect(dal, &QDateEdit::dateChanged, this, &PaginaAlunno::aggiorna);
    connect(al, &QDateEdit::dateChanged, this, &PaginaAlunno::aggiorna);
    connect(stampa, &QPushButton::clicked, this, &PaginaAlunno::stampa);
    connect(esporta, &QPushButton::clicked, this, [this] {
        esportaSerie(serie, QStringLiteral("%1.csv").arg(alunno->currentText()), salvataggio,
                     this->messaggi, this->dici);
    });
}

void PaginaAlunno::mostra(const QList<ClasseRegistro>& tutte) {
    classi = tutte;
    riempiClassi(classe, classi);
}

void PaginaAlunno::scegli(const QString& idClasse, const QString& idAlunno) {
    classe->setCurrentIndex(classe->findData(idClasse));
    alunno->setCurrentIndex(alunno->findData(idAlunno));
}

void PaginaAlunno::scegliClasse() {
    riempiAlunni(alunno, classeScelta(classe, classi).alunni);
}

void PaginaAlunno::aggiorna() {
    QString errore;
    serie.clear();
    if (const QString id = idScelto(alunno); !id.isEmpty()) {
        serie = deposito.seriePerAlunno(id, errore, dal->date().startOfDay(),
                                        al->date().addDays(1).startOfDay());
    }
    if (!errore.isEmpty()) {
        dici(nonLeggo(errore));
    }
    andamento = andamentoAlunno(serie);
    fatti = fattiPiuSbagliati(serie, fattiMostrati);

    // The chart view deletes the chart it showed before.
    grafico->setChart(creaGrafico(andamento));
    grafico->setAccessibleDescription(descrizioneGrafico(andamento));

    // The table is the chart's text too: its last two columns are the chart's two lines.
    QStringList intestazioni = intestazioniSerie();
    intestazioni << QStringLiteral("% esatte") << QStringLiteral("Secondi per operazione");
    righe->setUpdatesEnabled(false);
    righe->clear();
    righe->setColumnCount(int(intestazioni.size()));
    righe->setHorizontalHeaderLabels(intestazioni);
    righe->setRowCount(int(serie.size()));
    for (int r = 0; r < serie.size(); ++r) {
        QStringList celle = colonneSerie(serie[r]);
        const auto esatte = percentualeEsatte(serie[r]);
        const auto secondi = secondiPerOperazione(serie[r]);
        celle << (esatte ? QString::number(std::lround(*esatte)) : QString())
              << (secondi ? QString::number(*secondi, 'f', 1) : QString());
        for (int c = 0; c < celle.size(); ++c) {
            righe->setItem(r, c, new QTableWidgetItem(celle[c]));
        }
    }
    righe->resizeColumnsToContents();
    righe->setUpdatesEnabled(true);

    daEsercitare->clear();
    for (const FattoSbagliato& f : fatti) {
        daEsercitare->addItem(
            QStringLiteral("%1: %2 %3")
                .arg(f.fatto)
                .arg(f.volte)
                .arg(f.volte == 1 ? QStringLiteral("volta") : QStringLiteral("volte")));
    }
}

QString PaginaAlunno::periodoScritto() const {
    const QString formato = QStringLiteral("dd/MM/yyyy");
    return QStringLiteral("dal %1 al %2")
        .arg(dal->date().toString(formato), al->date().toString(formato));
}

void PaginaAlunno::stampa() {
    if (idScelto(alunno).isEmpty()) {
        return;
    }
    RapportoProgressi rapporto;
    rapporto.alunno = alunno->currentText();
    rapporto.classe = classe->currentText();
    rapporto.periodo = periodoScritto();
    rapporto.serie = serie;
    for (int i = 0; i < daEsercitare->count(); ++i) {
        rapporto.fatti << daEsercitare->item(i)->text();
    }
    rapporto.grafico = immagineGrafico(andamento, graficoSuCarta);
    if (stampaProgressi(rapporto, stampante)) {
        dici(QStringLiteral("Pagina dei progressi di %1 stampata.").arg(rapporto.alunno));
    }
}
