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
        return QStringLiteral("Rename photos and movies (the default: lumenscribe PATH...).");
    }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    void addOptions(QCommandLineParser& parser);
    bool applyOverrides(const QCommandLineParser& parser, MainController& controller, QString* error);
    bool applyStyle(const QCommandLineParser& parser, MainController& controller, QString* error);
    bool applyTarget(const QCommandLineParser& parser, MainController& controller, QString* error);
    void applyPrefixSuffix(const QCommandLineParser& parser, MainController& controller);
    static bool needsConfirmationOfEveryFile(const MainController& controller);

    StyleOptions m_styleOptions;
    QCommandLineOption m_dryRun{{QStringLiteral("n"), QStringLiteral("dry-run")},
                                QStringLiteral("Show the plan; touch no file.")};
    QCommandLineOption m_yes{{QStringLiteral("y"), QStringLiteral("yes")},
                             QStringLiteral("Rename without asking (files whose name fails the check are left).")};
    QCommandLineOption m_ask{QStringLiteral("ask"),
                             QStringLiteral("Ask on standard input even when it is not a terminal.")};
    QCommandLineOption m_folderStyle{QStringLiteral("folder-style"),
                                     QStringLiteral("Folder style N for --dated-folder."), QStringLiteral("N")};
    QCommandLineOption m_inPlace{QStringLiteral("in-place"), QStringLiteral("Rename files where they are.")};
    QCommandLineOption m_moveTo{QStringLiteral("move-to"), QStringLiteral("Move the files into DIR."),
                                QStringLiteral("DIR")};
    QCommandLineOption m_datedFolder{QStringLiteral("dated-folder"),
                                     QStringLiteral("Move the files into a new dated folder in DIR."),
                                     QStringLiteral("DIR")};
    QCommandLineOption m_prefix{QStringLiteral("prefix"), QStringLiteral("Prefix for the new names."),
                                QStringLiteral("P")};
    QCommandLineOption m_suffix{QStringLiteral("suffix"), QStringLiteral("Suffix for the new names."),
                                QStringLiteral("S")};
    QCommandLineOption m_config{QStringLiteral("config"), QStringLiteral("Use this settings file."),
                                QStringLiteral("FILE")};
    QCommandLineOption m_json{QStringLiteral("json"), QStringLiteral("One JSON object per file on stdout.")};
};

} // namespace lumenscribe
