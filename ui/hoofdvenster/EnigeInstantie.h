#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace ui {

// One running program per user. The first start holds a lock file in the user's runtime
// folder and listens on a local socket beside it; a later start finds the lock taken,
// asks the running program over the socket to come to the front, and ends. A lock left by
// a program that crashed is taken over.
class EnigeInstantie : public QObject
{
    Q_OBJECT

public:
    // map: the folder for the lock and the socket; by default the user's runtime folder.
    explicit EnigeInstantie(const QString &map = standaardMap(), QObject *parent = nullptr);
    ~EnigeInstantie() override;

    // Whether no other program runs: this one holds the lock, or no lock could be made.
    bool isEerste() const { return m_eerste; }
    // Whether this program holds the lock, so surely no other one runs.
    bool heeftSlot() const { return m_heeftSlot; }

    // From a later start: asks the running program to show itself; false when it did not
    // answer within the time.
    bool wekEerste(int wachtMs = 3000);

    static QString standaardMap();

signals:
    // The running program was asked to come to the front.
    void gewekt();

private:
    void luister();

    const QString m_socketPad;
    QLockFile m_slot;
    bool m_eerste = false;
    bool m_heeftSlot = false;
    QLocalServer *m_server = nullptr;
};

} // namespace ui
