#pragma once

#include <cstdint>

namespace burgeon {

// Time as the system reads it: the time of day (the wind's reseeding) and a millisecond tick
// counter (the frame delay). Injected so that tests can fix both.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t millisecondsOfDay() = 0;
    virtual std::int64_t tickMilliseconds() = 0;
};

class SystemClock : public Clock {
public:
    std::int64_t millisecondsOfDay() override;
    std::int64_t tickMilliseconds() override;
};

// A clock that only moves when told to.
class FixedClock : public Clock {
public:
    std::int64_t millisecondsOfDay() override { return millisecondsOfDayValue; }
    std::int64_t tickMilliseconds() override { return tickValue; }

    std::int64_t millisecondsOfDayValue = 0;
    std::int64_t tickValue = 0;
};

} // namespace burgeon
