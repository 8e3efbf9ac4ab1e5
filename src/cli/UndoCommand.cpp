#include "cli/UndoCommand.h"

#include "cli/NativeText.h"
#include "cli/RunLockWait.h"
#include "fs/FileSystem.h"
#include "journal/JournalStore.h"
#include "journal/RunLock.h"
#include "journal/UndoRun.h"

#include <QCommandLineParser>
#include <QDateTime>

namespace lumenscribe {

int UndoCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Takes back a run: every file returns to its old name where that name is free and its new "
                       "name still holds it; deleted files come back from the trash. Nothing is overwritten; what "
                       "cannot be taken back is listed."));
    parser.addHelpOption();
    const QCommandLineOption dryRun({QStringLiteral("n"), QStringLiteral("dry-run")},
                                    QStringLiteral("Show what would be taken back."));
    const QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("List the runs kept, newest first."));
    const QCommandLineOption waitOption(QStringLiteral("wait"),
                                        QStringLiteral("Wait for a run or undo already going on to finish."));
    parser.addOptions({dryRun, listOption, waitOption});
    parser.addPositionalArgument(QStringLiteral("RUN"), QStringLiteral("The run to take back (default: the last)."),
                                 QStringLiteral("[RUN]"));
    if (!parser.parse(NativeText::arguments(arguments)) || parser.positionalArguments().size() > 1) {
        err << "lumenscribe undo: "
            << (parser.errorText().isEmpty() ? QStringLiteral("takes one run at most") : parser.errorText()) << '\n';
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(listOption))
        return list(out);

    // A run still going is never taken back part way: once the lock is free
    // its journal is complete, or its process is gone.
    RunLock runLock;
    if (!parser.isSet(dryRun) && !RunLockWait::take(runLock, parser.isSet(waitOption), err))
        return 1;
    const JournalStore store;
    const QString id = parser.positionalArguments().value(0);
    const QString path = store.pathForId(id);
    if (path.isEmpty()) {
        err << "lumenscribe undo: "
            << (id.isEmpty() ? QStringLiteral("no run to take back")
                             : QStringLiteral("no run '%1' (see lumenscribe undo --list)").arg(id))
            << '\n';
        return 2;
    }
    UndoRun undo(FileSystem::real());
    const UndoRun::Result result = undo.undo(path, parser.isSet(dryRun));
    if (result.alreadyUndone) {
        err << "lumenscribe undo: run " << JournalStore::summarize(path).id
            << " was taken back already; lumenscribe undo --list shows the runs kept, "
               "and lumenscribe undo RUN takes back an older one\n";
        return 1;
    }
    for (const QString& line : result.restored)
        out << line << '\n';
    out.flush();
    for (const QString& line : result.notRestored)
        err << "not undone: " << line << '\n';
    err << (parser.isSet(dryRun) ? "would restore " : "restored ") << result.restored.size() << ", not undone "
        << result.notRestored.size() << '\n';
    return result.notRestored.isEmpty() ? 0 : 1;
}

int UndoCommand::list(QTextStream& out)
{
    for (const JournalStore::RunSummary& run : JournalStore().runs()) {
        const QString when = QDateTime::fromSecsSinceEpoch(run.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QString state = run.undone ? QStringLiteral("  (undone)") : QString();
        if (!run.finished && !run.undone)
            state = QStringLiteral("  (stopped part way)");
        if (!run.undone && run.restored > 0)
            state += QStringLiteral("  (partly undone: %1 files)").arg(run.restored);
        out << run.id << "  " << when << "  " << run.files << " files  " << run.folder << state << '\n';
    }
    return 0;
}

} // namespace lumenscribe
