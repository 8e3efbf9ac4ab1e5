// The rename run's groups: files of one folder that share a base name and
// were taken together (see PairIndex) are named and moved as one.
#include "metadata/FileSource.h"
#include "naming/NameGenerator.h"
#include "platform/PathNames.h"
#include "run/DeleteRules.h"
#include "run/NameCheck.h"
#include "run/PairNames.h"
#include "run/RenameRun.h"
#include "run/RunHost.h"

namespace lumenscribe {

// The files that share the base name of `work`'s file and were taken with
// it get one name: the date of the group's still, and a counter or shifted
// second free for every member. False leaves `work`'s file to be named on
// its own: when it is in no group, or the person is asked about each file
// (a name typed for one file is not forced on the others), or the style
// cannot give the members one name.
bool RenameRun::nameAsGroup(const FileWork& work, NameGenerator& style)
{
    if (asksEachFile())
        return false;
    QList<FileWork> files{work};
    for (const ListedFile& partner : m_pairs.takePartners(work.path)) {
        FileWork other;
        if (readPartner(partner, other, style))
            files.append(other);
    }
    QList<PairIndex::Candidate> candidates;
    for (const FileWork& file : std::as_const(files)) {
        // Only capture dates to the second tell that two files are one shot.
        const bool captured = file.date && !file.timeUnknown && file.dateSource != u"creation-date";
        candidates.append({file.path, captured ? file.date : std::nullopt});
    }
    const QList<int> members = PairIndex::group(candidates);
    if (members.isEmpty())
        return false;
    FileWork group = files.at(members.first());
    QStringList paths;
    for (const int index : members)
        paths.append(files.at(index).path);
    PairNames names(style, m_fileSystem, paths);
    if (!names.canShareName(m_host.correctDate(*group.date)))
        return false;
    makeTarget(group, style, &names);
    if (group.needsConfirmation)
        return false;
    const unsigned flags = m_snapshot.nameCheckFlags();
    bool unchanged = group.target == group.path;
    for (int k = 1; k < members.size(); ++k) {
        FileReport::Companion member;
        member.source = paths.at(k);
        member.target = names.targetOf(group.target, k);
        // A longer suffix can make a name too long where the still's is not.
        if (NameCheck::checkFree(PathNames::lastComponent(member.target), m_targetFolder, flags) != NameCheck::Ok)
            return false;
        member.action = member.source == member.target ? FileReport::Action::Unchanged : FileReport::Action::Renamed;
        unchanged = unchanged && member.source == member.target;
        group.members.append(member);
    }
    // Their own turns find nothing to do, whatever becomes of them now.
    for (const QString& path : std::as_const(paths))
        m_movedAlong.insert(path);
    if (unchanged) {
        report(group, FileReport::Action::Unchanged);
    } else if (!aborted() && group.target == group.path) {
        // The still has its name already: the others follow it.
        OptionalInstant creationDate;
        if (m_snapshot.settings.changeCreationDate)
            creationDate = m_host.correctDate(*group.date);
        moveMembers(group, creationDate);
        report(group, FileReport::Action::Unchanged);
    } else if (!aborted()) {
        moveWithCompanions(group);
    }
    // The file in hand is named here, or (not a member) on its own after.
    return members.contains(0);
}

// A partner is read as its own turn would read it, and taken only where
// that turn would name it: a plain regular file that no rule deletes or
// leaves alone.
bool RenameRun::readPartner(const ListedFile& file, FileWork& work, const NameGenerator& style)
{
    if (m_movedAlong.contains(file.path) || m_companions.isHeldBack(file.path) || !nameSkipReason(file.path).isEmpty())
        return false;
    FileStatus status;
    FileSource opened;
    if (lookAt(file, status, opened) || !isRegularItself(file, status) || wouldDelete(file.path, status) ||
        !contentSkipReason(file.path, opened).isEmpty())
        return false;
    work.path = file.path;
    work.status = status;
    work.statusIsOwn = opened.isOpen();
    readDate(work, style, opened.isOpen() ? &opened : nullptr);
    return true;
}

// Each member moves on its own, with its own companions: one that cannot
// move keeps its name (and its companions) and is reported, and the others
// go all the same. Run again, the group is found again, and the one left
// behind takes the name of the others if it is still free.
void RenameRun::moveMembers(FileWork& work, OptionalInstant creationDate)
{
    for (FileReport::Companion& member : work.members) {
        if (member.action == FileReport::Action::Unchanged || aborted())
            continue;
        if (!move(member.source, member.target, creationDate, &member.message)) {
            member.action = FileReport::Action::Failed;
            continue;
        }
        FileWork moved;
        moved.path = member.source;
        moved.target = member.target;
        moveCompanions(moved, creationDate);
        work.companions.append(moved.companions);
    }
}

bool RenameRun::wouldDelete(const QString& path, const FileStatus& status) const
{
    const Settings::Values& settings = m_snapshot.settings;
    return settings.deleteRule() != DeleteRule::None &&
           DeleteRules::shouldDelete(settings.deleteRule(), PathNames::lastComponent(path),
                                     settings.deleteFilesPatterns, status.size, settings.deleteFilesSmallerThankB);
}

} // namespace lumenscribe
