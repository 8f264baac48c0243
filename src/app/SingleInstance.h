#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// One running Quorvel per data folder. Two processes on one diary would each show the other's
// entries stale, and two starts during an upgrade would trip over each other's files. The first
// start holds a lock file in the folder and listens for later starts; a later start asks it to
// bring its window to the front and leaves.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& dataDir);
    ~SingleInstance() override;

    // True when this process now owns the folder (a lock left by a process that died is taken
    // over). The owner then answers later starts by calling the raise handler.
    bool acquire();
    // For a later start: asks the owner to come to the front; true once it said it did.
    // Blocks for at most the timeout.
    bool raiseRunning(int timeoutMs) const;
    void setRaiseHandler(std::function<void()> handler) { raise_ = std::move(handler); }

    static QString alreadyRunningMessage();

private:
    void answer();

    QString serverName_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> raise_;
};
