// The port that tells today's date and the local time it comes from.
#pragma once

namespace platform {

// A local calendar time, as the user's wall clock shows it.
struct LocalTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

// The machine's clock in the local time zone.
class SystemClock final : public Clock {
public:
    LocalTime now() const override;
};

// A clock that always shows the same moment: for tests and reproducible output.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalTime time) : time_(time) {}
    LocalTime now() const override { return time_; }
    void set(LocalTime time) { time_ = time; }

private:
    LocalTime time_;
};

} // namespace platform
