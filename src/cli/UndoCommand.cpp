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
    //% "Takes back a run: every file returns to its old name where that name is free and its new name still "
    //% "holds it; deleted files come back from the trash. Nothing is overwritten; what cannot be taken back is "
    //% "listed."
    parser.setApplicationDescription(qtTrId("CliUndoDescription"));
    parser.addHelpOption();
    //% "Show what would be taken back."
    const QString dryRunHelp = qtTrId("CliUndoOptionDryRun");
    const QCommandLineOption dryRun({QStringLiteral("n"), QStringLiteral("dry-run")}, dryRunHelp);
    //% "List the runs kept, newest first."
    const QCommandLineOption listOption(QStringLiteral("list"), qtTrId("CliUndoOptionList"));
    //% "Wait for a run or undo already going on to finish."
    const QCommandLineOption waitOption(QStringLiteral("wait"), qtTrId("CliOptionWait"));
    parser.addOptions({dryRun, listOption, waitOption});
    //% "The run to take back (default: the last)."
    parser.addPositionalArgument(QStringLiteral("RUN"), qtTrId("CliUndoArgumentRun"), QStringLiteral("[RUN]"));
    if (!parser.parse(NativeText::arguments(arguments)) || parser.positionalArguments().size() > 1) {
        //% "takes one run at most"
        err << "lumenscribe undo: "
            << (parser.errorText().isEmpty() ? qtTrId("CliUndoOneRunAtMost") : parser.errorText()) << '\n';
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
        //% "no run to take back"
        const QString nothing = qtTrId("CliUndoNothingToUndo");
        //% "no run '%1' (see lumenscribe undo --list)"
        err << "lumenscribe undo: " << (id.isEmpty() ? nothing : qtTrId("CliUndoNoSuchRun").arg(id)) << '\n';
        return 2;
    }
    UndoRun undo(FileSystem::real());
    const UndoRun::Result result = undo.undo(path, parser.isSet(dryRun));
    if (result.alreadyUndone) {
        //% "run %1 was taken back already; lumenscribe undo --list shows the runs kept, "
        //% "and lumenscribe undo RUN takes back an older one"
        err << "lumenscribe undo: " << qtTrId("CliUndoAlreadyUndone").arg(JournalStore::summarize(path).id) << '\n';
        return 1;
    }
    for (const QString& line : result.restored)
        out << line << '\n';
    out.flush();
    for (const QString& line : result.notRestored)
        //% "not undone: %1"
        err << qtTrId("CliUndoNotUndone").arg(line) << '\n';
    //% "would restore %1, not undone %2"
    const QString wouldRestore = qtTrId("CliUndoSummaryDryRun");
    //% "restored %1, not undone %2"
    err << (parser.isSet(dryRun) ? wouldRestore : qtTrId("CliUndoSummary"))
               .arg(QString::number(result.restored.size()), QString::number(result.notRestored.size()))
        << '\n';
    return result.notRestored.isEmpty() ? 0 : 1;
}

int UndoCommand::list(QTextStream& out)
{
    for (const JournalStore::RunSummary& run : JournalStore().runs()) {
        const QString when = QDateTime::fromSecsSinceEpoch(run.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QString state;
        if (run.undone)
            //% "undone"
            state = QStringLiteral("  (") + qtTrId("CliUndoListUndone") + u')';
        if (!run.finished && !run.undone)
            //% "stopped part way"
            state = QStringLiteral("  (") + qtTrId("CliUndoListStopped") + u')';
        if (!run.undone && run.restored > 0)
            //% "partly undone: %1 files"
            state += QStringLiteral("  (") + qtTrId("CliUndoListPartlyUndone").arg(run.restored) + u')';
        //% "%1 files"
        out << run.id << "  " << when << "  " << qtTrId("CliUndoListFiles").arg(run.files) << "  " << run.folder
            << state << '\n';
    }
    return 0;
}

} // namespace lumenscribe
