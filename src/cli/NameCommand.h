// "lumenscribe name": shows the name a style makes for a date and a file.
#pragma once

#include "cli/Command.h"
#include "cli/StyleOptions.h"

namespace lumenscribe {

class NameCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("name"); }
    QString summary() const override
    {
        //% "Show the name a style makes for a date."
        return qtTrId("CliHelpName");
    }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    void addOptions(QCommandLineParser& parser);
    bool applyRunValues(const QCommandLineParser& parser, NameGenerator& style, QString* error) const;
    QString makeName(const QCommandLineParser& parser, NameGenerator& style, OptionalInstant date) const;

    StyleOptions m_styleOptions;
    QCommandLineOption m_folder{QStringLiteral("folder"),
                                //% "Use the folder styles."
                                qtTrId("CliNameOptionFolder")};
    QCommandLineOption m_date{QStringLiteral("date"),
                              //% "Local date and time \"YYYY-MM-DD HH:MM:SS\" (default: now)."
                              qtTrId("CliNameOptionDate"), QStringLiteral("DATE")};
    QCommandLineOption m_file{QStringLiteral("file"),
                              //% "The file being named."
                              qtTrId("CliNameOptionFile"), QStringLiteral("NAME")};
    QCommandLineOption m_in{QStringLiteral("in"),
                            //% "Find a name not yet taken in this folder."
                            qtTrId("CliNameOptionIn"), QStringLiteral("DIR")};
    QCommandLineOption m_prefix{QStringLiteral("prefix"),
                                //% "Prefix written at %P."
                                qtTrId("CliNameOptionPrefix"), QStringLiteral("P")};
    QCommandLineOption m_suffix{QStringLiteral("suffix"),
                                //% "Suffix written at %S."
                                qtTrId("CliNameOptionSuffix"), QStringLiteral("S")};
    QCommandLineOption m_seq{QStringLiteral("seq"),
                             //% "Sequence number written at %Q (default 1)."
                             qtTrId("CliNameOptionSeq"), QStringLiteral("N")};
    QCommandLineOption m_identical{QStringLiteral("identical"),
                                   //% "When a name is taken: shift the 'second' or count up ('counter')."
                                   qtTrId("CliNameOptionIdentical"), QStringLiteral("second|counter")};
    QCommandLineOption m_example{QStringLiteral("example"),
                                 //% "Print the example name (no prefix, suffix or search)."
                                 qtTrId("CliNameOptionExample")};
    QCommandLineOption m_popup{QStringLiteral("popup"),
                               //% "Print the style's menu title."
                               qtTrId("CliNameOptionPopup")};
};

} // namespace lumenscribe
