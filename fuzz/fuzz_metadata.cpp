// Feeds arbitrary bytes to the metadata reader, every way (see ReadEveryWay.h).
#include "ReadEveryWay.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    lumenscribe::fuzz::readEveryWay(QByteArrayView(reinterpret_cast<const char*>(bytes), qsizetype(size)));
    return 0;
}
