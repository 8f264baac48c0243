#pragma once

#include <QApplication>

// The application object. A database failure escaping an event handler ends up here and is
// reported instead of tearing the process down.
class QuorvelApplication : public QApplication {
    Q_OBJECT
public:
    QuorvelApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
