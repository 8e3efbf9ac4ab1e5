#include "cli/NameCommand.h"

#include "cli/LocalDateText.h"
#include "cli/SettingsLoader.h"
#include "cli/SuffixWarning.h"

#include <QDateTime>
#include <QFileInfo>

namespace lumenscribe {

namespace {

int usageError(QTextStream& err, const QString& message)
{
    err << "lumenscribe name: " << message << '\n';
    return 2;
}

} // namespace

void NameCommand::addOptions(QCommandLineParser& parser)
{
    //% "Prints the name a naming style makes for a date, on one line."
    parser.setApplicationDescription(qtTrId("CliNameDescription"));
    parser.addHelpOption();
    m_styleOptions.addTo(parser);
    for (const QCommandLineOption& option :
         {m_folder, m_date, m_file, m_in, m_prefix, m_suffix, m_seq, m_identical, m_example, m_popup})
        parser.addOption(option);
}

int NameCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (const auto done = parseArguments(parser, arguments, out, err))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        //% "unexpected argument '%1'"
        return usageError(err, qtTrId("CliNameUnexpectedArgument").arg(parser.positionalArguments().first()));
    if (parser.isSet(m_example) && parser.isSet(m_popup))
        //% "--example and --popup cannot be used together"
        return usageError(err, qtTrId("CliNameExampleAndPopup"));

    OptionalInstant date;
    if (parser.isSet(m_date)) {
        date = LocalDateText::parse(parser.value(m_date));
        if (!date)
            //% "cannot read the date '%1' (use \"YYYY-MM-DD HH:MM:SS\")"
            return usageError(err, qtTrId("CliNameBadDate").arg(parser.value(m_date)));
    }
    const std::unique_ptr<MainController> loaded = SettingsLoader::load(QString(), err);
    MainController& controller = *loaded;
    QString error;
    std::unique_ptr<NameGenerator> style = m_styleOptions.build(
        parser, parser.isSet(m_folder) ? controller.folderNameGenerators() : controller.fileNameGenerators(), &error);
    if (!style || !applyRunValues(parser, *style, &error))
        return usageError(err, error);
    if (const QString warning = SuffixWarning::forFormat(style->formatString());
        !parser.isSet(m_folder) && !warning.isEmpty())
        err << warning << '\n';
    out << makeName(parser, *style, date) << '\n';
    return 0;
}

bool NameCommand::applyRunValues(const QCommandLineParser& parser, NameGenerator& style, QString* error) const
{
    style.setPrefix(parser.value(m_prefix));
    style.setSuffix(parser.value(m_suffix));
    int seq = 1;
    if (parser.isSet(m_seq)) {
        bool ok = false;
        seq = parser.value(m_seq).toInt(&ok);
        if (!ok) {
            //% "--seq needs a whole number, not '%1'"
            *error = qtTrId("CliNameSeqNotANumber").arg(parser.value(m_seq));
            return false;
        }
    }
    style.setSeqCounter(seq);
    const QString identical = parser.value(m_identical);
    if (identical == u"counter") {
        style.setIdenticalFileNamesOption(1);
    } else if (identical.isEmpty() || identical == u"second") {
        style.setIdenticalFileNamesOption(0);
    } else {
        //% "--identical takes 'second' or 'counter', not '%1'"
        *error = qtTrId("CliNameIdenticalChoice").arg(identical);
        return false;
    }
    if (parser.isSet(m_in) && !QFileInfo(parser.value(m_in)).isDir()) {
        //% "'%1' is not a folder"
        *error = qtTrId("CliNotAFolder").arg(parser.value(m_in));
        return false;
    }
    return true;
}

QString NameCommand::makeName(const QCommandLineParser& parser, NameGenerator& style, OptionalInstant date) const
{
    const bool folder = parser.isSet(m_folder);
    if (parser.isSet(m_popup))
        return style.popUpStringForDate(date);
    const Instant when = date.value_or(static_cast<Instant>(QDateTime::currentSecsSinceEpoch()));
    const QString file = folder ? QString() : parser.value(m_file);
    if (parser.isSet(m_example))
        return folder ? style.makeExampleFolderNameForDate(when) : style.makeExampleFileNameForDate(when, file);
    if (parser.isSet(m_in)) {
        return folder ? style.makeNewFolderNameAtPath(parser.value(m_in), when)
                      : style.makeNewFileNameForFile(file, parser.value(m_in), when);
    }
    // No folder to search: the full name as the style makes it, unchecked.
    style.makeExampleFileNameForDate(when, file);
    return style.processFormatString(false);
}

} // namespace lumenscribe
