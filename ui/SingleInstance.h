// One running instance per user and program. The first start listens on a
// per-user local socket; a later start hands its message (for Glossmere: the
// query of its command line) to the running instance and ends. A socket left
// behind by a crash never blocks a start.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // name identifies the program ("Glossmere", "Glossmill"); socketFolder is
    // where the socket and its lock live (default: the user's runtime folder).
    explicit CSingleInstance(const QString& name, const QString& socketFolder = {},
                             QObject* parent = nullptr);
    ~CSingleInstance() override;

    enum class Outcome {
        First,       // this process is the instance; later starts reach it
        HandedOver,  // another instance runs and acknowledged the message
        Failed,      // another instance runs but did not take the message
    };
    Outcome Start(const QString& message);

    QString SocketPath() const { return m_socketPath; }

signals:
    // In the first instance: a later start's message ("" when it had none).
    void messageReceived(const QString& message);

private:
    bool HandOver(const QString& message) const;
    void OnNewConnection();

    QString m_socketPath;
    QLockFile m_startLock;
    std::unique_ptr<QLocalServer> m_server;
};
