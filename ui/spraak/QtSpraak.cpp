#include "ui/spraak/QtSpraak.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <QVoice>

namespace ui {

namespace {

constexpr int HerstartNaMs = 10'000; // a failed engine is tried again after this long
constexpr int WachtOpDraadMs = 1'000;
constexpr int GeenAntwoordNaMs = 5'000; // an engine call that takes longer: the service hangs

QString stilOmdat(QTextToSpeech::ErrorReason reden, const QString &fout)
{
    switch (reden) {
    case QTextToSpeech::ErrorReason::NoError:
        return {};
    case QTextToSpeech::ErrorReason::Initialization:
        return QStringLiteral("Geen spraak: geen verbinding met de spraakdienst (speech-dispatcher).");
    case QTextToSpeech::ErrorReason::Configuration:
        return QStringLiteral("Geen spraak: de spraakdienst is niet goed ingesteld (%1).").arg(fout);
    case QTextToSpeech::ErrorReason::Input:
        return QStringLiteral("Geen spraak: de spraakdienst (speech-dispatcher) antwoordt niet meer.");
    case QTextToSpeech::ErrorReason::Playback:
        return QStringLiteral("Geen spraak: het geluid kon niet worden afgespeeld.");
    }
    return fout;
}

} // namespace

struct QtSpraak::Gedeeld {
    QMutex slot;
    QtSpraak *spraak = nullptr; // null once the QtSpraak is gone
    QString zin;                // the sentence to say next
    bool zinWacht = false;
    SpraakKeuze keuze;
    bool keuzeNieuw = true;
    QStringList stemmen;
    QString waarom;
    QElapsedTimer klok;
    qint64 inGesprekSinds = -1; // when the engine's thread went into the engine, -1: not in it

    // Emits the signal on the QtSpraak's own thread, unless the QtSpraak is gone. Only posted
    // here: no receiver ever runs on the engine's thread or under the lock.
    void meld(void (QtSpraak::*signaal)())
    {
        QMutexLocker lock(&slot);
        if (spraak)
            QMetaObject::invokeMethod(
                spraak, [ontvanger = spraak, signaal] { emit(ontvanger->*signaal)(); }, Qt::QueuedConnection);
    }
};

// Lives on the engine's thread and owns the engine.
class SpraakWerker : public QObject
{
public:
    SpraakWerker(const QString &motorNaam, std::shared_ptr<QtSpraak::Gedeeld> gedeeld)
        : m_motorNaam(motorNaam)
        , m_gedeeld(std::move(gedeeld))
    {}

    // Runs one step on the engine's thread; the game's thread can tell when the engine hangs in it.
    void voerUit(void (SpraakWerker::*stap)())
    {
        {
            QMutexLocker lock(&m_gedeeld->slot);
            m_gedeeld->inGesprekSinds = m_gedeeld->klok.elapsed();
        }
        (this->*stap)();
        QMutexLocker lock(&m_gedeeld->slot);
        m_gedeeld->inGesprekSinds = -1;
    }

    void begin() { maakMotor(); }

    void spreek()
    {
        QString zin;
        {
            QMutexLocker lock(&m_gedeeld->slot);
            zin = m_gedeeld->zin;
            m_gedeeld->zinWacht = false;
        }
        if (!werkt() && m_sindsStart.hasExpired(HerstartNaMs))
            maakMotor();
        if (!werkt())
            return;
        pasKeuzeToe();
        m_motor->stop();
        m_motor->say(zin);
    }

    void pasKeuzeToe()
    {
        // An engine without a connection must not be touched: the speech-dispatcher library
        // crashes on one. Its choices wait for the next engine.
        if (!werkt())
            return;
        SpraakKeuze keuze;
        {
            QMutexLocker lock(&m_gedeeld->slot);
            if (!m_gedeeld->keuzeNieuw)
                return;
            keuze = m_gedeeld->keuze;
            m_gedeeld->keuzeNieuw = false;
        }
        for (const QVoice &stem : m_motor->availableVoices()) {
            if (stem.name() == keuze.stem)
                m_motor->setVoice(stem);
        }
        m_motor->setRate(keuze.snelheid / 10.0);
        m_motor->setVolume(keuze.volume / 100.0);
    }

private:
    bool werkt() const { return m_motor && m_nederlands && m_motor->state() != QTextToSpeech::Error; }

    void maakMotor()
    {
        delete m_motor;
        m_motor = nullptr;
        m_sindsStart.start();
        if (QTextToSpeech::availableEngines().isEmpty()
            || (!m_motorNaam.isEmpty() && !QTextToSpeech::availableEngines().contains(m_motorNaam))) {
            publiceer({},
                      QStringLiteral("Geen spraak: de spraakmodule van Qt ontbreekt "
                                     "(qt6-speech-speechd-plugin, speech-dispatcher)."));
            return;
        }
        m_motor = m_motorNaam.isEmpty() ? new QTextToSpeech(this) : new QTextToSpeech(m_motorNaam, this);
        QObject::connect(m_motor, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State toestand) {
            if (toestand != QTextToSpeech::Speaking)
                return;
            publiceer(m_stemmen, {}); // it speaks again after a failure
            m_gedeeld->meld(&QtSpraak::spreekt);
        });
        QObject::connect(m_motor, &QTextToSpeech::errorOccurred, this,
                         [this](QTextToSpeech::ErrorReason reden, const QString &fout) {
                             publiceer(m_stemmen, stilOmdat(reden, fout));
                         });
        if (m_motor->state() == QTextToSpeech::Error) {
            publiceer({}, stilOmdat(m_motor->errorReason(), m_motor->errorString()));
            return;
        }
        m_nederlands = false;
        for (const QLocale &taal : m_motor->availableLocales()) {
            if (taal.language() == QLocale::Dutch && !m_nederlands) {
                m_motor->setLocale(taal);
                m_nederlands = true;
            }
        }
        if (!m_nederlands) {
            publiceer({}, QStringLiteral("Geen spraak: er is geen Nederlandse stem (speech-dispatcher-espeak-ng)."));
            return;
        }
        m_stemmen.clear();
        for (const QVoice &stem : m_motor->availableVoices())
            m_stemmen << stem.name();
        {
            QMutexLocker lock(&m_gedeeld->slot);
            m_gedeeld->keuzeNieuw = true; // a new engine has none of the choices yet
        }
        pasKeuzeToe();
        publiceer(m_stemmen, {});
    }

    void publiceer(const QStringList &stemmen, const QString &waarom)
    {
        {
            QMutexLocker lock(&m_gedeeld->slot);
            if (m_gedeeld->stemmen == stemmen && m_gedeeld->waarom == waarom)
                return;
            m_gedeeld->stemmen = stemmen;
            m_gedeeld->waarom = waarom;
        }
        m_gedeeld->meld(&Spraak::toestandGewijzigd);
    }

    QString m_motorNaam;
    std::shared_ptr<QtSpraak::Gedeeld> m_gedeeld;
    QTextToSpeech *m_motor = nullptr;
    bool m_nederlands = false;
    QStringList m_stemmen;
    QElapsedTimer m_sindsStart;
};

QtSpraak::QtSpraak(const QString &motor, QObject *parent)
    : Spraak(parent)
    , m_gedeeld(std::make_shared<Gedeeld>())
    , m_draad(new QThread)
    , m_werker(new SpraakWerker(motor, m_gedeeld))
{
    m_gedeeld->spraak = this;
    m_gedeeld->klok.start();
    m_draad->setObjectName(QStringLiteral("spraak"));
    m_werker->moveToThread(m_draad);
    QObject::connect(m_draad, &QThread::finished, m_werker, &QObject::deleteLater);
    m_draad->start();
    QMetaObject::invokeMethod(
        m_werker, [werker = m_werker] { werker->voerUit(&SpraakWerker::begin); }, Qt::QueuedConnection);
    m_bewaking = new QTimer(this);
    m_bewaking->setSingleShot(true);
    m_bewaking->setInterval(GeenAntwoordNaMs + 100);
    connect(m_bewaking, &QTimer::timeout, this, [this] {
        if (hangt()) {
            emit toestandGewijzigd();
            return;
        }
        QMutexLocker lock(&m_gedeeld->slot);
        // A call that began after the watch did is watched to its own end.
        if (m_gedeeld->inGesprekSinds >= 0)
            m_bewaking->start(int(m_gedeeld->inGesprekSinds + GeenAntwoordNaMs + 100 - m_gedeeld->klok.elapsed()));
    });
    bewaak();
}

void QtSpraak::bewaak()
{
    if (!m_bewaking->isActive())
        m_bewaking->start();
}

QtSpraak::~QtSpraak()
{
    {
        QMutexLocker lock(&m_gedeeld->slot);
        m_gedeeld->spraak = nullptr;
    }
    m_draad->quit();
    if (m_draad->wait(WachtOpDraadMs)) {
        delete m_draad;
        return;
    }
    // The engine hangs in a call: its thread is left to end with the program.
    static QList<QThread *> vastgelopen;
    vastgelopen << m_draad;
}

void QtSpraak::zeg(const QString &zin)
{
    bool wekken = false;
    {
        QMutexLocker lock(&m_gedeeld->slot);
        m_gedeeld->zin = zin;
        wekken = !m_gedeeld->zinWacht;
        m_gedeeld->zinWacht = true;
    }
    if (wekken)
        QMetaObject::invokeMethod(
            m_werker, [werker = m_werker] { werker->voerUit(&SpraakWerker::spreek); }, Qt::QueuedConnection);
    bewaak();
}

void QtSpraak::stelIn(const SpraakKeuze &keuze)
{
    {
        QMutexLocker lock(&m_gedeeld->slot);
        if (m_gedeeld->keuze == keuze)
            return;
        m_gedeeld->keuze = keuze;
        m_gedeeld->keuzeNieuw = true;
    }
    QMetaObject::invokeMethod(
        m_werker, [werker = m_werker] { werker->voerUit(&SpraakWerker::pasKeuzeToe); }, Qt::QueuedConnection);
}

QStringList QtSpraak::stemmen() const
{
    QMutexLocker lock(&m_gedeeld->slot);
    return m_gedeeld->stemmen;
}

bool QtSpraak::hangt() const
{
    QMutexLocker lock(&m_gedeeld->slot);
    return m_gedeeld->inGesprekSinds >= 0 && m_gedeeld->klok.elapsed() - m_gedeeld->inGesprekSinds > GeenAntwoordNaMs;
}

QString QtSpraak::waaromStil() const
{
    const bool vast = hangt();
    QMutexLocker lock(&m_gedeeld->slot);
    if (m_gedeeld->waarom.isEmpty() && vast)
        return QStringLiteral("Geen spraak: de spraakdienst (speech-dispatcher) antwoordt niet.");
    return m_gedeeld->waarom;
}

} // namespace ui
