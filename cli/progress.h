#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>

// Progress of a batch on standard error. On a terminal: a bar redrawn in
// place with files done / total, time elapsed and an estimate of the time
// left, and messages printed above it. Elsewhere: only the messages and one
// summary line at the end. Safe to call from several threads.
class Progress {
public:
    explicit Progress(std::size_t total);

    void Report(const std::string& message);  // one line, e.g. a failed file
    void FileDone();
    void Finish(std::size_t failed);

private:
    double Elapsed() const;
    void DrawBar();
    void ClearBar();

    std::mutex lock;
    const std::size_t total;
    std::size_t done = 0;
    const bool terminal;
    const std::chrono::steady_clock::time_point start;
};
