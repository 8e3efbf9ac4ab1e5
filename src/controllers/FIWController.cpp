#include "controllers/FIWController.h"

#include "controllers/CIWController.h"
#include "controllers/MainController.h"
#include "platform/LocalizedStrings.h"
#include "platform/PathNames.h"
#include "run/RunSnapshot.h"

#include <QDateTime>

namespace lumenscribe {

namespace {

QString checkText(int result, bool classicLimit)
{
    const char* key = nullptr;
    switch (result) {
    case CIWController::NameEmpty:
        key = "ConfirmFolderNameError";
        break;
    case CIWController::NameTooLong:
        key = classicLimit ? "ConfirmFolderNameTooLong" : "ConfirmFolderNameTooLongForFileSystem";
        break;
    case CIWController::NameExists:
        key = "ConfirmFolderAlreadyExists";
        break;
    case CIWController::NameNotAcceptable:
        key = "ConfirmFolderNameNotAcceptable";
        break;
    case CIWController::NameOk:
        key = "ConfirmFolderNameOk";
        break;
    default:
        return QString();
    }
    return LocalizedStrings::shared().text(QString::fromLatin1(key));
}

} // namespace

FIWController::FIWController(MainController& mainController)
    : m_mainController(mainController), m_folderDate(static_cast<Instant>(QDateTime::currentMSecsSinceEpoch()) / 1000.0)
{
}

QString FIWController::newFolderName() const
{
    return m_modal.path();
}

void FIWController::makeFolderNameWithPath(const QString& path, Instant date)
{
    takeStyle();
    m_newPath = path;
    m_folderDate = date;
    updatePrefixSuffix();
    makeNewFolderName();
}

void FIWController::openWithPath(const QString& path, Instant date)
{
    if (m_view) {
        m_view->openWindow();
        m_view->showInfo(QString());
    }
    // The run asked before it opened the window: this is the question on show.
    m_question = m_modal.latestQuestion();
    takeStyle();
    updatePrefixSuffix();
    updatePrefixSuffixEnables();
    makeFolderNameWithPath(path, date);
    m_opened = true;
}

void FIWController::close()
{
    if (!m_opened)
        return;
    if (m_view)
        m_view->closeWindow();
    m_opened = false;
}

void FIWController::mainControllerChangedSettings()
{
    if (!m_opened)
        return;
    takeStyle();
    updatePrefixSuffix();
    updatePrefixSuffixEnables();
    makeNewFolderName();
}

void FIWController::setPrefixSuffixType(int value)
{
    if (value >= 0 && value <= 4)
        m_prefixSuffixType = value;
}

// The folder style of the run under way, with the number of its folder.
void FIWController::takeStyle()
{
    const RunSnapshot snapshot = m_mainController.windowSnapshot();
    m_style = snapshot.folderStyle;
    m_style.setIdenticalFileNamesOption(snapshot.settings.identicalFileNamesOption);
    m_style.setSeqCounter(m_mainController.folderNumberInHand());
    m_checkFlags = snapshot.nameCheckFlags();
    m_mainPrefixSuffixType = snapshot.settings.downloadPrefixSuffixType;
    m_mainPrefix = snapshot.settings.prefixString;
    m_mainSuffix = snapshot.settings.suffixString;
}

void FIWController::updatePrefixSuffix()
{
    QString prefix;
    QString suffix;
    switch (m_prefixSuffixType) {
    case 1: {
        const int type = m_mainPrefixSuffixType;
        if (type == 2 || type == 4)
            prefix = m_mainPrefix;
        if (type == 3 || type == 4)
            suffix = m_mainSuffix;
        break;
    }
    case 2:
        prefix = m_folderPrefix;
        break;
    case 3:
        suffix = m_folderSuffix;
        break;
    case 4:
        prefix = m_folderPrefix;
        suffix = m_folderSuffix;
        break;
    default:
        break;
    }
    m_style.setPrefix(prefix);
    m_style.setSuffix(suffix);
}

void FIWController::updatePrefixSuffixEnables()
{
    if (m_view) {
        m_view->showPrefixSuffix(m_style.prefix(), m_prefixSuffixType == 2 || m_prefixSuffixType == 4, m_style.suffix(),
                                 m_prefixSuffixType > 2);
    }
}

void FIWController::makeNewFolderName()
{
    m_newFolderName = m_style.makeNewFolderNameAtPath(m_newPath, m_folderDate);
    checkNewFolderName();
    if (m_view)
        m_view->showName(m_newFolderName);
}

void FIWController::checkNewFolderName()
{
    const unsigned flags = m_checkFlags;
    m_lastCheck = CIWController::checkFileName(m_newFolderName, m_newPath, flags);
    m_modal.setProposal({PathNames::join(m_newPath, m_newFolderName), m_style.prefix(), m_style.suffix()});
    if (m_view) {
        m_view->showInfo(checkText(m_lastCheck, CIWController::exceedsClassicLength(m_newFolderName, flags)));
        m_view->setOkButtonEnabled(m_lastCheck == CIWController::NameOk);
    }
}

void FIWController::nameTextFieldChange(const QString& text)
{
    m_newFolderName = NameGenerator::withSafeChars(text);
    checkNewFolderName();
}

void FIWController::prefixTextFieldChange(const QString& text)
{
    m_folderPrefix = text;
    updatePrefixSuffix();
    makeNewFolderName();
}

void FIWController::suffixTextFieldChange(const QString& text)
{
    m_folderSuffix = text;
    updatePrefixSuffix();
    makeNewFolderName();
}

void FIWController::presuffixPopUpChange(int index)
{
    setPrefixSuffixType(index);
    updatePrefixSuffix();
    updatePrefixSuffixEnables();
    makeNewFolderName();
}

} // namespace lumenscribe
