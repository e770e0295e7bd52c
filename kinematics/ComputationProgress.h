#pragma once
// How far a long computation has got, and whether the user asked it to stop. The window's thread
// reads the one and sets the other while a worker thread computes; both are atomics, so neither
// side waits for the other.

#include <atomic>
#include <stdexcept>

// Ends a computation the user cancelled. Not an OrvekError: nobody shows it in the error box.
class ComputationCancelled : public std::runtime_error {
public:
    ComputationCancelled() : std::runtime_error("computation cancelled") {}
};

class ComputationProgress {
public:
    // The work ahead, in any unit the computation counts (for Calculate: crank positions solved).
    void SetTotal(long long units) { total_.store(units, std::memory_order_relaxed); }
    void Advance(long long units) { done_.fetch_add(units, std::memory_order_relaxed); }
    // 0 .. 1; 0 while no total is set.
    double Fraction() const
    {
        const long long total = total_.load(std::memory_order_relaxed);
        const long long done = done_.load(std::memory_order_relaxed);
        if (total <= 0)
            return 0;
        return done >= total ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    }

    void RequestCancel() { cancel_.store(true, std::memory_order_relaxed); }
    bool CancelRequested() const { return cancel_.load(std::memory_order_relaxed); }
    void ThrowIfCancelled() const
    {
        if (CancelRequested())
            throw ComputationCancelled();
    }

private:
    std::atomic<long long> total_{0};
    std::atomic<long long> done_{0};
    std::atomic<bool> cancel_{false};
};
