// Feeds arbitrary bytes to the metadata reader: the whole container choice,
// the byte scan alone, and each container reader on its own, so that a
// reader the container tests would not reach is still exercised.
#include "metadata/CrwReader.h"
#include "metadata/ExifAccess.h"
#include "metadata/ExifDictionary.h"
#include "metadata/FreeFormDate.h"
#include "metadata/IsoBmffReader.h"
#include "metadata/JpegMarkerReader.h"
#include "metadata/MemorySource.h"
#include "metadata/PngReader.h"
#include "metadata/RiffReader.h"

#include <cstddef>
#include <cstdint>

using namespace lumenscribe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArrayView view(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const MemorySource source(view);
    const ByteReader buffer(source);

    ExifAccess reader;
    reader.readExifInformationFromSource(source);
    reader.readExifInformationFromBuffer(view);
    for (const auto& [key, value] : reader.exifDict().entries())
        (void)value->stringValue();

    ExifDictionary dictionary;
    CrwReader::read(dictionary, buffer);
    RiffReader::readDate(dictionary, buffer);
    RiffReader::readWebP(dictionary, buffer);
    IsoBmffReader::readStillImage(dictionary, buffer);
    IsoBmffReader::readMovieDate(dictionary, buffer);
    PngReader::read(dictionary, buffer);
    JpegMarkerReader::read(dictionary, buffer);
    (void)FreeFormDate::parse(view.first(std::min<qsizetype>(view.size(), 64)));
    return 0;
}
