#include "cli/RunCommand.h"

#include "cli/NativeText.h"
#include "cli/RunLockWait.h"
#include "cli/RunReporter.h"
#include "cli/SettingsLoader.h"
#include "cli/ShiftText.h"
#include "cli/SuffixWarning.h"
#include "cli/TerminalFileConfirm.h"
#include "cli/TerminalFolderConfirm.h"
#include "cli/TerminalInput.h"
#include "cli/TerminalOutput.h"
#include "cli/TerminalStatus.h"
#include "controllers/MainController.h"
#include "fs/FileSystem.h"
#include "journal/RunLock.h"
#include "platform/NameZone.h"
#include "platform/ShiftTable.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <unistd.h>

namespace lumenscribe {

namespace {

MainController* g_controller = nullptr;

extern "C" void onInterrupt(int)
{
    TerminalInput::interrupted().store(true);
    if (g_controller)
        g_controller->requestAbort(); // one lock-free atomic store
}

// Ctrl-C stops the run before its next file; the file in hand is finished.
class InterruptGuard
{
public:
    explicit InterruptGuard(MainController& controller)
    {
        g_controller = &controller;
        struct sigaction action
        {
        };
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0; // no restart: a prompt waiting for input wakes up
        sigaction(SIGINT, &action, &m_previous);
    }
    ~InterruptGuard()
    {
        sigaction(SIGINT, &m_previous, nullptr);
        g_controller = nullptr;
    }

private:
    struct sigaction m_previous
    {
    };
};

int usageError(QTextStream& err, const QString& message)
{
    err << "lumenscribe: " << message << '\n';
    return 2;
}

} // namespace

void RunCommand::addOptions(QCommandLineParser& parser)
{
    //% "Renames photos and movies, and the files in folders, after the moment they were taken."
    parser.setApplicationDescription(qtTrId("CliRunDescription"));
    parser.addHelpOption();
    //% "Files or folders to rename."
    parser.addPositionalArgument(QStringLiteral("PATH"), qtTrId("CliRunArgumentPath"), QStringLiteral("PATH..."));
    for (const QCommandLineOption& option : {m_dryRun, m_yes, m_ask})
        parser.addOption(option);
    //% "Wait for a run or undo already going on to finish."
    parser.addOption(QCommandLineOption(QStringLiteral("wait"), qtTrId("CliOptionWait")));
    m_styleOptions.addTo(parser);
    for (const QCommandLineOption& option :
         {m_folderStyle, m_inPlace, m_moveTo, m_datedFolder, m_byDay, m_copy, m_prefix, m_suffix, m_zone, m_noPairs,
          m_onlyMedia, m_config, m_shift, m_shiftModel, m_json})
        parser.addOption(option);
}

int RunCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    addOptions(parser);
    // Paths keep their exact bytes, even when they are not UTF-8.
    if (!parser.parse(NativeText::arguments(arguments)))
        return usageError(err, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty())
        //% "no files given (see lumenscribe --help)"
        return usageError(err, qtTrId("CliRunNoFiles"));

    const bool dryRun = parser.isSet(m_dryRun);
    const bool yes = parser.isSet(m_yes);
    // Taken before the settings are read, so the counters go on from where
    // the run before left them. A dry run changes nothing and need not wait.
    RunLock runLock;
    if (!dryRun && !RunLockWait::take(runLock, parser.isSet(QStringLiteral("wait")), err))
        return 1;
    const std::unique_ptr<MainController> loaded = SettingsLoader::load(parser.value(m_config), err);
    MainController& controller = *loaded;
    // What is saved at the end: the stored settings with the new counters,
    // never this run's options.
    QVariantMap stored = controller.preferencesDictionary();
    QString error;
    if (!applyOverrides(parser, controller, &error))
        return usageError(err, error);

    const bool interactive = (TerminalInput::isInteractive() || parser.isSet(m_ask)) && !yes && !dryRun;
    if (!interactive && !yes && !dryRun && needsConfirmationOfEveryFile(controller))
        //% "the settings ask to confirm every file, and there is no terminal to ask on: "
        //% "use --yes to rename without asking, or --dry-run to see the plan"
        return usageError(err, qtTrId("CliRunNoTerminalToAsk"));

    TerminalOutput output(out, err, ::isatty(STDERR_FILENO) == 1 && !parser.isSet(m_json));
    RunReporter reporter(output, parser.isSet(m_json), dryRun);
    TerminalFileConfirm fileConfirm(controller.ciwController(), output, interactive);
    TerminalFolderConfirm folderConfirm(controller.fiwController(), output, interactive);
    TerminalStatus status(controller, output, fileConfirm, folderConfirm);
    controller.ciwController().setView(&fileConfirm);
    controller.fiwController().setView(&folderConfirm);
    controller.setStatusProxy(&status);
    controller.setRunObserver(&reporter);
    controller.setDryRun(dryRun);
    controller.setRenameAllAtStart(yes);

    if (const QString shifts = ShiftTable(controller.timeShift(), controller.timeShiftByModel()).description();
        !shifts.isEmpty()) {
        //% "time shift %1"
        const QString line = qtTrId("CliRunTimeShift").arg(shifts);
        parser.isSet(m_json) ? output.message(line) : output.result(line);
    }
    if (const QString warning = SuffixWarning::forFormat(controller.fileNameGenerator()->formatString());
        !warning.isEmpty())
        output.message(warning);
    bool missing = false;
    QStringList absolute;
    for (const QString& path : paths) {
        if (!FileSystem::real().exists(path)) {
            //% "%1: no such file or folder"
            output.message(QStringLiteral("lumenscribe: ") + qtTrId("CliRunNoSuchPath").arg(path));
            missing = true;
            continue;
        }
        absolute.append(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    }
    {
        const InterruptGuard guard(controller);
        controller.applicationOpenFiles(absolute);
        controller.waitForRun();
    }
    output.message(reporter.summary());
    bool saved = true;
    if (!dryRun) {
        // Only the counters are this run's to save: a "config set" made
        // meanwhile is kept.
        QVariantMap counted = stored;
        counted.insert(QStringLiteral("fileSeqCounter"), controller.fileSeqCounter());
        counted.insert(QStringLiteral("folderSeqCounter"), controller.folderSeqCounter());
        saved = controller.preferencesStore().saveChanges(stored, counted, &error);
        if (!saved)
            //% "the settings could not be saved: %1"
            output.message(QStringLiteral("lumenscribe: ") + qtTrId("CliSettingsNotSaved").arg(error));
    }
    return reporter.allHandled() && !missing && saved ? 0 : 1;
}

bool RunCommand::needsConfirmationOfEveryFile(const MainController& controller)
{
    return controller.confirmEachFile() || controller.prefixSuffixType() == 1 ||
           (controller.downloadOptions() == 2 && controller.downloadPrefixSuffixType() == 1);
}

bool RunCommand::applyOverrides(const QCommandLineParser& parser, MainController& controller, QString* error)
{
    if (!applyStyle(parser, controller, error) || !applyTarget(parser, controller, error))
        return false;
    applyPrefixSuffix(parser, controller);
    if (parser.isSet(m_copy))
        controller.setCopyInsteadOfMoving(true);
    if (parser.isSet(m_zone)) {
        if (!NameZone::accepts(parser.value(m_zone))) {
            //% "unknown zone '%1': use local, camera or a zone name such as Europe/Berlin"
            *error = qtTrId("CliRunUnknownZone").arg(parser.value(m_zone));
            return false;
        }
        controller.setNameZone(parser.value(m_zone));
    }
    return applyShift(parser, controller, error);
}

bool RunCommand::applyShift(const QCommandLineParser& parser, MainController& controller, QString* error)
{
    if (parser.isSet(m_shift)) {
        const QString text = parser.value(m_shift);
        if (!TimeShift::isValid(text)) {
            *error = ShiftText::problem(text);
            return false;
        }
        controller.setTimeShift(text);
    }
    if (parser.isSet(m_shiftModel)) {
        const QStringList added = parser.values(m_shiftModel);
        for (const QString& entry : added) {
            if (!TimeShift::parseModelEntry(entry)) {
                *error = ShiftText::modelProblem(entry);
                return false;
            }
        }
        controller.setTimeShiftByModel(ShiftTable::merged(controller.timeShiftByModel(), added));
    }
    if (parser.isSet(m_noPairs))
        controller.setNamePairsTogether(false);
    if (parser.isSet(m_onlyMedia))
        controller.setOnlyPhotosAndMovies(true);
    return true;
}

bool RunCommand::applyStyle(const QCommandLineParser& parser, MainController& controller, QString* error)
{
    const bool custom = parser.isSet(QStringLiteral("style")) || parser.isSet(QStringLiteral("format")) ||
                        parser.isSet(QStringLiteral("set"));
    if (custom) {
        FNGenerators& files = controller.fileNameGenerators();
        std::unique_ptr<NameGenerator> style = m_styleOptions.build(parser, files, error);
        if (!style)
            return false;
        // A custom style for this run only: the stored settings are saved,
        // not the collection that holds it.
        files.addGenerator()->takeSettingsFromGenerator(*style);
        controller.setNamingStyle(files.count() - 1);
        controller.fileNameGenerators().setSeqCounter(controller.fileSeqCounter());
    }
    if (parser.isSet(m_folderStyle)) {
        bool ok = false;
        const int index = parser.value(m_folderStyle).toInt(&ok);
        if (!ok || !controller.folderNameGenerators().generatorAtIndex(index)) {
            //% "no folder style number '%1' (see lumenscribe styles)"
            *error = qtTrId("CliRunNoFolderStyle").arg(parser.value(m_folderStyle));
            return false;
        }
        controller.setDownloadNamingStyle(index);
    }
    return true;
}

bool RunCommand::applyTarget(const QCommandLineParser& parser, MainController& controller, QString* error)
{
    const int chosen = int(parser.isSet(m_inPlace)) + int(parser.isSet(m_moveTo)) + int(parser.isSet(m_datedFolder)) +
                       int(parser.isSet(m_byDay));
    if (chosen > 1) {
        //% "--in-place, --move-to, --dated-folder and --by-day exclude each other"
        *error = qtTrId("CliRunTargetsExclusiveByDay");
        return false;
    }
    if (parser.isSet(m_inPlace))
        controller.setDownloadOptions(0);
    const QString folder = parser.isSet(m_moveTo)        ? parser.value(m_moveTo)
                           : parser.isSet(m_datedFolder) ? parser.value(m_datedFolder)
                                                         : parser.value(m_byDay);
    if (!folder.isEmpty()) {
        if (!QFileInfo(folder).isDir()) {
            //% "'%1' is not a folder"
            *error = qtTrId("CliNotAFolder").arg(folder);
            return false;
        }
        controller.setDownloadDestinationFolder(QFileInfo(folder).absoluteFilePath());
        controller.setDownloadOptions(parser.isSet(m_moveTo) ? 1 : parser.isSet(m_datedFolder) ? 2 : 3);
    }
    return true;
}

void RunCommand::applyPrefixSuffix(const QCommandLineParser& parser, MainController& controller)
{
    if (!parser.isSet(m_prefix) && !parser.isSet(m_suffix))
        return;
    const int type = controller.prefixSuffixType();
    const bool prefix = parser.isSet(m_prefix) || type == 2 || type == 4;
    const bool suffix = parser.isSet(m_suffix) || type == 3 || type == 4;
    if (parser.isSet(m_prefix))
        controller.setPrefixString(parser.value(m_prefix));
    if (parser.isSet(m_suffix))
        controller.setSuffixString(parser.value(m_suffix));
    controller.setPrefixSuffixType(prefix && suffix ? 4 : (prefix ? 2 : 3));
    // The window's own choice would otherwise override the application's.
    controller.ciwController().setPrefixSuffixType(1);
}

} // namespace lumenscribe
