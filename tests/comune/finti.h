#pragma once

#include "platform/casuale.h"
#include "platform/messaggi.h"
#include "platform/orologio.h"

#include <QStringList>

#include <deque>

// Test doubles of the system's services.

class OrologioFinto final : public Orologio {
public:
    float secondi = 36000.0f;
    QString data = QStringLiteral("08/12/2026");
    float secondiDaMezzanotte() const override { return secondi; }
    QString dataOggi() const override { return data; }
};

// Hands out the scripted values first, then those of a real generator.
class CasualeFinto final : public SorgenteCasuale {
public:
    std::deque<float> valori;
    int rimescolamenti = 0;
    void rimescola(float lettura) override {
        ++rimescolamenti;
        vero.rimescola(lettura);
    }
    float prossimo() override {
        if (valori.empty()) {
            return vero.prossimo();
        }
        const float v = valori.front();
        valori.pop_front();
        return v;
    }

private:
    GeneratoreMescolato vero{42};
};

class MessaggiFinti final : public Messaggi {
public:
    QStringList mostrati;
    void mostra(const QString& testo) override { mostrati << testo; }
};
