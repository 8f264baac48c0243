#include "support/TestEnv.h"

#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "ui/Label.h"
#include "ui/controls/DayBar.h"

#include <QAbstractButton>
#include <QTest>

namespace {

TEST(DayBarTest, ArrowsStepWholeCalendarDaysAndTellTheirOwner) {
    ScopedTimeZone tz("America/New_York");
    DayBar bar;
    bar.show();
    QList<QDateTime> told;
    QObject::connect(&bar, &DayBar::dateStepped, [&told](const QDateTime& d) { told << d; });
    const auto press = [](QAbstractButton* arrow, int times) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(arrow, Qt::LeftButton);
    };

    // Over the 25-hour night of 1 November.
    bar.setDate(at(2026, 10, 31, 8));
    press(bar.plusButton(), 2);
    EXPECT_EQ(bar.date(), at(2026, 11, 2, 8));
    press(bar.minusButton(), 1);
    EXPECT_EQ(bar.label()->text(), "November 1, 2026");
    EXPECT_EQ(told, QList<QDateTime>({at(2026, 11, 1, 8), at(2026, 11, 2, 8), at(2026, 11, 1, 8)}));

    // Without a date the bar says so and the arrows do nothing; an entry's bar has none.
    bar.setDate(QDateTime());
    press(bar.plusButton(), 1);
    EXPECT_EQ(bar.label()->text(), "No date");
    EXPECT_EQ(told.size(), 3);
    bar.setArrowsVisible(false);
    EXPECT_FALSE(bar.plusButton()->isVisible());
    EXPECT_FALSE(bar.minusButton()->isVisible());
}

} // namespace
