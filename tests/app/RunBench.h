// The bench of a rename-run test: a temporary folder holding the card, the
// settings, the journals and a trash of its own (the suite runs each test
// under two zones at once), a controller that renames without asking, and a
// scripted front end.
#pragma once

#include "ScriptedFrontEnd.h"
#include "controllers/MainController.h"
#include "settings/PreferencesStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace lumenscribe::test {

class RunBench
{
public:
    RunBench()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("share"))));
        QDir().mkpath(card());
        controller = std::make_unique<MainController>(PreferencesStore(path(QStringLiteral("s.json"))));
        controller->initApplication();
        controller->setConfirmEachFile(false);
        controller->setJournalFolder(journals());
        frontEnd = std::make_unique<ScriptedFrontEnd>(*controller);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString card() const { return path(QStringLiteral("card")); }
    QString journals() const { return path(QStringLiteral("journals")); }

    void runOn(const QStringList& paths)
    {
        controller->applicationOpenFiles(paths);
        controller->waitForRun();
    }

    QTemporaryDir dir;
    std::unique_ptr<MainController> controller;
    std::unique_ptr<ScriptedFrontEnd> frontEnd; // goes before the controller it serves
};

} // namespace lumenscribe::test
