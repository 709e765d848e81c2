#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

namespace runtime {

// A deadline taken for delivery, and the run it belongs to.
struct DueTick {
    std::int64_t deadline = 0;
    std::uint32_t generation = 0;
};

// The arithmetic of a timer that ticks on fixed deadlines (start + n × period, so a late wake
// never shifts the ones after it) and that more than one waiter wakes on. Each deadline is
// taken once, by whichever waiter asks first. A deadline that comes while the tick before it
// is still pending (taken, not yet accepted) is skipped, and deadlines that a late wake has
// passed are dropped: a window that falls behind never receives a burst of ticks. Every Start
// and Stop begins a new generation, so that ticks of an earlier run can be refused.
//
// Clock counts are plain integers (the performance counter on Windows). Not thread-safe: the
// timer holds its lock around every call.
class DeadlineGrid {
  public:
    // The first deadline comes one period after `now`. A one-shot run stops after it.
    void Start(std::int64_t now, std::int64_t period, bool oneShot) {
        running_ = true;
        oneShot_ = oneShot;
        period_ = std::max<std::int64_t>(1, period);
        start_ = now;
        next_ = now + period_;
        ++generation_;
        pending_ = false;
        skipped_ = 0;
        missed_ = 0;
    }

    void Stop() {
        running_ = false;
        ++generation_;
        pending_ = false;
    }

    // Once a deadline has come, moves on to the first deadline after `now` and returns the one
    // that came, unless the tick before it is still pending.
    std::optional<DueTick> TakeDue(std::int64_t now) {
        if (!running_ || now < next_) {
            return std::nullopt;
        }
        const DueTick due{next_, generation_};
        const bool skipped = pending_;
        pending_ = true;
        if (oneShot_) {
            running_ = false;
        } else {
            const std::int64_t passed = (now - start_) / period_;  // deadlines up to now
            missed_ += static_cast<std::uint64_t>(passed - (next_ - start_) / period_);
            next_ = start_ + (passed + 1) * period_;
        }
        if (skipped) {
            ++skipped_;
            return std::nullopt;
        }
        taken_ = due.deadline;
        return due;
    }

    // When the window handles a tick: false for a tick of an earlier run, which it ignores.
    bool Accept(std::uint32_t generation) {
        if (generation != generation_) {
            return false;
        }
        pending_ = false;
        accepted_ = taken_;
        return true;
    }

    bool running() const { return running_; }
    std::int64_t nextDeadline() const { return next_; }
    // The deadline of the tick last accepted.
    std::int64_t acceptedDeadline() const { return accepted_; }
    // Since Start: deadlines skipped because their predecessor was pending, and deadlines that
    // a late wake passed over.
    std::uint64_t skippedTicks() const { return skipped_; }
    std::uint64_t missedDeadlines() const { return missed_; }

  private:
    bool running_ = false;
    bool oneShot_ = false;
    bool pending_ = false;
    std::int64_t period_ = 1;
    std::int64_t start_ = 0;
    std::int64_t next_ = 0;
    std::int64_t taken_ = 0;
    std::int64_t accepted_ = 0;
    std::uint32_t generation_ = 0;  // wraps; only equality matters
    std::uint64_t skipped_ = 0;
    std::uint64_t missed_ = 0;
};

}  // namespace runtime
