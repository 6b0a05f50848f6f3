#include "ui/platform/picture_memory.h"

#include <cstdlib>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace ondivel {

QImage allocateScreenImage(QSize size, QImage::Format format) {
#ifdef Q_OS_LINUX
    constexpr std::size_t kLargePage = std::size_t{2} << 20;
    const qsizetype bytesPerLine = qsizetype{4} * size.width();
    const auto bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(size.height());
    // Smaller pictures keep their translations in the processor's cache anyway.
    if (!size.isEmpty() && bytes >= 2 * kLargePage) {
        const std::size_t length = (bytes + kLargePage - 1) / kLargePage * kLargePage;
        if (void* memory = std::aligned_alloc(kLargePage, length)) {
            // Advice only: without large pages the picture works the same, more slowly.
            madvise(memory, length, MADV_HUGEPAGE);
            return QImage(
                static_cast<uchar*>(memory), size.width(), size.height(), bytesPerLine, format,
                [](void* block) { std::free(block); }, memory);
        }
    }
#endif
    return QImage(size, format);
}

} // namespace ondivel
