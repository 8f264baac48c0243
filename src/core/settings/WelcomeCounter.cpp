#include "core/settings/WelcomeCounter.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

#include <QStringList>

bool WelcomeCounter::shouldShowAndCount() {
    const int shown = UDefUtil::getUserDefInt(SettingsKeys::welcome, 0);
    if (shown > 1)
        return false;
    UDefUtil::setUserDefInt(shown + 1, SettingsKeys::welcome);
    return true;
}

QString WelcomeCounter::title() {
    return QStringLiteral("PLEASE READ!");
}

QString WelcomeCounter::message() {
    const QStringList paragraphs{
        QString(),
        QStringLiteral("To get started, please head over to the \"My Profile\" tab and enter your "
                       "personal information so we may calculate your suggested calorie intake "
                       "per day."),
        QStringLiteral("On the same page, if you would like to participate in a weight loss plan, "
                       "please select your plan of choice, and your daily calorie intake will be "
                       "adjusted accordingly."),
        QStringLiteral("Once that is done,"),
        QStringLiteral("To track your food, go to the \"Food\" tab."),
        QStringLiteral("To track your exercise, go to the \"Exercise\" tab."),
        QStringLiteral("To track your weight, go to the \"Weight\" Tab."),
        QStringLiteral("The \"Overview\" tab provides an easy view of your progress."),
        QStringLiteral("Enjoy!"),
    };
    return paragraphs.join(QStringLiteral("\n\n"));
}

QString WelcomeCounter::buttonTitle() {
    return QStringLiteral("OK");
}
