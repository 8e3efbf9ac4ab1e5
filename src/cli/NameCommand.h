// "lumenscribe name": shows the name a style makes for a date and a file.
#pragma once

#include "cli/Command.h"
#include "cli/StyleOptions.h"

namespace lumenscribe {

class NameCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("name"); }
    QString summary() const override { return QStringLiteral("Show the name a style makes for a date."); }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    void addOptions(QCommandLineParser& parser);
    bool applyRunValues(const QCommandLineParser& parser, NameGenerator& style, QString* error) const;
    QString makeName(const QCommandLineParser& parser, NameGenerator& style, OptionalInstant date) const;

    StyleOptions m_styleOptions;
    QCommandLineOption m_folder{QStringLiteral("folder"), QStringLiteral("Use the folder styles.")};
    QCommandLineOption m_date{QStringLiteral("date"),
                              QStringLiteral("Local date and time \"YYYY-MM-DD HH:MM:SS\" (default: now)."),
                              QStringLiteral("DATE")};
    QCommandLineOption m_file{QStringLiteral("file"), QStringLiteral("The file being named."), QStringLiteral("NAME")};
    QCommandLineOption m_in{QStringLiteral("in"), QStringLiteral("Find a name not yet taken in this folder."),
                            QStringLiteral("DIR")};
    QCommandLineOption m_prefix{QStringLiteral("prefix"), QStringLiteral("Prefix written at %P."), QStringLiteral("P")};
    QCommandLineOption m_suffix{QStringLiteral("suffix"), QStringLiteral("Suffix written at %S."), QStringLiteral("S")};
    QCommandLineOption m_seq{QStringLiteral("seq"), QStringLiteral("Sequence number written at %Q (default 1)."),
                             QStringLiteral("N")};
    QCommandLineOption m_identical{QStringLiteral("identical"),
                                   QStringLiteral("When a name is taken: shift the 'second' or count up "
                                                  "('counter')."),
                                   QStringLiteral("second|counter")};
    QCommandLineOption m_example{QStringLiteral("example"),
                                 QStringLiteral("Print the example name (no prefix, suffix or search).")};
    QCommandLineOption m_popup{QStringLiteral("popup"), QStringLiteral("Print the style's menu title.")};
};

} // namespace lumenscribe
