#include "bench/bench_files.h"

#include <unistd.h>

#include <filesystem>
#include <map>
#include <system_error>
#include <tuple>

#include "bench/photo_like_image.h"

namespace {

class ScratchFolder {
public:
    ScratchFolder()
        : path(std::filesystem::temp_directory_path() /
               ("florwash-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path path;
};

ScratchFolder& Folder() {
    static ScratchFolder folder;
    return folder;
}

}  // namespace

std::string ScratchPath(const std::string& name) { return (Folder().path / name).string(); }

std::string PhotoFile(std::int32_t width, std::int32_t height, std::int32_t depth) {
    static std::map<std::tuple<std::int32_t, std::int32_t, std::int32_t>, std::string> made;
    const auto key = std::tuple{width, height, depth};
    if (const auto found = made.find(key); found != made.end()) {
        return found->second;
    }
    BMPImage image;
    if (!image.SetDepth(depth) || !image.SetDimensions(width, height)) {
        return {};
    }
    FillPhotoLike(image, 1);
    const std::string path = ScratchPath("photo-" + std::to_string(width) + "x" +
                                         std::to_string(height) + "-" + std::to_string(depth) + ".bmp");
    if (!image.Save(path.c_str())) {
        return {};
    }
    return made[key] = path;
}
