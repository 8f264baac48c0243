#include "screens/weight/Details/WeighingMoment.h"

#include "core/dates/DateUtil.h"

WeighingMoment::WeighingMoment(const QDateTime& moment)
    : original_(moment.toLocalTime()), day_(original_.date()), time_(original_.time()) {}

QDateTime WeighingMoment::moment() const {
    if (original_.isValid() && day_ == original_.date() && time_ == original_.time())
        return original_;
    return DateUtil::firstValidAtOrAfter(day_, time_);
}
