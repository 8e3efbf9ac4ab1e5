#include "controllers/CIWController.h"

#include "controllers/MainController.h"
#include "platform/FileProbe.h"
#include "platform/LocalTime.h"
#include "platform/LocalizedStrings.h"
#include "platform/PathNames.h"
#include "run/RunSnapshot.h"

#include <QDateTime>
#include <cmath>
#include <ctime>
#include <limits>

namespace lumenscribe {

namespace {

std::array<int, 6> brokenDown(Instant moment)
{
    const std::tm t = LocalTime::breakDown(moment).value_or(std::tm{});
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

QString fileDateText(Instant moment)
{
    const std::tm t = LocalTime::breakDown(moment).value_or(std::tm{});
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d   %H:%M:%S", &t);
    return QString::fromLocal8Bit(text);
}

QString differenceText(int interval)
{
    const LocalizedStrings& strings = LocalizedStrings::shared();
    if (interval == 0)
        return strings.text(QStringLiteral("CorrectionNone"));
    const QString seconds = strings.text(QStringLiteral("CorrectionSeconds"));
    const qint64 magnitude = interval < 0 ? -static_cast<qint64>(interval) : interval;
    const QString sign = interval > 0 ? QStringLiteral("+") : QStringLiteral("-");
    return QStringLiteral("%1 %2 %3").arg(sign).arg(magnitude).arg(seconds);
}

// The 31-character text only when that limit is what the name broke.
QString checkText(int result, bool classicLimit)
{
    if (result == CIWController::NameTooLong && !classicLimit)
        return LocalizedStrings::shared().text(QStringLiteral("ConfirmFileNameTooLongForFileSystem"));
    switch (result) {
    case CIWController::NameEmpty:
        return LocalizedStrings::shared().text(QStringLiteral("ConfirmFileNameError"));
    case CIWController::NameTooLong:
        return LocalizedStrings::shared().text(QStringLiteral("ConfirmFileNameTooLong"));
    case CIWController::NameExists:
        return LocalizedStrings::shared().text(QStringLiteral("ConfirmFileAlreadyExists"));
    case CIWController::NameNotAcceptable:
        return LocalizedStrings::shared().text(QStringLiteral("ConfirmFileNameNotAcceptable"));
    case CIWController::NameOk:
        return LocalizedStrings::shared().text(QStringLiteral("ConfirmFileNameOk"));
    default:
        return QString();
    }
}

} // namespace

CIWController::CIWController(MainController& mainController)
    : m_mainController(mainController), m_fileDate(static_cast<Instant>(QDateTime::currentMSecsSinceEpoch()) / 1000.0)
{
}

QString CIWController::newFileName() const
{
    return m_modal.path();
}

Instant CIWController::correctDate(Instant date) const
{
    return m_correctionEnabled.load() ? date + m_correctionInterval.load() : date;
}

int CIWController::checkFreeFileName(const QString& name, const QString& path, unsigned flags)
{
    return NameCheck::checkFree(name, path, flags);
}

bool CIWController::exceedsClassicLength(const QString& name, unsigned flags)
{
    return NameCheck::exceedsClassicLength(name, flags);
}

int CIWController::checkFileName(const QString& name, const QString& path, unsigned flags)
{
    return NameCheck::check(name, path, flags, FileProbe::disk());
}

void CIWController::updatePrefixSuffix()
{
    applyPrefixSuffix(m_style, m_mainController.windowSnapshot());
}

void CIWController::applyPrefixSuffix(NameGenerator& style, const RunSnapshot& snapshot) const
{
    QString prefix;
    QString suffix;
    switch (m_prefixSuffixType) {
    case 1: {
        const int type = snapshot.settings.prefixSuffixType;
        if (type == 2 || type == 4)
            prefix = snapshot.settings.prefixString;
        if (type == 3 || type == 4)
            suffix = snapshot.settings.suffixString;
        break;
    }
    case 2:
        prefix = m_filePrefix;
        break;
    case 3:
        suffix = m_fileSuffix;
        break;
    case 4:
        prefix = m_filePrefix;
        suffix = m_fileSuffix;
        break;
    default:
        break;
    }
    style.setPrefix(prefix);
    style.setSuffix(suffix);
}

// The style of the run under way, with the number of the file in hand.
void CIWController::takeStyle()
{
    const RunSnapshot snapshot = m_mainController.windowSnapshot();
    m_style = snapshot.fileStyle;
    m_style.setIdenticalFileNamesOption(snapshot.settings.identicalFileNamesOption);
    m_style.setSeqCounter(m_mainController.fileNumberInHand());
    m_checkFlags = snapshot.nameCheckFlags();
    applyPrefixSuffix(m_style, snapshot);
}

void CIWController::updatePrefixSuffixEnables()
{
    if (m_view) {
        m_view->showPrefixSuffix(m_style.prefix(), m_prefixSuffixType == 2 || m_prefixSuffixType == 4, m_style.suffix(),
                                 m_prefixSuffixType > 2);
    }
}

void CIWController::setPrefixSuffixType(int value)
{
    if (value >= 0 && value <= 4)
        m_prefixSuffixType = value;
}

void CIWController::open()
{
    m_correctionDate.reset();
    if (!m_opened) {
        if (!m_correctionEnabled.load())
            m_enableCorrectionControlsAreAttached = false;
        if (m_view) {
            m_view->openWindow();
            m_view->showOldName(QString());
            m_view->showNewName(QString());
            m_view->showInfo(QString());
        }
    }
    takeStyle();
    updatePrefixSuffixEnables();
    m_opened = true;
}

void CIWController::processFile(const QString& file, const QString& path, Instant date)
{
    // The run asked before it sent the file: this is the question on show.
    m_question = m_modal.latestQuestion();
    m_style.setSeqCounter(m_mainController.fileNumberInHand());
    m_oldFileName = file;
    m_newPath = path;
    m_fileDate = date;
    if (!m_correctionDate)
        m_correctionDate = date;
    applyCorrectionDate(false);
    if (m_view)
        m_view->showOldName(PathNames::lastComponent(file));
    makeNewFileName(true);
    if (m_view)
        m_view->showFile(file);
}

void CIWController::close()
{
    if (!m_opened)
        return;
    if (m_view)
        m_view->closeWindow();
    m_opened = false;
}

void CIWController::mainControllerChangedSettings()
{
    if (!m_opened)
        return;
    takeStyle();
    updatePrefixSuffixEnables();
    makeNewFileName(true);
}

void CIWController::makeNewFileName(bool focus)
{
    Instant date = m_fileDate;
    if (m_enableCorrectionControlsAreAttached)
        date += m_correctionInterval.load();
    m_style.setSubSeconds(m_subSeconds);
    m_newFileName = m_style.makeNewFileNameForFile(m_oldFileName, m_newPath, date);
    checkNewFileName();
    if (!m_view)
        return;
    m_view->showNewName(m_newFileName);
    if (!focus)
        return;
    if (m_prefixSuffixType == 3) {
        m_view->setFocus(CIWView::Focus::Suffix, 0, 0);
    } else if (m_prefixSuffixType == 2 || m_prefixSuffixType == 4) {
        m_view->setFocus(CIWView::Focus::Prefix, 0, 0);
    } else {
        const QString extension = PathNames::extension(m_newFileName);
        const qsizetype length =
            extension.isEmpty() ? m_newFileName.size() : m_newFileName.size() - extension.size() - 1;
        m_view->setFocus(CIWView::Focus::NewName, 0, static_cast<int>(length));
    }
}

void CIWController::checkNewFileName()
{
    const unsigned flags = m_checkFlags;
    m_lastCheck = checkFileName(m_newFileName, m_newPath, flags);
    m_modal.setProposal({PathNames::join(m_newPath, m_newFileName), m_style.prefix(), m_style.suffix()});
    if (m_view) {
        m_view->showInfo(checkText(m_lastCheck, exceedsClassicLength(m_newFileName, flags)));
        m_view->setRenameButtonsEnabled(m_lastCheck == NameOk);
    }
}

void CIWController::newNameTextFieldChange(const QString& text)
{
    m_newFileName = NameGenerator::withSafeChars(text);
    checkNewFileName();
}

void CIWController::prefixTextFieldChange(const QString& text)
{
    m_filePrefix = text;
    updatePrefixSuffix();
    makeNewFileName(false);
}

void CIWController::suffixTextFieldChange(const QString& text)
{
    m_fileSuffix = text;
    updatePrefixSuffix();
    makeNewFileName(false);
}

void CIWController::presuffixPopUpChange(int index)
{
    setPrefixSuffixType(index);
    updatePrefixSuffix();
    updatePrefixSuffixEnables();
    makeNewFileName(true);
}

void CIWController::correctionEnableCheckBoxClick(bool on)
{
    m_correctionEnabled.store(on);
    m_enableCorrectionControlsAreAttached = on;
    applyCorrectionDate(false);
    makeNewFileName(true);
}

void CIWController::correctionStepperChange(const std::array<int, 6>& fields)
{
    takeCorrectionFromSteppers(fields);
    applyCorrectionDate(true);
    makeNewFileName(true);
}

void CIWController::correctionSetFileDateTimeButonClick()
{
    m_correctionDate = m_fileDate;
    applyCorrectionDate(true);
    makeNewFileName(true);
}

void CIWController::correctionSetCurrentDateTimeButonClick()
{
    m_correctionDate = static_cast<Instant>(QDateTime::currentSecsSinceEpoch());
    applyCorrectionDate(true);
    makeNewFileName(true);
}

void CIWController::takeCorrectionFromSteppers(const std::array<int, 6>& fields)
{
    std::tm t{};
    t.tm_year = fields[0] - 1900;
    t.tm_mon = fields[1] - 1;
    t.tm_mday = fields[2];
    t.tm_hour = fields[3];
    t.tm_min = fields[4];
    t.tm_sec = fields[5];
    m_correctionDate = LocalTime::instantOf(t);
}

void CIWController::applyCorrectionDate(bool fromCorrectionDate)
{
    std::array<int, 6> shown{2002, 1, 1, 0, 0, 0};
    if (fromCorrectionDate && m_correctionDate) {
        const double difference = std::trunc(*m_correctionDate - m_fileDate);
        const double limited = std::clamp(difference, static_cast<double>(std::numeric_limits<int>::min()),
                                          static_cast<double>(std::numeric_limits<int>::max()));
        m_correctionInterval.store(static_cast<int>(limited));
        shown = brokenDown(*m_correctionDate);
    } else if (!fromCorrectionDate) {
        shown = brokenDown(m_fileDate + m_correctionInterval.load());
    }
    if (m_view)
        m_view->showCorrection(shown, fileDateText(m_fileDate), differenceText(m_correctionInterval.load()));
}

} // namespace lumenscribe
