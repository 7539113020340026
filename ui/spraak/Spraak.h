#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace ui {

// The voice's settings, as the operator chose them.
struct SpraakKeuze {
    QString stem;     // a voice's name; empty: the first Dutch voice of the engine
    int snelheid = 0; // -10 (slow) .. 10 (fast); 0 is the voice's own pace
    int volume = 100; // 0 .. 100

    bool operator==(const SpraakKeuze &) const = default;
};

// The voice that says the calls. Nothing waits for it: every function returns at once and
// the speaking goes on beside the game. Without a working engine it stays silent and says why.
class Spraak : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Says the sentence, cutting off a sentence still being said.
    virtual void zeg(const QString &zin) = 0;
    virtual void stelIn(const SpraakKeuze &keuze) = 0;
    // The Dutch voices the engine offers; empty until the engine has answered, or when it has none.
    virtual QStringList stemmen() const = 0;
    // One Dutch line telling why there is no speech; empty while speech works.
    virtual QString waaromStil() const = 0;

signals:
    // The voices or the reason for silence changed.
    void toestandGewijzigd();
};

} // namespace ui
