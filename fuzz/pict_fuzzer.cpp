// libFuzzer entry for the PICT reader: any bytes must decode to a picture
// within the size limit or to nothing, without a crash or a hang.
#include "platform/drawing/pict/pict_p.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage image = platform::decodePict(file);
    if (!image.isNull() && (image.width() > platform::kMaxPictSide || image.height() > platform::kMaxPictSide))
        std::abort();
    return 0;
}
