// Runs the lumenscribe tool as a user would and collects what it printed.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace lumenscribe::test {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliResult runCli(const QStringList& arguments, const QString& configPath,
                        const QString& workingDirectory = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMENSCRIBE_CONFIG"), configPath);
    // Each test's journals beside its settings.
    environment.insert(QStringLiteral("LUMENSCRIBE_STATE_DIR"), configPath + QStringLiteral(".journal"));
    process.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(LUMENSCRIBE_CLI_PATH), arguments);
    process.waitForFinished(120000);
    CliResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace lumenscribe::test
