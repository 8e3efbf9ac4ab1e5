#include "metadata/ExifDictionary.h"

#include "metadata/ExifDate.h"
#include "metadata/ExifInteger.h"
#include "metadata/ExifOption.h"
#include "metadata/ExifRational.h"
#include "metadata/ExifString.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

namespace lumenscribe {

namespace {

using Options = std::initializer_list<std::pair<int, const char*>>;

std::unique_ptr<ExifValue> option(Options options, std::optional<int> defaultId = std::nullopt)
{
    auto entry = std::make_unique<ExifOption>();
    for (const auto& [id, text] : options)
        entry->addOption(QString::fromLatin1(text), id);
    if (defaultId)
        entry->setDefaultID(*defaultId);
    return entry;
}

std::unique_ptr<ExifValue> orientation()
{
    return option({{1, "The 0th row is at the visual top of the image, and the 0th column is the visual "
                       "left-hand side."},
                   {2, "The 0th row is at the visual top of the image, and the 0th column is the visual "
                       "right-hand side."},
                   {3, "The 0th row is at the visual bottom of the image, and the 0th column is the visual "
                       "right-hand side."},
                   {4, "The 0th row is at the visual bottom of the image, and the 0th column is the visual "
                       "left-hand side."},
                   {5, "The 0th row is the visual left-hand side of of the image, and the 0th column is the "
                       "visual top."},
                   {6, "The 0th row is the visual right -hand side of of the image, and the 0th column is "
                       "the visual top."},
                   {7, "The 0th row is the visual right -hand side of of the image, and the 0th column is "
                       "the visual bottom."},
                   {8, "The 0th row is the visual left-hand side of of the image, and the 0th column is the "
                       "visual bottom."}},
                  1);
}

std::unique_ptr<ExifValue> optionEntry(const QString& key)
{
    if (key == u"Orientation")
        return orientation();
    if (key == u"YCbCrPositioning")
        return option({{1, "centered"}, {2, "co-sited"}}, 1);
    if (key == u"MeteringMode")
        return option({{0, "unknown"},
                       {1, "Average"},
                       {2, "CenterWeightedAverage"},
                       {3, "Spot"},
                       {4, "MultiSpot"},
                       {5, "Pattern"},
                       {6, "Partial"},
                       {255, "other"}},
                      0);
    if (key == u"ExposureProgram")
        return option({{0, "not defined"},
                       {1, "Manual"},
                       {2, "Normal program"},
                       {3, "Aperture priority"},
                       {4, "Shutter priority"},
                       {5, "Creative program"},
                       {6, "Action program"},
                       {7, "Portrait mode"},
                       {8, "Landscape mode"}},
                      0);
    if (key == u"LightSource")
        return option({{0, "unknown"},
                       {1, "Daylight"},
                       {2, "Fluorescent"},
                       {3, "Tungsten"},
                       {17, "Standard light A"},
                       {18, "Standard light B"},
                       {19, "Standard light C"},
                       {20, "D55"},
                       {21, "D65"},
                       {22, "D75"},
                       {255, "other"}},
                      0);
    if (key == u"FlashFiringStatus")
        return option({{0, "Flash did not fire."}, {1, "Flash fired."}});
    if (key == u"FlashReturnStatus")
        return option({{0, "No strobe return detection function."},
                       {4, "Strobe return light not detected."},
                       {6, "Strobe return light detected."}});
    if (key == u"ResolutionUnit")
        return option({{2, "inches"}, {3, "centimeters"}}, 2);
    if (key == u"ColorSpace")
        return option({{1, "sRGB"}, {65535, "Uncalibrated"}}, 1);
    return nullptr;
}

bool isOneOf(const QString& key, std::initializer_list<const char16_t*> keys)
{
    for (const char16_t* candidate : keys) {
        if (key == QStringView(candidate))
            return true;
    }
    return false;
}

std::unique_ptr<ExifValue> plainEntry(const QString& key)
{
    // The three offset texts are ours: they show beside the dates in the tags
    // view, while names keep using local wall-clock time.
    if (isOneOf(key, {u"Make", u"Model", u"Software", u"Artist", u"Copyright", u"SubsecTime", u"SubsecTimeOriginal",
                      u"SubsecTimeDigitized", u"OffsetTime", u"OffsetTimeOriginal", u"OffsetTimeDigitized"}))
        return std::make_unique<ExifString>();
    if (isOneOf(key, {u"ExifVersion", u"FlashPixVersion"})) {
        auto entry = std::make_unique<ExifString>();
        entry->setMaxLength(4);
        return entry;
    }
    if (isOneOf(key, {u"ExposureTime", u"CompressedBitsPerPixel", u"XResolution", u"YResolution", u"FocalLength",
                      u"FNumber", u"ShutterSpeedValue", u"ExposureBiasValue", u"MaxApertureValue", u"SubjectDistance"}))
        return std::make_unique<ExifRational>();
    if (isOneOf(key, {u"ISOSpeedRatings", u"FocalLengthIn35mmFilm", u"PixelXDimension", u"PixelYDimension",
                      u"PlanarConfiguration", u"SamplesPerPixel", u"PhotometricInterpretation", u"ImageWidth",
                      u"ImageLength", u"Compression", u"YCbCrSubSampling"}))
        return std::make_unique<ExifInteger>();
    return nullptr;
}

} // namespace

bool ExifDictionary::isDateKey(QStringView key)
{
    return key == u"DateTime" || key == u"DateTimeOriginal" || key == u"DateTimeDigitized";
}

ExifValue* ExifDictionary::createDictionaryEntry(const QString& key)
{
    if (m_datesOnly && !isDateKey(key) && !(m_withModel && key == u"Model"))
        return nullptr;
    // Dates first: they are the one entry every file gets.
    std::unique_ptr<ExifValue> entry = isDateKey(key) ? std::make_unique<ExifDate>() : optionEntry(key);
    if (!entry)
        entry = plainEntry(key);
    if (!entry)
        return nullptr;
    ExifValue* raw = entry.get();
    m_entries[key] = std::move(entry);
    return raw;
}

const ExifValue* ExifDictionary::value(const QString& key) const
{
    const auto found = m_entries.find(key);
    return found == m_entries.end() ? nullptr : found->second.get();
}

} // namespace lumenscribe
