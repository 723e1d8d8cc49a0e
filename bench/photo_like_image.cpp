#include "bench/photo_like_image.h"

#include <cmath>
#include <vector>

namespace {

// Per channel, a profile along the columns and one along the rows; a pixel is
// their sum plus noise. Separable profiles keep the fill cheap for 12 MP.
struct Profile {
    std::vector<int> blue, green, red;
};

Profile MakeProfile(std::int32_t length, double phase) {
    Profile profile;
    for (std::int32_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / length;
        profile.blue.push_back(static_cast<int>(60 * t + 25 * std::sin(7.0 * t + phase)));
        profile.green.push_back(static_cast<int>(50 * (1 - t) + 30 * std::sin(11.0 * t + 2 * phase)));
        profile.red.push_back(static_cast<int>(70 * t * t + 20 * std::cos(5.0 * t + 3 * phase)));
    }
    return profile;
}

std::uint8_t Clamp(int value) {
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

}  // namespace

void FillPhotoLike(BMPImage& image, std::uint32_t seed) {
    const double phase = (seed % 1000) / 159.0;
    const Profile across = MakeProfile(image.Width(), phase);
    const Profile down = MakeProfile(image.Height(), phase + 1.0);
    std::uint32_t state = seed * 2654435761u + 1;
    for (std::int32_t row = 0; row < image.Height(); ++row) {
        Pixel* pixel = image.Row(row);
        for (std::int32_t column = 0; column < image.Width(); ++column) {
            // A linear congruential step; three small noise values from its top bits.
            state = state * 1664525u + 1013904223u;
            const int noiseBlue = static_cast<int>(state >> 29) - 4;
            const int noiseGreen = static_cast<int>(state >> 26 & 7) - 4;
            const int noiseRed = static_cast<int>(state >> 23 & 7) - 4;
            pixel[column] = Pixel{Clamp(64 + across.blue[column] + down.blue[row] + noiseBlue),
                                  Clamp(64 + across.green[column] + down.green[row] + noiseGreen),
                                  Clamp(48 + across.red[column] + down.red[row] + noiseRed), 0};
        }
    }
}
