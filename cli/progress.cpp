#include "cli/progress.h"

#include <unistd.h>

#include <cstdio>

Progress::Progress(std::size_t totalFiles)
    : total(totalFiles), terminal(isatty(STDERR_FILENO) == 1), start(std::chrono::steady_clock::now()) {}

double Progress::Elapsed() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Progress::ClearBar() {
    if (terminal) std::fputs("\r\033[K", stderr);
}

void Progress::DrawBar() {
    if (!terminal) return;
    constexpr int kBarWidth = 30;
    const int filled = total == 0 ? kBarWidth : static_cast<int>(kBarWidth * done / total);
    const double elapsed = Elapsed();
    const double left = done == 0 ? 0.0 : elapsed / static_cast<double>(done) * static_cast<double>(total - done);
    std::fprintf(stderr, "\r[%.*s%*s] %zu/%zu files, %.1f s elapsed, about %.1f s left\033[K", filled,
                 "==============================", kBarWidth - filled, "", done, total, elapsed, left);
    std::fflush(stderr);
}

void Progress::Report(const std::string& message) {
    std::lock_guard<std::mutex> guard(lock);
    ClearBar();
    std::fprintf(stderr, "florwash: %s\n", message.c_str());
    DrawBar();
}

void Progress::FileDone() {
    std::lock_guard<std::mutex> guard(lock);
    ++done;
    DrawBar();
}

void Progress::Finish(std::size_t failed) {
    std::lock_guard<std::mutex> guard(lock);
    ClearBar();
    std::fprintf(stderr, "painted %zu of %zu files in %.1f s", total - failed, total, Elapsed());
    if (failed > 0) std::fprintf(stderr, " (%zu failed)", failed);
    std::fputs("\n", stderr);
}
