#pragma once

#include "ui/spraak/Spraak.h"

#include <memory>

class QThread;
class QTimer;

namespace ui {

class SpraakWerker;

// The calls spoken by a Qt text-to-speech engine (on Debian: speech-dispatcher with the
// espeak-ng Dutch voice), on a thread of its own, so that nothing in the game ever waits
// for the engine: not for its start (speech-dispatcher may take seconds to come up), nor
// for a sentence, nor for a speech service that hangs or dies.
//
// Only the latest sentence counts: sentences that arrive while the engine is busy starting
// replace each other, and a new sentence cuts off the one being said. An engine that failed
// is started again for the next sentence, but not more often than every ten seconds.
class QtSpraak : public Spraak
{
    Q_OBJECT

public:
    // motor: the name of a Qt text-to-speech engine; empty: the first one Qt has.
    explicit QtSpraak(const QString &motor = {}, QObject *parent = nullptr);
    // Waits a second at most for the engine's thread; one that hangs is left to the end of the program.
    ~QtSpraak() override;

    void zeg(const QString &zin) override;
    void stelIn(const SpraakKeuze &keuze) override;
    QStringList stemmen() const override;
    QString waaromStil() const override;

    struct Gedeeld; // what the game's thread and the engine's thread share, under a lock

signals:
    // The engine reports that it has begun to say a sentence.
    void spreekt();

private:
    // Whether the engine's thread has been inside one engine call for too long.
    bool hangt() const;
    // Tells the voice's watchers once a call has taken too long.
    void bewaak();

    std::shared_ptr<Gedeeld> m_gedeeld;
    QTimer *m_bewaking = nullptr;
    QThread *m_draad = nullptr;
    SpraakWerker *m_werker = nullptr;
};

} // namespace ui
