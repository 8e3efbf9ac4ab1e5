// "lumenscribe [OPTIONS] PATH...": what dropping the paths on the application
// does. The paths are queued and one run renames them with the stored
// settings; options change settings for this run only.
#pragma once

#include "cli/Command.h"
#include "cli/StyleOptions.h"

namespace lumenscribe {

class MainController;

class RunCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("rename"); }
    QString summary() const override
    {
        //% "Rename photos and movies (the default: lumenscribe PATH...)."
        return qtTrId("CliHelpRename");
    }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    void addOptions(QCommandLineParser& parser);
    bool applyOverrides(const QCommandLineParser& parser, MainController& controller, QString* error);
    bool applyStyle(const QCommandLineParser& parser, MainController& controller, QString* error);
    bool applyTarget(const QCommandLineParser& parser, MainController& controller, QString* error);
    void applyPrefixSuffix(const QCommandLineParser& parser, MainController& controller);
    bool applyShift(const QCommandLineParser& parser, MainController& controller, QString* error);
    static bool needsConfirmationOfEveryFile(const MainController& controller);

    StyleOptions m_styleOptions;
    QCommandLineOption m_dryRun{{QStringLiteral("n"), QStringLiteral("dry-run")},
                                //% "Show the plan; touch no file."
                                qtTrId("CliRunOptionDryRun")};
    QCommandLineOption m_yes{{QStringLiteral("y"), QStringLiteral("yes")},
                             //% "Rename without asking (files whose name fails the check are left)."
                             qtTrId("CliRunOptionYes")};
    QCommandLineOption m_ask{QStringLiteral("ask"),
                             //% "Ask on standard input even when it is not a terminal."
                             qtTrId("CliRunOptionAsk")};
    QCommandLineOption m_folderStyle{QStringLiteral("folder-style"),
                                     //% "Folder style N for --dated-folder."
                                     qtTrId("CliRunOptionFolderStyle"), QStringLiteral("N")};
    QCommandLineOption m_inPlace{QStringLiteral("in-place"),
                                 //% "Rename files where they are."
                                 qtTrId("CliRunOptionInPlace")};
    QCommandLineOption m_moveTo{QStringLiteral("move-to"),
                                //% "Move the files into DIR."
                                qtTrId("CliRunOptionMoveTo"), QStringLiteral("DIR")};
    QCommandLineOption m_datedFolder{QStringLiteral("dated-folder"),
                                     //% "Move the files into a new dated folder in DIR."
                                     qtTrId("CliRunOptionDatedFolder"), QStringLiteral("DIR")};
    QCommandLineOption m_byDay{QStringLiteral("by-day"),
                               //% "Move the files into folders of DIR named by each file's capture day."
                               qtTrId("CliRunOptionByDay"), QStringLiteral("DIR")};
    QCommandLineOption m_copy{QStringLiteral("copy"),
                              //% "Copy the files to their new names; the originals stay as they are."
                              qtTrId("CliRunOptionCopy")};
    QCommandLineOption m_prefix{QStringLiteral("prefix"),
                                //% "Prefix for the new names."
                                qtTrId("CliRunOptionPrefix"), QStringLiteral("P")};
    QCommandLineOption m_suffix{QStringLiteral("suffix"),
                                //% "Suffix for the new names."
                                qtTrId("CliRunOptionSuffix"), QStringLiteral("S")};
    QCommandLineOption m_config{QStringLiteral("config"),
                                //% "Use this settings file."
                                qtTrId("CliOptionConfig"), QStringLiteral("FILE")};
    QCommandLineOption m_zone{
        QStringLiteral("zone"),
        //% "Name by the clock of ZONE: local (the default), camera, or a zone such as Europe/Berlin."
        qtTrId("CliRunOptionZone"), QStringLiteral("ZONE")};
    QCommandLineOption m_shift{QStringLiteral("shift"),
                               //% "Shift every capture date by SHIFT, for a camera clock that was wrong "
                               //% "(+1h, -30m, +2d3h, -0:00:05)."
                               qtTrId("CliRunOptionShift"), QStringLiteral("SHIFT")};
    QCommandLineOption m_shiftModel{QStringLiteral("shift-model"),
                                    //% "Shift the capture dates of one camera's files as well: \"MODEL=SHIFT\" "
                                    //% "(repeatable; in place of a stored shift for that model)."
                                    qtTrId("CliRunOptionShiftModel"), QStringLiteral("MODEL=SHIFT")};
    QCommandLineOption m_noPairs{QStringLiteral("no-pairs"),
                                 //% "Name files that share a base name (RAW+JPEG, Live Photos) each on its own."
                                 qtTrId("CliRunOptionNoPairs")};
    QCommandLineOption m_onlyMedia{QStringLiteral("only-media"),
                                   //% "Skip files that are neither photos nor movies by their content."
                                   qtTrId("CliRunOptionOnlyMedia")};
    QCommandLineOption m_json{QStringLiteral("json"),
                              //% "One JSON object per file on stdout."
                              qtTrId("CliRunOptionJson")};
};

} // namespace lumenscribe
