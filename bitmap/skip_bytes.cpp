#include "bitmap/skip_bytes.h"

#include <algorithm>

#include "bitmap/read_exact.h"

void SkipBytes(std::FILE* file, std::int64_t count) {
    std::uint8_t scratch[4096];
    while (count > 0) {
        const auto piece = static_cast<std::int32_t>(std::min<std::int64_t>(count, sizeof scratch));
        if (!ReadExact(scratch, 1, piece, file)) {
            return;
        }
        count -= piece;
    }
}
