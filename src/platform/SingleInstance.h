#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running Tockwell per user, so that one alarm never rings in two programs. The first start
// listens on a local socket; a later start finds it there, asks it to come to the front, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role { First, HandedOver };
    // What a later start asks of the running one: to come to the front, or nothing (a start at login
    // finds the program running already, and the user did not ask to see it).
    enum class Ask { Raise, Nothing };

    explicit SingleInstance(const QString& socketPath, QObject* parent = nullptr);

    // Hands over to a running instance if there is one, and otherwise becomes the instance later
    // starts hand over to. A socket left behind by a run that was killed does not count as running.
    Role claim(Ask ask = Ask::Raise);

    // The user's socket: in the private runtime folder of the session, or the temporary folder
    // when the session has none; the name carries the user either way.
    static QString socketPathForUser();

signals:
    // A later start wants the program in front of the user.
    void raiseRequested();

private:
    void takeConnection();

    QString m_socketPath;
    QLocalServer* m_server;
};
