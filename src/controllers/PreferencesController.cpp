#include "controllers/PreferencesController.h"

#include "controllers/ControlText.h"
#include "controllers/MainController.h"
#include "controllers/NamingStylesController.h"
#include "fs/FileSystem.h"
#include "naming/FNGenerators.h"
#include "platform/LocalizedStrings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace lumenscribe {

namespace {

using Control = PreferencesView::Control;

// Where other systems keep a file's classic type and creator codes: the
// creator is the second four bytes of the Finder information.
const QByteArray kFinderInfoAttribute("user.com.apple.FinderInfo");
constexpr int kCreatorOffset = 4;

// The delete rules that read the patterns, and those that read the size.
bool rulesUsePatterns(int options)
{
    return options == int(DeleteRule::MatchingPatterns) || options == int(DeleteRule::SmallerAndNotMatching) ||
           options == int(DeleteRule::MatchingOrSmaller);
}

bool rulesUseSize(int options)
{
    return options >= int(DeleteRule::SmallerThanLimit) && options <= int(DeleteRule::MatchingOrSmaller);
}

} // namespace

PreferencesController::PreferencesController(FNGenerators& fileNameGenerators, FNGenerators& folderNameGenerators,
                                             MainController& mainController, OptionalInstant exampleDate)
    : m_fileNameGenerators(fileNameGenerators), m_folderNameGenerators(folderNameGenerators),
      m_mainController(mainController),
      m_exampleDate(exampleDate.value_or(double(QDateTime::currentMSecsSinceEpoch()) / 1000.0))
{
}

PreferencesController::~PreferencesController() = default;

void PreferencesController::openPanel()
{
    if (!m_panelIsOpen) {
        refresh();
        if (!m_mainController.showAdvancedOptions() && m_advancedControlsAreAttached) {
            if (m_view)
                m_view->showAdvancedControls(false, false);
            m_advancedControlsAreAttached = false;
        }
        if (m_view)
            m_view->centerPanel();
        m_panelIsOpen = true;
    }
    if (m_view)
        m_view->showPanel();
}

void PreferencesController::closePanel()
{
    if (m_fileNamingStylesController)
        m_fileNamingStylesController->closePanel();
    if (m_folderNamingStylesController)
        m_folderNamingStylesController->closePanel();
    if (m_view)
        m_view->hidePanel();
    m_panelIsOpen = false;
}

bool PreferencesController::windowShouldClose()
{
    closePanel();
    return true;
}

void PreferencesController::refresh()
{
    MainController& mc = m_mainController;
    refreshStylePopUp(Collection::Files, mc.namingStyle());
    if (m_view) {
        m_view->showSelection(Control::PrefixSuffixPopUp, mc.prefixSuffixType());
        m_view->showText(Control::PrefixTextField, mc.prefixString());
        m_view->showText(Control::SuffixTextField, mc.suffixString());
    }
    applyPrefixSuffixEnables();

    if (m_view) {
        m_view->showSelection(Control::DownloadMatrix, mc.downloadOptions());
        m_view->showText(Control::DownloadDestFolderTextField, mc.downloadDestinationFolder());
    }
    refreshStylePopUp(Collection::Folders, mc.downloadNamingStyle());
    downloadMatrixChange();
    if (m_view)
        m_view->showSelection(Control::DownloadFolderPrefixSuffixPopUp, mc.downloadPrefixSuffixType());

    if (m_view) {
        m_view->showChecked(Control::CreatorIDCheckBox, mc.fileCreatorIDChange());
        m_view->showText(Control::CreatorIDTextField, creatorIDText(mc.fileCreatorID()));
    }
    creatorIDCheckBoxChange();

    if (m_view) {
        m_view->showChecked(Control::ChangeCreationDateCheckBox, mc.changeCreationDate());
        m_view->showChecked(Control::OpenFilesCheckBox, mc.openFilesAfterRenaming());
    }
    applyOpenFilesApplication();
    openFilesCheckBoxChange();

    if (m_view)
        m_view->showSelection(Control::DeleteFilesMatrix, mc.deleteFilesOptions());
    deleteFilesMatrixChange();
    if (m_view)
        m_view->showText(Control::DeleteFilesSmallerTextField, QString::number(mc.deleteFilesSmallerThankB()));

    if (m_view) {
        m_view->showSelection(Control::IdenticalFilesMatrix, mc.identicalFileNamesOption());
        m_view->showChecked(Control::ShowAdvancedOptionsCheckBox, mc.showAdvancedOptions());
        m_view->showChecked(Control::QuitAutoProcessingCheckBox, mc.quitAfterAutoProcessing());
        m_view->showChecked(Control::ConfirmEachFileCheckBox, mc.confirmEachFile());
        m_view->showChecked(Control::AlertOS9CheckBox, mc.alertOS9NameLength());
    }
    refreshCameraOptions();
    refreshRunNote();
}

void PreferencesController::refreshStylePopUps()
{
    refreshStylePopUp(Collection::Files, -1);
    refreshStylePopUp(Collection::Folders, -1);
}

void PreferencesController::refreshRunNote()
{
    if (m_view) {
        m_view->showRunNote(m_mainController.isRunning()
                                ? LocalizedStrings::shared().text(QStringLiteral("SettingsApplyFromNextRun"))
                                : QString());
    }
}

// Selects the wanted style, else what was selected, else the first item.
void PreferencesController::refreshStylePopUp(Collection which, int wanted)
{
    const FNGenerators& generators = which == Collection::Files ? m_fileNameGenerators : m_folderNameGenerators;
    int& selected = which == Collection::Files ? m_selectedFileStyleItem : m_selectedFolderStyleItem;
    int item = StylePopUp::popUpIndexFromGeneratorIndex(generators, wanted);
    if (item < 0)
        item = StylePopUp::generatorIndexFromPopUpIndex(generators, selected) ? selected : 0;
    selected = item;
    if (m_view) {
        m_view->showStyleItems(which == Collection::Files ? Control::StylePopUp : Control::DownloadFolderStylePopUp,
                               StylePopUp::items(generators, m_exampleDate), item);
    }
}

void PreferencesController::setNamingStyle(int index)
{
    m_mainController.setNamingStyle(index);
    changed();
}

void PreferencesController::setDownloadNamingStyle(int index)
{
    m_mainController.setDownloadNamingStyle(index);
    changed();
}

void PreferencesController::styleChange(const FNGenerators& generators, int index)
{
    if (&generators == &m_fileNameGenerators)
        refreshStylePopUp(Collection::Files, index);
    else if (&generators == &m_folderNameGenerators)
        refreshStylePopUp(Collection::Folders, index);
}

void PreferencesController::stylePopUpChange(int popUpIndex)
{
    // The separator and items past the list select nothing: a setting
    // holding an index without a style would leave the selection behind.
    if (const auto index = StylePopUp::generatorIndexFromPopUpIndex(m_fileNameGenerators, popUpIndex)) {
        m_selectedFileStyleItem = popUpIndex;
        setNamingStyle(*index);
    } else {
        refreshStylePopUp(Collection::Files, m_mainController.namingStyle());
    }
    if (m_fileNamingStylesController)
        m_fileNamingStylesController->refreshStylePopUp();
}

void PreferencesController::downloadFolderStylePopUpChange(int popUpIndex)
{
    if (const auto index = StylePopUp::generatorIndexFromPopUpIndex(m_folderNameGenerators, popUpIndex)) {
        m_selectedFolderStyleItem = popUpIndex;
        setDownloadNamingStyle(*index);
    } else {
        refreshStylePopUp(Collection::Folders, m_mainController.downloadNamingStyle());
    }
    if (m_folderNamingStylesController)
        m_folderNamingStylesController->refreshStylePopUp();
}

void PreferencesController::styleEditButtonClick()
{
    openStylesEditor(Collection::Files);
}

void PreferencesController::downloadEditStylesButtonClick()
{
    openStylesEditor(Collection::Folders);
}

void PreferencesController::openStylesEditor(Collection which)
{
    const bool folders = which == Collection::Folders;
    auto& editor = folders ? m_folderNamingStylesController : m_fileNamingStylesController;
    if (!editor) {
        editor = std::make_unique<NamingStylesController>(folders ? m_folderNameGenerators : m_fileNameGenerators,
                                                          m_exampleDate, *this);
        if (m_view)
            editor->setView(m_view->namingStylesView(folders));
    }
    editor->openPanel();
}

void PreferencesController::prefixsuffixPopUpChange(int index)
{
    m_mainController.setPrefixSuffixType(index);
    applyPrefixSuffixEnables();
    changed();
}

// The prefix field for the types with a prefix (2, 4), the suffix field for
// those with a suffix (3, 4); the type "ask" leaves both to the confirm window.
void PreferencesController::applyPrefixSuffixEnables()
{
    const int type = m_mainController.prefixSuffixType();
    if (m_view) {
        m_view->setEnabled(Control::PrefixTextField, type > 1 && type != 3);
        m_view->setEnabled(Control::SuffixTextField, type >= 3);
    }
}

void PreferencesController::prefixTextFieldChange(const QString& text)
{
    m_mainController.setPrefixString(text);
    changed();
}

void PreferencesController::suffixTextFieldChange(const QString& text)
{
    m_mainController.setSuffixString(text);
    changed();
}

void PreferencesController::downloadMatrixChange()
{
    applyDownloadEnables();
}

void PreferencesController::downloadMatrixChange(int row)
{
    m_mainController.setDownloadOptions(row);
    applyDownloadEnables();
    changed();
}

// The enables follow the setting as it is after the write, so a row the
// setter refused leaves them matching what the run will do.
void PreferencesController::applyDownloadEnables()
{
    const int options = m_mainController.downloadOptions();
    if (!m_view)
        return;
    m_view->setEnabled(Control::DownloadChooseFolderButton, options > 0);
    for (const Control c : {Control::DownloadFolderStylePopUp, Control::DownloadEditStylesButton,
                            Control::DownloadFolderPrefixSuffixPopUp})
        m_view->setEnabled(c, options > 1);
}

void PreferencesController::downloadChooseFolderButtonClick()
{
    if (!m_view)
        return;
    const std::optional<QString> folder = m_view->chooseFolder(m_mainController.downloadDestinationFolder());
    if (!folder)
        return;
    m_mainController.setDownloadDestinationFolder(*folder);
    m_view->showText(Control::DownloadDestFolderTextField, m_mainController.downloadDestinationFolder());
    changed();
}

void PreferencesController::downloadFolderPrefixSuffixPopUpChange(int index)
{
    m_mainController.setDownloadPrefixSuffixType(index);
    changed();
}

void PreferencesController::creatorIDCheckBoxChange()
{
    applyCreatorIDEnables();
}

void PreferencesController::creatorIDCheckBoxChange(bool on)
{
    m_mainController.setFileCreatorIDChange(on);
    applyCreatorIDEnables();
    changed();
}

void PreferencesController::applyCreatorIDEnables()
{
    const bool on = m_mainController.fileCreatorIDChange();
    if (m_view) {
        m_view->setEnabled(Control::CreatorIDTextField, on);
        m_view->setEnabled(Control::CreatorIDGetFileButton, on);
    }
}

bool PreferencesController::creatorIDTextFieldChange(const QString& text)
{
    const std::optional<quint32> code = creatorIDFromText(text);
    if (!code)
        return false;
    m_mainController.setFileCreatorID(*code);
    if (m_view)
        m_view->showText(Control::CreatorIDTextField, creatorIDText(*code));
    changed();
    return true;
}

void PreferencesController::creatorIDGetFileButtonClick()
{
    if (!m_view)
        return;
    const std::optional<QString> file = m_view->chooseFile(QDir::homePath());
    if (!file)
        return;
    if (const std::optional<quint32> code = creatorIDOfFile(*file)) {
        m_mainController.setFileCreatorID(*code);
        m_view->showText(Control::CreatorIDTextField, creatorIDText(*code));
        changed();
    }
}

// The first four characters, one byte each, the first in the top byte; fewer
// leave the top bytes 0. A character that does not fit in one byte would be
// stored as another one, so the text is refused instead.
std::optional<quint32> PreferencesController::creatorIDFromText(const QString& text)
{
    quint32 code = 0;
    for (const QChar c : QStringView(text).first(std::min<qsizetype>(text.size(), 4))) {
        if (c.unicode() > 0xFF)
            return std::nullopt;
        code = (code << 8) | c.unicode();
    }
    return code;
}

QString PreferencesController::creatorIDText(quint32 code)
{
    if (code == 0)
        return QString();
    QString text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char16_t byte = char16_t((code >> shift) & 0xFF);
        text.append(byte == 0 ? QChar(u' ') : QChar(byte));
    }
    return text;
}

// Followed through a link, as the file chosen is what the person meant. A
// file without Finder information, or with a creator code of 0, has none.
std::optional<quint32> PreferencesController::creatorIDOfFile(const QString& path) const
{
    QByteArray info;
    if (m_mainController.fileSystem().getAttribute(path, kFinderInfoAttribute, info) ||
        info.size() < kCreatorOffset + 4)
        return std::nullopt;
    quint32 code = 0;
    for (int i = 0; i < 4; ++i)
        code = (code << 8) | quint8(info[kCreatorOffset + i]);
    if (code == 0)
        return std::nullopt;
    return code;
}

void PreferencesController::changeCreationDateCheckBoxChange(bool on)
{
    m_mainController.setChangeCreationDate(on);
    changed();
}

void PreferencesController::openFilesCheckBoxChange()
{
    applyOpenFilesEnables();
}

void PreferencesController::openFilesCheckBoxChange(bool on)
{
    m_mainController.setOpenFilesAfterRenaming(on);
    applyOpenFilesEnables();
    changed();
}

void PreferencesController::applyOpenFilesEnables()
{
    const bool on = m_mainController.openFilesAfterRenaming();
    if (m_view) {
        m_view->setEnabled(Control::OpenFilesChooseButton, on);
        m_view->setEnabled(Control::OpenFilesTextField, on);
    }
}

void PreferencesController::openFilesChooseButtonClick()
{
    if (!m_view)
        return;
    const std::optional<QString> application = m_view->chooseFile(applicationsFolder());
    if (!application)
        return;
    m_mainController.setOpenFilesApplication(*application);
    applyOpenFilesApplication();
    changed();
}

void PreferencesController::applyOpenFilesApplication()
{
    const QString application = m_mainController.openFilesApplication();
    if (m_view) {
        m_view->showText(Control::OpenFilesTextField,
                         application.isEmpty()
                             ? LocalizedStrings::shared().text(QStringLiteral("OpenFilesNone"), QStringLiteral("?"))
                             : application);
    }
}

QString PreferencesController::applicationsFolder()
{
    const QString shared = QStringLiteral("/usr/share/applications");
    return QFileInfo(shared).isDir() ? shared : QStringLiteral("/");
}

void PreferencesController::deleteFilesMatrixChange()
{
    applyDeleteFileEnables();
}

void PreferencesController::deleteFilesMatrixChange(int row)
{
    m_mainController.setDeleteFilesOptions(row);
    applyDeleteFileEnables();
    changed();
}

bool PreferencesController::patternTableIsOn() const
{
    return rulesUsePatterns(m_mainController.deleteFilesOptions());
}

// While the rule reads no patterns the table shows none, so nobody edits
// patterns that do nothing.
void PreferencesController::applyDeleteFileEnables()
{
    const int options = m_mainController.deleteFilesOptions();
    if (!m_view)
        return;
    const bool patterns = rulesUsePatterns(options);
    m_view->setEnabled(Control::DeletePatternTableView, patterns);
    m_view->setEnabled(Control::DeleteFilesNewButton, patterns);
    m_view->setEnabled(Control::DeleteFilesRemoveButton, patterns);
    m_view->setEnabled(Control::DeleteFilesSmallerTextField, rulesUseSize(options));
    m_view->showDeletePatterns(patterns ? m_mainController.deleteFilesPatterns() : QStringList());
}

int PreferencesController::numberOfRowsInTableView() const
{
    return patternTableIsOn() ? int(m_mainController.deleteFilesPatterns().size()) : 0;
}

QString PreferencesController::tableViewObjectValue(int row) const
{
    const QStringList patterns = m_mainController.deleteFilesPatterns();
    return patternTableIsOn() && row >= 0 && row < patterns.size() ? patterns.at(row) : QString();
}

// The list is replaced as a whole: a run takes its own copy at its start.
void PreferencesController::tableViewSetObjectValue(int row, const QString& value)
{
    QStringList patterns = m_mainController.deleteFilesPatterns();
    if (!patternTableIsOn() || row < 0 || row >= patterns.size())
        return;
    patterns[row] = value;
    m_mainController.setDeleteFilesPatterns(patterns);
    changed();
}

void PreferencesController::deleteFilesNewButtonClick()
{
    if (!patternTableIsOn())
        return;
    QStringList patterns = m_mainController.deleteFilesPatterns();
    patterns.append(QStringLiteral("*.gif"));
    m_mainController.setDeleteFilesPatterns(patterns);
    applyDeleteFileEnables();
    if (m_view)
        m_view->editDeletePattern(int(patterns.size()) - 1);
    changed();
}

void PreferencesController::deleteFilesRemoveButtonClick(int selectedRow)
{
    QStringList patterns = m_mainController.deleteFilesPatterns();
    if (!patternTableIsOn() || selectedRow < 0 || selectedRow >= patterns.size())
        return;
    patterns.removeAt(selectedRow);
    m_mainController.setDeleteFilesPatterns(patterns);
    applyDeleteFileEnables();
    changed();
}

void PreferencesController::deleteFilesExplanationButtonClick()
{
    if (m_view)
        m_view->showDeleteExplanation(true);
}

void PreferencesController::dfWOkButtonClick()
{
    if (m_view)
        m_view->showDeleteExplanation(false);
}

bool PreferencesController::deleteFilesSmallerTextFieldChange(const QString& text)
{
    const std::optional<int> kB = ControlText::wholeNumber(text);
    if (!kB || *kB < 0)
        return false;
    m_mainController.setDeleteFilesSmallerThankB(*kB);
    changed();
    return true;
}

void PreferencesController::identicalFilesMatrixChange(int row)
{
    m_mainController.setIdenticalFileNamesOption(row);
    changed();
}

void PreferencesController::showAdvancedOptionsCheckBoxClick(bool on)
{
    if (on != m_advancedControlsAreAttached) {
        if (m_view)
            m_view->showAdvancedControls(on, true);
        m_advancedControlsAreAttached = on;
    }
    m_mainController.setShowAdvancedOptions(on);
    changed();
}

void PreferencesController::quitAutoProcessingCheckBoxChange(bool on)
{
    m_mainController.setQuitAfterAutoProcessing(on);
    changed();
}

void PreferencesController::confirmEachFileCheckBoxChange(bool on)
{
    m_mainController.setConfirmEachFile(on);
    changed();
}

void PreferencesController::alertOS9CheckBoxChange(bool on)
{
    m_mainController.setAlertOS9NameLength(on);
    changed();
}

// Every change made here is the settings'; the note says when it takes hold.
void PreferencesController::changed()
{
    refreshRunNote();
}

} // namespace lumenscribe
