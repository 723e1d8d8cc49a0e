#include "cli/paint_batch.h"

#include <atomic>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>

#include "cli/progress.h"
#include "cli/report.h"

namespace {

// Two inputs with the same file name would overwrite each other's result.
bool OutputNamesAreDistinct(const std::vector<std::string>& inputs, const std::filesystem::path& directory) {
    std::map<std::filesystem::path, std::string> seen;
    for (const std::string& input : inputs) {
        const std::filesystem::path output = directory / std::filesystem::path(input).filename();
        const auto [entry, added] = seen.emplace(output, input);
        if (!added) {
            ReportError("'" + entry->second + "' and '" + input + "' would both be painted into '" + output.string() +
                        "'");
            return false;
        }
    }
    return true;
}

}  // namespace

int PaintBatch(const std::vector<std::string>& inputs, const std::string& outputDirectory, const PaintChoice& choice,
               unsigned jobs) {
    const std::filesystem::path directory(outputDirectory);
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (!std::filesystem::is_directory(directory)) {
        ReportError("cannot use '" + outputDirectory + "' as the output directory" +
                    (error ? ": " + error.message() : std::string()));
        return 1;
    }
    if (!OutputNamesAreDistinct(inputs, directory)) {
        return 1;
    }

    Progress progress(inputs.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> failed{0};
    auto work = [&] {
        PaintImages images;
        for (std::size_t i = next++; i < inputs.size(); i = next++) {
            // An exception must not end a worker thread (and the program with
            // it): it fails this file like any other problem.
            std::optional<std::string> problem;
            try {
                const std::string output = (directory / std::filesystem::path(inputs[i]).filename()).string();
                problem = PaintFile(inputs[i], output, choice, images);
            } catch (const std::exception& exception) {
                problem = "cannot paint '" + inputs[i] + "': " + exception.what();
            }
            if (problem) {
                progress.Report(*problem);
                ++failed;
            }
            progress.FileDone();
        }
    };
    std::vector<std::thread> workers;
    const unsigned count = std::max(1u, std::min<unsigned>(jobs, static_cast<unsigned>(inputs.size())));
    for (unsigned i = 1; i < count; ++i) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
    progress.Finish(failed);
    return failed == 0 ? 0 : 1;
}
