#pragma once
// Two ways of doing the same work, measured in turn within one benchmark run so that a busy
// machine weighs on both alike: wall time and the CPU time of the whole process (every thread),
// medians over the iterations, and their ratios as counters.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

class AlternatingTimer {
public:
    struct Sample {
        double wall = 0, cpu = 0;  // seconds
    };

    template <typename Work>
    static Sample Measure(Work&& work)
    {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = ProcessCpuSeconds();
        work();
        Sample sample;
        sample.cpu = ProcessCpuSeconds() - cpuStart;
        sample.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        return sample;
    }

    void AddOurs(const Sample& s) { ours_.push_back(s); }
    void AddPlain(const Sample& s) { plain_.push_back(s); }

    // Counters in milliseconds: ours and plain, wall and CPU, and ours / plain for each, named
    // after `ours`.
    void Report(benchmark::State& state, const char* ours = "ours") const
    {
        const double oursWall = Median(ours_, &Sample::wall), oursCpu = Median(ours_, &Sample::cpu);
        const double plainWall = Median(plain_, &Sample::wall), plainCpu = Median(plain_, &Sample::cpu);
        const std::string name(ours);
        state.counters[name + "_wall_ms"] = oursWall * 1e3;
        state.counters[name + "_cpu_ms"] = oursCpu * 1e3;
        state.counters["plain_wall_ms"] = plainWall * 1e3;
        state.counters["plain_cpu_ms"] = plainCpu * 1e3;
        state.counters[name + "_ratio_wall"] = plainWall > 0 ? oursWall / plainWall : 0;
        state.counters[name + "_ratio_cpu"] = plainCpu > 0 ? oursCpu / plainCpu : 0;
    }

private:
    static double ProcessCpuSeconds()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }

    static double Median(std::vector<Sample> samples, double Sample::*field)
    {
        if (samples.empty())
            return 0;
        const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
        std::nth_element(samples.begin(), middle, samples.end(),
                         [field](const Sample& a, const Sample& b) { return a.*field < b.*field; });
        return (*middle).*field;
    }

    std::vector<Sample> ours_, plain_;
};
