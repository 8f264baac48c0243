#pragma once

// Something that re-reads and redisplays its data when a diary it shows has changed.
class RefresherDelegate {
public:
    virtual ~RefresherDelegate() = default;
    virtual void refreshData() = 0;

protected:
    RefresherDelegate() = default;
    RefresherDelegate(const RefresherDelegate&) = default;
    RefresherDelegate& operator=(const RefresherDelegate&) = default;
};
