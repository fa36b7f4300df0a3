#include "clock.h"

DateTime SystemClock::currentDateTime() const {
    return DateTime::fromQDateTime(QDateTime::currentDateTime());
}
