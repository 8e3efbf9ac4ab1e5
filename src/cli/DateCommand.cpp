#include "cli/DateCommand.h"

#include "cli/FileProblem.h"
#include "cli/NativeText.h"
#include "cli/ShiftText.h"
#include "fs/FileSystem.h"
#include "metadata/CaptureDateFinder.h"
#include "metadata/ExifDate.h"
#include "platform/FileProbe.h"
#include "platform/ShiftTable.h"
#include "run/FolderExpander.h"

#include <QCommandLineParser>

namespace lumenscribe {

namespace {

QString json(const QString& text)
{
    return text.isNull() ? QStringLiteral("null") : NativeText::jsonString(text);
}

// The capture date shifted as a run would shift it (the file's creation
// date is not the camera's clock and stays as it is); `shift` gets the seconds.
CaptureDateFinder::Result findDate(const QString& path, const ShiftTable& shifts, qint64& shift)
{
    CaptureDateFinder::Result result = CaptureDateFinder::find(path, {}, NativePath::Look::First, shifts.needsModel());
    shift = result.date ? shifts.secondsFor(result.model) : 0;
    if (result.date)
        *result.date += double(shift);
    if (!result.date) {
        result.date = FileProbe::creationDate(path);
        result.source = result.date ? QStringLiteral("creation-date") : QString();
    }
    return result;
}

// The files as a run takes them: a folder gives everything below it, in
// path order, without names beginning with "."; a file stands for itself.
QStringList expand(const QStringList& paths, QTextStream& err, bool* unreadable)
{
    QStringList files;
    for (const QString& path : paths) {
        FileStatus status;
        if (FileSystem::real().status(path, status, FileSystem::Links::Follow) || !status.isFolder()) {
            files.append(path);
            continue;
        }
        FolderExpander expander(FileSystem::real());
        expander.add(path);
        for (const ListedFile& file : expander.sortedFiles())
            files.append(file.path);
        for (const QString& folder : expander.unreadable()) {
            err << "lumenscribe date: ";
            //% "cannot read '%1'"
            NativeText::writeWithPath(err, qtTrId("CliCannotRead"), folder);
            err << '\n';
            *unreadable = true;
        }
    }
    return files;
}

} // namespace

int DateCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    //% "Prints each file's capture date as the rename run finds it: from the \"thm\" or \"THM\" companion, "
    //% "the file itself, or else the file's creation date. Folders are walked as a run walks them."
    parser.setApplicationDescription(qtTrId("CliDateDescription"));
    parser.addHelpOption();
    //% "One JSON object per file."
    const QCommandLineOption jsonOption(QStringLiteral("json"), qtTrId("CliDateOptionJson"));
    parser.addOption(jsonOption);
    //% "Shift the capture dates by SHIFT, as a run with --shift would."
    const QCommandLineOption shiftOption(QStringLiteral("shift"), qtTrId("CliDateOptionShift"),
                                         QStringLiteral("SHIFT"));
    parser.addOption(shiftOption);
    //% "Shift one camera's capture dates as well, as a run with --shift-model would."
    const QCommandLineOption modelOption(QStringLiteral("shift-model"), qtTrId("CliDateOptionShiftModel"),
                                         QStringLiteral("MODEL=SHIFT"));
    parser.addOption(modelOption);
    //% "Files or folders to read."
    parser.addPositionalArgument(QStringLiteral("PATH"), qtTrId("CliDateArgumentPath"), QStringLiteral("PATH..."));
    if (const auto done = parseArguments(parser, arguments, out, err))
        return *done;
    if (parser.positionalArguments().isEmpty()) {
        //% "no file given (see lumenscribe date --help)"
        err << "lumenscribe date: " << qtTrId("CliDateNoFile") << '\n';
        return 2;
    }
    const QString badShift = !TimeShift::isValid(parser.value(shiftOption))
                                 ? ShiftText::problem(parser.value(shiftOption))
                                 : ShiftText::tableProblem(parser.values(modelOption));
    if (!badShift.isEmpty()) {
        err << "lumenscribe date: " << badShift << '\n';
        return 2;
    }
    const ShiftTable shifts(parser.value(shiftOption), parser.values(modelOption));
    const bool showShift = parser.isSet(shiftOption) || parser.isSet(modelOption);
    bool unreadable = false;
    const QStringList files = expand(parser.positionalArguments(), err, &unreadable);
    int status = unreadable ? 1 : 0;
    for (const QString& path : files) {
        CaptureDateFinder::Result result;
        qint64 shift = 0;
        if (const QString problem = FileProblem::forReading(path); !problem.isEmpty()) {
            err << "lumenscribe date: ";
            //% "cannot read '%1': %2"
            NativeText::writeWithPath(err, qtTrId("CliCannotReadBecause"), path, problem);
            err << '\n';
        } else {
            result = findDate(path, shifts, shift);
        }
        if (!result.date)
            status = 1;
        const QString date = result.date ? ExifDate::localText(*result.date) : QString();
        if (parser.isSet(jsonOption)) {
            out << "{\"path\":" << json(path) << ",\"date\":" << json(date)
                << ",\"source\":" << json(result.source.isEmpty() ? QString() : result.source)
                << ",\"key\":" << json(result.key.isEmpty() ? QString() : result.key)
                << ",\"subseconds\":" << json(result.subSeconds.isEmpty() ? QString() : result.subSeconds);
            if (showShift)
                out << ",\"shift\":" << json(shift != 0 ? TimeShift::text(shift) : QString());
            out << "}\n";
        } else {
            NativeText::write(out, path);
            out << '\t' << (date.isNull() ? QStringLiteral("-") : date) << '\t'
                << (result.source.isEmpty() ? QStringLiteral("-") : result.source);
            if (showShift)
                out << '\t' << (shift != 0 ? TimeShift::text(shift) : QStringLiteral("-"));
            out << '\n';
        }
    }
    return status;
}

} // namespace lumenscribe
