#pragma once

#include "date_time.h"

// Every reading of "now" goes through a clock, so that tests can fix the date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime currentDateTime() const = 0;
};

// The local wall clock that the desktop shows.
class SystemClock : public Clock {
public:
    DateTime currentDateTime() const override;
};
