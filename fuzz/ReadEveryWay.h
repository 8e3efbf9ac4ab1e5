// What the metadata fuzzer does with one input: the whole container choice,
// the byte scan alone, and each container reader on its own, so that a
// reader the container tests would not reach is still exercised. The test
// suite replays the fuzzer's findings through this same function.
#pragma once

#include "metadata/ByteReader.h"
#include "metadata/CrwReader.h"
#include "metadata/DateText.h"
#include "metadata/EmbeddedPreview.h"
#include "metadata/ExifAccess.h"
#include "metadata/ExifDictionary.h"
#include "metadata/FreeFormDate.h"
#include "metadata/IsoBmffReader.h"
#include "metadata/JpegMarkerReader.h"
#include "metadata/MediaKind.h"
#include "metadata/MemorySource.h"
#include "metadata/PngReader.h"
#include "metadata/RiffReader.h"
#include "metadata/XmpReader.h"

#include <QByteArrayView>
#include <algorithm>

namespace lumenscribe::fuzz {

inline void readEveryWay(QByteArrayView bytes)
{
    const MemorySource source(bytes);
    const ByteReader buffer(source);

    ExifAccess reader;
    reader.readExifInformationFromSource(source);
    reader.readExifInformationFromBuffer(bytes);
    for (const auto& [key, value] : reader.exifDict().entries())
        (void)value->stringValue();
    // The run's own read: dates alone, with their fractions, offsets and
    // the camera model.
    ExifAccess datesOnly;
    datesOnly.setDatesOnly(true);
    datesOnly.setWithModel(true);
    datesOnly.readExifInformationFromSource(source);
    (void)datesOnly.evaluateCreationDate();
    (void)MediaKind::of(source);

    ExifDictionary dictionary;
    CrwReader::read(dictionary, buffer);
    RiffReader::readDate(dictionary, buffer);
    RiffReader::readWebP(dictionary, buffer);
    IsoBmffReader::readStillImage(dictionary, buffer);
    IsoBmffReader::readMovieDate(dictionary, buffer);
    PngReader::read(dictionary, buffer);
    JpegMarkerReader::read(dictionary, buffer);
    (void)EmbeddedPreview::find(buffer);
    (void)PngReader::xmpPacket(buffer);
    (void)PngReader::decodeRawProfile(bytes);
    XmpReader::read(dictionary, buffer);
    (void)XmpReader::readDate(dictionary, bytes);
    (void)FreeFormDate::parse(bytes.first(std::min<qsizetype>(bytes.size(), 64)));
    (void)DateText::read(bytes.first(std::min<qsizetype>(bytes.size(), 64)));
}

} // namespace lumenscribe::fuzz
