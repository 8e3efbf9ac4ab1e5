// The coded values the settings and the styles store as numbers. The numbers
// are what settings files hold, so they never change.
#pragma once

namespace lumenscribe {

// Where a run puts the renamed files ("downloadOptions").
enum class DownloadOption : int
{
    InPlace = 0,
    DownloadFolder = 1,
    // A sub-folder of the download folder, named for the run by the folder style.
    DatedFolder = 2,
    // Folders of the download folder named by the folder style from each
    // file's own capture date, made as needed.
    ByDayFolders = 3,
};

// Which files a run deletes instead of renaming ("deleteFilesOptions").
enum class DeleteRule : int
{
    None = 0,
    MatchingPatterns = 1,
    SmallerThanLimit = 2,
    SmallerAndNotMatching = 3,
    MatchingOrSmaller = 4,
};

// Where a style takes a file's date from ("dateSource" of a style).
enum class DateSource : int
{
    // The capture date, else the file's creation date.
    MetadataThenFileDate = 0,
    MetadataOnly = 1,
    FileDateOnly = 2,
};

// The prefix and suffix a name gets ("prefixSuffixType" and its kin).
enum class PrefixSuffixType : int
{
    None = 0,
    // The confirm window asks each time.
    Ask = 1,
    Prefix = 2,
    Suffix = 3,
    Both = 4,
};

// How a name that is already taken is varied ("identicalFileNamesOption").
enum class IdenticalFileNames : int
{
    // One second later when the format has seconds, else the counter.
    ShiftSecondsOrCount = 0,
    Count = 1,
};

} // namespace lumenscribe
