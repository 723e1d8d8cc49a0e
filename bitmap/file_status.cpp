#include "bitmap/file_status.h"

#include <cstring>

#include "bitmap/image_limits.h"

namespace {

std::string WithSystemError(std::string text, int systemError) {
    if (systemError != 0) {
        text += " (";
        text += std::strerror(systemError);
        text += ")";
    }
    return text;
}

std::string Dimensions(std::int32_t width, std::int32_t height) {
    return std::to_string(width) + " \u00d7 " + std::to_string(height);
}

}  // namespace

std::string LoadStatus::Describe() const {
    switch (error) {
        case LoadError::None:
            return "loaded";
        case LoadError::CannotOpen:
            return WithSystemError("cannot be opened", systemError);
        case LoadError::NotBmp:
            return "not a BMP file";
        case LoadError::TruncatedHeader:
            return "truncated header";
        case LoadError::UnsupportedCompression:
            return "unsupported compression " + std::to_string(compression);
        case LoadError::UnsupportedBitDepth:
            return "unsupported bit depth " + std::to_string(bitCount);
        case LoadError::BadDimensions:
            return "bad dimensions " + Dimensions(width, height);
        case LoadError::TooLarge:
            return "too large: " + Dimensions(width, height) + " pixels, the limit is " +
                   std::to_string(kMaxPixelCount) + " pixels";
        case LoadError::OutOfMemory:
            return "too large: not enough memory for " + Dimensions(width, height) + " pixels";
    }
    return "unknown error";
}

std::string SaveStatus::Describe() const {
    switch (error) {
        case SaveError::None:
            return "saved";
        case SaveError::CannotOpen:
            return WithSystemError("cannot be opened for writing", systemError);
        case SaveError::WriteFailed:
            return WithSystemError("write failed", systemError);
        case SaveError::TooLarge:
            return "too large for a BMP file (over 4 GiB)";
    }
    return "unknown error";
}
