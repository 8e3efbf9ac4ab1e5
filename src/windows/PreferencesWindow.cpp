#include "windows/PreferencesWindow.h"

#include "controllers/MainController.h"
#include "controllers/NamingStylesController.h"
#include "controllers/PreferencesController.h"
#include "windows/Controls.h"
#include "windows/FileDialog.h"
#include "windows/NamingStylesWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextStream>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace lumenscribe {

namespace {

QCheckBox* checkBox(const QString& text, const char* name)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The prefix and suffix choices, in the order of their values.
QComboBox* prefixSuffixPopUp(const char* name)
{
    auto* popUp = new QComboBox;
    popUp->setObjectName(QLatin1String(name));
    //% "None"
    popUp->addItem(qtTrId("PrefsPresuffixNone"));
    //% "Ask for each file"
    popUp->addItem(qtTrId("PrefsPresuffixAsk"));
    //% "Prefix"
    popUp->addItem(qtTrId("PrefsPresuffixPrefix"));
    //% "Suffix"
    popUp->addItem(qtTrId("PrefsPresuffixSuffix"));
    //% "Prefix and suffix"
    popUp->addItem(qtTrId("PrefsPresuffixBoth"));
    return popUp;
}

// An installed application as its desktop entry describes it.
struct DesktopEntry
{
    QString path;
    QString name;
    QString icon;
};

// The [Desktop Entry] group's plain keys; hidden entries and those that
// are not applications are not offered.
std::optional<DesktopEntry> readDesktopEntry(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    bool inMainGroup = false;
    DesktopEntry entry{path, {}, {}};
    QString type;
    bool hidden = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.first(equals).trimmed();
        const QString value = line.sliced(equals + 1).trimmed();
        if (key == QLatin1String("Name"))
            entry.name = value;
        else if (key == QLatin1String("Icon"))
            entry.icon = value;
        else if (key == QLatin1String("Type"))
            type = value;
        else if ((key == QLatin1String("NoDisplay") || key == QLatin1String("Hidden")) &&
                 value == QLatin1String("true"))
            hidden = true;
    }
    if (hidden || type != QLatin1String("Application") || entry.name.isEmpty())
        return std::nullopt;
    return entry;
}

// The first folder that has a desktop file id wins, as the freedesktop
// lookup does.
QList<DesktopEntry> installedApplications()
{
    QList<DesktopEntry> entries;
    QSet<QString> seen;
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        const QStringList files = QDir(folder).entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name);
        for (const QString& name : files) {
            if (seen.contains(name))
                continue;
            seen.insert(name);
            if (auto entry = readDesktopEntry(QDir(folder).filePath(name)))
                entries.append(*entry);
        }
    }
    std::sort(entries.begin(), entries.end(), [](const DesktopEntry& a, const DesktopEntry& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return entries;
}

} // namespace

PreferencesWindow::PreferencesWindow(PreferencesController& controller, MainController& mainController, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_mainController(mainController)
{
    setObjectName(QStringLiteral("preferencesPanel"));
    //% "Preferences"
    setWindowTitle(qtTrId("PrefsWindowTitle"));
    setModal(false);
    auto* root = new QVBoxLayout(this);
    root->addWidget(makeFileStylesBox());

    //% "Confirm &each file"
    auto* confirm = checkBox(qtTrId("PrefsConfirmEachFile"), "confirmEachFileCheckBox");
    register_(Control::ConfirmEachFileCheckBox, confirm);
    root->addWidget(confirm);
    //% "Show the &names before renaming"
    m_showNamesFirst = checkBox(qtTrId("PrefsShowNamesFirst"), "showNamesFirstCheckBox");
    root->addWidget(m_showNamesFirst);
    //% "Show ad&vanced options"
    auto* advanced = checkBox(qtTrId("PrefsShowAdvancedOptions"), "showAdvancedOptionsCheckBox");
    register_(Control::ShowAdvancedOptionsCheckBox, advanced);
    root->addWidget(advanced);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("mainTabView"));
    //% "Renaming"
    m_tabs->addTab(makeRenamingTab(), qtTrId("PrefsTabRenaming"));
    //% "Moving"
    m_tabs->addTab(makeDownloadTab(), qtTrId("PrefsTabMoving"));
    //% "Afterwards"
    m_tabs->addTab(makeAfterRenamingTab(), qtTrId("PrefsTabAfterwards"));
    //% "Deleting"
    m_tabs->addTab(makeDeleteTab(), qtTrId("PrefsTabDeleting"));
    //% "Dates"
    m_tabs->addTab(makeDatesTab(), qtTrId("PrefsTabDates"));
    root->addWidget(m_tabs);

    m_runNote = new QLabel;
    m_runNote->setObjectName(QStringLiteral("runNoteLabel"));
    m_runNote->setWordWrap(true);
    m_runNote->hide();
    root->addWidget(m_runNote);
    root->addStretch();
    auto* close = Controls::button(QString(), "closeButton");
    //% "Close"
    close->setText(qtTrId("PrefsCloseButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    root->addLayout(buttons);

    connect(confirm, &QCheckBox::clicked, this, [this](bool on) { m_controller.confirmEachFileCheckBoxChange(on); });
    connect(m_showNamesFirst, &QCheckBox::clicked, this, [this](bool on) { m_mainController.setShowNamesFirst(on); });
    connect(advanced, &QCheckBox::clicked, this,
            [this](bool on) { m_controller.showAdvancedOptionsCheckBoxClick(on); });
    connect(close, &QPushButton::clicked, this, [this] { m_controller.closePanel(); });
    m_controller.setView(this);
}

PreferencesWindow::~PreferencesWindow()
{
    m_controller.setView(nullptr);
    if (auto* editor = m_controller.fileNamingStylesController())
        editor->setView(nullptr);
    if (auto* editor = m_controller.folderNamingStylesController())
        editor->setView(nullptr);
}

void PreferencesWindow::register_(Control control, QWidget* widget)
{
    m_controls.insert(int(control), widget);
}

QButtonGroup* PreferencesWindow::makeMatrix(const QStringList& titles, const char* name, QWidget* box)
{
    auto* group = new QButtonGroup(box);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    for (int row = 0; row < titles.size(); ++row) {
        auto* radio = new QRadioButton(titles.at(row));
        radio->setObjectName(QStringLiteral("%1Row%2").arg(QLatin1String(name)).arg(row));
        group->addButton(radio, row);
        layout->addWidget(radio);
    }
    return group;
}

QWidget* PreferencesWindow::makeFileStylesBox()
{
    //% "File Names"
    auto* box = new QGroupBox(qtTrId("PrefsFileStylesBox"));
    box->setObjectName(QStringLiteral("fileStylesBox"));
    auto* form = new QFormLayout(box);
    m_stylePopUp = new QComboBox;
    m_stylePopUp->setObjectName(QStringLiteral("stylePopUp"));
    register_(Control::StylePopUp, m_stylePopUp);
    //% "E&dit Styles…"
    m_editFileStyles = Controls::button(qtTrId("PrefsEditFileStylesButton"), "editFileStylesButton");
    register_(Control::EditFileStylesButton, m_editFileStyles);
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(m_stylePopUp, 1);
    styleRow->addWidget(m_editFileStyles);
    //% "Naming &style:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsStyleLabel"), m_stylePopUp), styleRow);

    auto* presuffix = prefixSuffixPopUp("prefixsuffixPopUp");
    register_(Control::PrefixSuffixPopUp, presuffix);
    //% "Prefix and s&uffix:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsPresuffixLabel"), presuffix), presuffix);
    auto* prefix = new QLineEdit;
    prefix->setObjectName(QStringLiteral("prefixTextField"));
    register_(Control::PrefixTextField, prefix);
    auto* suffix = new QLineEdit;
    suffix->setObjectName(QStringLiteral("suffixTextField"));
    register_(Control::SuffixTextField, suffix);
    auto* row = new QHBoxLayout;
    row->addWidget(prefix, 1);
    //% "Su&ffix:"
    row->addWidget(Controls::buddyLabel(qtTrId("PrefsSuffixLabel"), suffix));
    row->addWidget(suffix, 1);
    //% "&Prefix:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsPrefixLabel"), prefix), row);

    connect(m_stylePopUp, &QComboBox::activated, this, [this](int index) { m_controller.stylePopUpChange(index); });
    connect(m_editFileStyles, &QPushButton::clicked, this, [this] { m_controller.styleEditButtonClick(); });
    connect(presuffix, &QComboBox::activated, this, [this](int index) { m_controller.prefixsuffixPopUpChange(index); });
    connect(prefix, &QLineEdit::textEdited, this, [this](const QString& t) { m_controller.prefixTextFieldChange(t); });
    connect(suffix, &QLineEdit::textEdited, this, [this](const QString& t) { m_controller.suffixTextFieldChange(t); });
    return box;
}

QWidget* PreferencesWindow::makeRenamingTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    //% "When a name is taken"
    auto* identicalBox = new QGroupBox(qtTrId("PrefsIdenticalBox"));
    QStringList titles;
    //% "Add a second, or else count up"
    titles << qtTrId("PrefsIdenticalShiftSecond");
    //% "Always count up"
    titles << qtTrId("PrefsIdenticalCounter");
    QButtonGroup* identical = makeMatrix(titles, "identicalFilesMatrix", identicalBox);
    m_matrices.insert(int(Control::IdenticalFilesMatrix), identical);
    layout->addWidget(identicalBox);

    //% "Set the file's creation date to the capture date"
    auto* creation = checkBox(qtTrId("PrefsChangeCreationDate"), "changeCreationDateCheckBox");
    register_(Control::ChangeCreationDateCheckBox, creation);
    layout->addWidget(creation);
    //% "Warn about names longer than &31 characters"
    auto* os9 = checkBox(qtTrId("PrefsAlertNameLength"), "alertOS9CheckBox");
    register_(Control::AlertOS9CheckBox, os9);
    layout->addWidget(os9);
    //% "Give pairs one na&me (RAW and JPEG, Live Photos)"
    auto* pairs = checkBox(qtTrId("PrefsNamePairsTogether"), "namePairsTogetherCheckBox");
    register_(Control::NamePairsTogetherCheckBox, pairs);
    layout->addWidget(pairs);
    //% "Rename onl&y photos and movies"
    auto* onlyMedia = checkBox(qtTrId("PrefsOnlyPhotosAndMovies"), "onlyPhotosAndMoviesCheckBox");
    register_(Control::OnlyPhotosAndMoviesCheckBox, onlyMedia);
    layout->addWidget(onlyMedia);

    //% "Set the creator &code:"
    auto* creator = checkBox(qtTrId("PrefsCreatorCheckBox"), "creatorIDCheckBox");
    register_(Control::CreatorIDCheckBox, creator);
    auto* code = new QLineEdit;
    code->setObjectName(QStringLiteral("creatorIDTextField"));
    code->setMaxLength(4);
    code->setMaximumWidth(code->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 16);
    //% "Creator code"
    code->setAccessibleName(qtTrId("PrefsCreatorAccessible"));
    register_(Control::CreatorIDTextField, code);
    //% "Ta&ke from File…"
    auto* getFile = Controls::button(qtTrId("PrefsCreatorGetFile"), "creatorIDGetFileButton");
    register_(Control::CreatorIDGetFileButton, getFile);
    auto* creatorRow = new QHBoxLayout;
    creatorRow->addWidget(creator);
    creatorRow->addWidget(code);
    creatorRow->addWidget(getFile);
    creatorRow->addStretch();
    layout->addLayout(creatorRow);
    layout->addStretch();

    connect(identical, &QButtonGroup::idClicked, this,
            [this](int row) { m_controller.identicalFilesMatrixChange(row); });
    connect(creation, &QCheckBox::clicked, this,
            [this](bool on) { m_controller.changeCreationDateCheckBoxChange(on); });
    connect(os9, &QCheckBox::clicked, this, [this](bool on) { m_controller.alertOS9CheckBoxChange(on); });
    connect(pairs, &QCheckBox::clicked, this, [this](bool on) { m_controller.namePairsTogetherCheckBoxChange(on); });
    connect(onlyMedia, &QCheckBox::clicked, this,
            [this](bool on) { m_controller.onlyPhotosAndMoviesCheckBoxChange(on); });
    connect(creator, &QCheckBox::clicked, this, [this](bool on) { m_controller.creatorIDCheckBoxChange(on); });
    // A text that is no code puts back the code there is.
    connect(code, &QLineEdit::editingFinished, this, [this, code] {
        if (!m_controller.creatorIDTextFieldChange(code->text()))
            code->setText(PreferencesController::creatorIDText(m_mainController.fileCreatorID()));
    });
    connect(getFile, &QPushButton::clicked, this, [this] { m_controller.creatorIDGetFileButtonClick(); });
    return tab;
}

QWidget* PreferencesWindow::makeDownloadTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* matrixBox = new QWidget;
    QStringList titles;
    //% "Rename the files where they are"
    titles << qtTrId("PrefsDownloadInPlace");
    //% "Move them into the folder below"
    titles << qtTrId("PrefsDownloadToFolder");
    //% "Move them into a new dated folder inside it"
    titles << qtTrId("PrefsDownloadToDatedFolder");
    //% "Move them into folders by capture day inside it"
    titles << qtTrId("PrefsDownloadByDay");
    QButtonGroup* matrix = makeMatrix(titles, "downloadMatrix", matrixBox);
    matrixBox->layout()->setContentsMargins(0, 0, 0, 0);
    m_matrices.insert(int(Control::DownloadMatrix), matrix);
    layout->addWidget(matrixBox);

    auto* form = new QFormLayout;
    auto* folder = new QLineEdit;
    folder->setObjectName(QStringLiteral("downloadDestFolderTextField"));
    folder->setReadOnly(true);
    folder->setMinimumWidth(260);
    register_(Control::DownloadDestFolderTextField, folder);
    //% "C&hoose…"
    auto* choose = Controls::button(qtTrId("PrefsDownloadChooseFolder"), "downloadChooseFolderButton");
    register_(Control::DownloadChooseFolderButton, choose);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder, 1);
    folderRow->addWidget(choose);
    //% "Folder:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsDownloadFolderLabel"), choose), folderRow);

    m_folderStylePopUp = new QComboBox;
    m_folderStylePopUp->setObjectName(QStringLiteral("downloadFolderStylePopUp"));
    register_(Control::DownloadFolderStylePopUp, m_folderStylePopUp);
    //% "Edit Folder S&tyles…"
    auto* edit = Controls::button(qtTrId("PrefsDownloadEditStyles"), "downloadEditStylesButton");
    register_(Control::DownloadEditStylesButton, edit);
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(m_folderStylePopUp, 1);
    styleRow->addWidget(edit);
    //% "Fo&lder name:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsDownloadStyleLabel"), m_folderStylePopUp), styleRow);
    auto* presuffix = prefixSuffixPopUp("downloadFolderPrefixSuffixPopUp");
    register_(Control::DownloadFolderPrefixSuffixPopUp, presuffix);
    //% "Folder prefi&x and suffix:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsDownloadPresuffixLabel"), presuffix), presuffix);
    layout->addLayout(form);
    //% "Cop&y instead of moving: the originals stay where they are"
    auto* copy = checkBox(qtTrId("PrefsCopyInsteadOfMoving"), "copyInsteadOfMovingCheckBox");
    register_(Control::CopyInsteadOfMovingCheckBox, copy);
    layout->addWidget(copy);
    layout->addStretch();
    connect(copy, &QCheckBox::clicked, this, [this](bool on) { m_controller.copyInsteadOfMovingCheckBoxChange(on); });

    connect(matrix, &QButtonGroup::idClicked, this, [this](int row) { m_controller.downloadMatrixChange(row); });
    connect(choose, &QPushButton::clicked, this, [this] { m_controller.downloadChooseFolderButtonClick(); });
    connect(m_folderStylePopUp, &QComboBox::activated, this,
            [this](int index) { m_controller.downloadFolderStylePopUpChange(index); });
    connect(edit, &QPushButton::clicked, this, [this] { m_controller.downloadEditStylesButtonClick(); });
    connect(presuffix, &QComboBox::activated, this,
            [this](int index) { m_controller.downloadFolderPrefixSuffixPopUpChange(index); });
    return tab;
}

QWidget* PreferencesWindow::makeAfterRenamingTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    //% "&Open the files afterwards"
    auto* open = checkBox(qtTrId("PrefsOpenFiles"), "openFilesCheckBox");
    register_(Control::OpenFilesCheckBox, open);
    layout->addWidget(open);

    auto* form = new QFormLayout;
    m_applicationPopUp = new QComboBox;
    m_applicationPopUp->setObjectName(QStringLiteral("openFilesApplicationPopUp"));
    fillApplicationPopUp();
    register_(Control::OpenFilesChooseButton, m_applicationPopUp);
    //% "With the &application:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsOpenFilesWithLabel"), m_applicationPopUp), m_applicationPopUp);
    auto* chosen = new QLineEdit;
    chosen->setObjectName(QStringLiteral("openFilesTextField"));
    chosen->setReadOnly(true);
    register_(Control::OpenFilesTextField, chosen);
    //% "Choose a Pro&gram…"
    auto* choose = Controls::button(qtTrId("PrefsOpenFilesChooseProgram"), "openFilesChooseButton");
    auto* chosenRow = new QHBoxLayout;
    chosenRow->addWidget(chosen, 1);
    chosenRow->addWidget(choose);
    //% "Opens with:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsOpenFilesChosenLabel"), chosen), chosenRow);
    layout->addLayout(form);

    //% "&Quit after renaming what was dropped on the application"
    auto* quit = checkBox(qtTrId("PrefsQuitAfterAutoProcessing"), "quitAutoProcessingCheckBox");
    register_(Control::QuitAutoProcessingCheckBox, quit);
    layout->addWidget(quit);
    layout->addStretch();

    connect(open, &QCheckBox::clicked, this, [this](bool on) { m_controller.openFilesCheckBoxChange(on); });
    connect(m_applicationPopUp, &QComboBox::activated, this, &PreferencesWindow::applicationPopUpChosen);
    connect(choose, &QPushButton::clicked, this, [this] { m_controller.openFilesChooseButtonClick(); });
    connect(quit, &QCheckBox::clicked, this, [this](bool on) { m_controller.quitAutoProcessingCheckBoxChange(on); });
    return tab;
}

void PreferencesWindow::fillApplicationPopUp()
{
    //% "Choose an application…"
    m_applicationPopUp->addItem(qtTrId("PrefsOpenFilesPickApplication"));
    for (const DesktopEntry& entry : installedApplications())
        m_applicationPopUp->addItem(QIcon::fromTheme(entry.icon), entry.name, entry.path);
}

// The desktop entry's path is the setting: the launcher reads its Exec line.
void PreferencesWindow::applicationPopUpChosen(int index)
{
    const QString path = m_applicationPopUp->itemData(index).toString();
    m_applicationPopUp->setCurrentIndex(0);
    if (path.isEmpty())
        return;
    m_pickedApplication = path;
    m_controller.openFilesChooseButtonClick();
    m_pickedApplication.reset();
}

QWidget* PreferencesWindow::makeDeleteTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* matrixBox = new QWidget;
    QStringList titles;
    //% "Delete no files"
    titles << qtTrId("PrefsDeleteNone");
    //% "Move files matching a pattern to the trash"
    titles << qtTrId("PrefsDeleteMatching");
    //% "Move files smaller than the size to the trash"
    titles << qtTrId("PrefsDeleteSmaller");
    //% "Move small files not matching a pattern to the trash"
    titles << qtTrId("PrefsDeleteSmallerNotMatching");
    //% "Move files matching a pattern or small files to the trash"
    titles << qtTrId("PrefsDeleteMatchingOrSmaller");
    QButtonGroup* matrix = makeMatrix(titles, "deleteFilesMatrix", matrixBox);
    matrixBox->layout()->setContentsMargins(0, 0, 0, 0);
    m_matrices.insert(int(Control::DeleteFilesMatrix), matrix);
    layout->addWidget(matrixBox);

    m_patterns = new QListWidget;
    m_patterns->setObjectName(QStringLiteral("deletePatternTableView"));
    m_patterns->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::SelectedClicked);
    m_patterns->setMaximumHeight(m_patterns->fontMetrics().lineSpacing() * 6);
    register_(Control::DeletePatternTableView, m_patterns);
    //% "Patte&rns:"
    layout->addWidget(Controls::buddyLabel(qtTrId("PrefsDeletePatternsLabel"), m_patterns));
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(m_patterns, 1);
    auto* tableButtons = new QVBoxLayout;
    //% "Ne&w"
    auto* add = Controls::button(qtTrId("PrefsDeleteAddPattern"), "deleteFilesNewButton");
    register_(Control::DeleteFilesNewButton, add);
    //% "Re&move"
    auto* remove = Controls::button(qtTrId("PrefsDeleteRemovePattern"), "deleteFilesRemoveButton");
    register_(Control::DeleteFilesRemoveButton, remove);
    //% "Expla&in…"
    auto* explain = Controls::button(qtTrId("PrefsDeleteExplain"), "deleteFilesExplanationButton");
    tableButtons->addWidget(add);
    tableButtons->addWidget(remove);
    tableButtons->addStretch();
    tableButtons->addWidget(explain);
    tableRow->addLayout(tableButtons);
    layout->addLayout(tableRow);

    auto* size = new QLineEdit;
    size->setObjectName(QStringLiteral("deleteFilesSmallerTextField"));
    size->setValidator(new QIntValidator(0, std::numeric_limits<int>::max(), size));
    size->setMaximumWidth(size->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);
    register_(Control::DeleteFilesSmallerTextField, size);
    auto* sizeRow = new QHBoxLayout;
    //% "Si&ze below:"
    sizeRow->addWidget(Controls::buddyLabel(qtTrId("PrefsDeleteSizeLabel"), size));
    sizeRow->addWidget(size);
    //% "kB"
    sizeRow->addWidget(new QLabel(qtTrId("PrefsDeleteSizeUnit")));
    sizeRow->addStretch();
    layout->addLayout(sizeRow);

    connect(matrix, &QButtonGroup::idClicked, this, [this](int row) { m_controller.deleteFilesMatrixChange(row); });
    connect(m_patterns, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        m_controller.tableViewSetObjectValue(m_patterns->row(item), item->text());
    });
    connect(add, &QPushButton::clicked, this, [this] { m_controller.deleteFilesNewButtonClick(); });
    connect(remove, &QPushButton::clicked, this,
            [this] { m_controller.deleteFilesRemoveButtonClick(m_patterns->currentRow()); });
    connect(explain, &QPushButton::clicked, this, [this] { m_controller.deleteFilesExplanationButtonClick(); });
    connect(size, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_controller.deleteFilesSmallerTextFieldChange(t); });
    return tab;
}

void PreferencesWindow::refreshShowNamesFirst()
{
    m_showNamesFirst->setChecked(m_mainController.showNamesFirst());
}

void PreferencesWindow::showPanel()
{
    refreshShowNamesFirst();
    show();
    raise();
    activateWindow();
}

void PreferencesWindow::centerPanel()
{
    adjustSize();
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void PreferencesWindow::hidePanel()
{
    hide();
    emit panelHidden();
}

// The panel keeps its top edge: a window's position is its top-left.
void PreferencesWindow::showAdvancedControls(bool attached, bool /*animated*/)
{
    m_tabs->setVisible(attached);
    m_editFileStyles->setVisible(attached);
    fitHeight();
}

void PreferencesWindow::fitHeight()
{
    const int width = this->width();
    layout()->activate();
    resize(width, sizeHint().height());
    setMaximumHeight(m_tabs->isVisible() ? QWIDGETSIZE_MAX : sizeHint().height());
}

void PreferencesWindow::setEnabled(Control control, bool enabled)
{
    if (QWidget* widget = m_controls.value(int(control)))
        widget->setEnabled(enabled);
    else if (QButtonGroup* group = m_matrices.value(int(control)))
        for (QAbstractButton* b : group->buttons())
            b->setEnabled(enabled);
    // The program chooser goes with the list of applications.
    if (control == Control::OpenFilesChooseButton)
        findChild<QPushButton*>(QStringLiteral("openFilesChooseButton"))->setEnabled(enabled);
}

void PreferencesWindow::showChecked(Control checkBox, bool on)
{
    if (auto* box = qobject_cast<QCheckBox*>(m_controls.value(int(checkBox))))
        box->setChecked(on);
}

void PreferencesWindow::showSelection(Control control, int index)
{
    if (QButtonGroup* group = m_matrices.value(int(control))) {
        if (QAbstractButton* b = group->button(index))
            b->setChecked(true);
    } else if (auto* popUp = qobject_cast<QComboBox*>(m_controls.value(int(control)))) {
        popUp->setCurrentIndex(index);
    }
}

void PreferencesWindow::showText(Control textField, const QString& text)
{
    if (textField == Control::NameZonePopUp) {
        showZone(text);
        return;
    }
    if (auto* field = qobject_cast<QLineEdit*>(m_controls.value(int(textField)))) {
        if (field->text() != text)
            field->setText(text);
    }
}

void PreferencesWindow::showStyleItems(Control popUp, const QList<StylePopUpItem>& items, int selectedItem)
{
    auto* combo = qobject_cast<QComboBox*>(m_controls.value(int(popUp)));
    if (!combo)
        return;
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const StylePopUpItem& item : items) {
        if (item.isSeparator)
            combo->insertSeparator(combo->count());
        else
            combo->addItem(item.title);
    }
    combo->setCurrentIndex(selectedItem);
}

void PreferencesWindow::showDeletePatterns(const QStringList& rows)
{
    const QSignalBlocker blocker(m_patterns);
    m_patterns->clear();
    for (const QString& pattern : rows) {
        auto* item = new QListWidgetItem(pattern, m_patterns);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

void PreferencesWindow::editDeletePattern(int row)
{
    QListWidgetItem* item = m_patterns->item(row);
    if (!item)
        return;
    m_patterns->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_patterns->editItem(item);
}

void PreferencesWindow::showDeleteExplanation(bool shown)
{
    auto* box = findChild<QMessageBox*>(QStringLiteral("deleteExplanationSheet"));
    if (!shown) {
        if (box)
            box->hide();
        return;
    }
    if (!box) {
        box = new QMessageBox(this);
        box->setObjectName(QStringLiteral("deleteExplanationSheet"));
        box->setWindowModality(Qt::WindowModal);
        box->setIcon(QMessageBox::Information);
        //% "Deleting Files"
        box->setWindowTitle(qtTrId("PrefsDeleteExplanationTitle"));
        //% "After renaming, the files that match the rule you chose are moved to the trash, so you can get them back from there. A pattern such as *.thm matches by name; the size is in kilobytes."
        box->setText(qtTrId("PrefsDeleteExplanationText"));
        connect(box, &QMessageBox::finished, this, [this] { m_controller.dfWOkButtonClick(); });
    }
    box->open();
}

void PreferencesWindow::showRunNote(const QString& text)
{
    m_runNote->setText(text);
    m_runNote->setVisible(!text.isEmpty());
}

std::optional<QString> PreferencesWindow::chooseFolder(const QString& start)
{
    //% "Choose the Folder to Move the Files Into"
    const QString folder = FileDialog::getExistingDirectory(this, qtTrId("PrefsChooseFolderTitle"), start);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QString> PreferencesWindow::chooseFile(const QString& start)
{
    if (m_pickedApplication)
        return m_pickedApplication;
    //% "Choose a File"
    const QStringList files = FileDialog::getOpenFileNames(this, qtTrId("PrefsChooseFileTitle"), start);
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

NamingStylesView* PreferencesWindow::namingStylesView(bool folderStyles)
{
    auto& window = folderStyles ? m_folderStyles : m_fileStyles;
    NamingStylesController* editor =
        folderStyles ? m_controller.folderNamingStylesController() : m_controller.fileNamingStylesController();
    if (!window && editor)
        window = std::make_unique<NamingStylesWindow>(*editor, m_controller.exampleDate(), this);
    return window.get();
}

// Escape closes the panel as its close box does.
void PreferencesWindow::reject()
{
    m_controller.closePanel();
}

void PreferencesWindow::closeEvent(QCloseEvent* event)
{
    if (m_controller.windowShouldClose())
        event->accept();
    else
        event->ignore();
}

} // namespace lumenscribe
