#pragma once

#include <QList>
#include <QString>

// What the user must be told about something that happened below the screens, such as a diary
// upgrade that could not carry every row. The shell shows what is waiting once the window is up.
class UserNotices {
public:
    struct Notice {
        QString title;
        QString message;
    };

    static void add(const QString& title, const QString& message);
    // The waiting notices, oldest first; the list is empty afterwards.
    static QList<Notice> take();
};
