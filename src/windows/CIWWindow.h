// The confirm-each-file window: shows the file the run asks about, its
// proposed name, the prefix and suffix choice, the date correction and the
// preview, and hands the person's answer to CIWController. It is not modal:
// the run waits on the controller, and the rest of the application stays
// usable.
#pragma once

#include "controllers/CIWView.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace lumenscribe {

class CIWController;
class PreviewPanel;

class CIWWindow : public QDialog, public CIWView
{
    Q_OBJECT

public:
    explicit CIWWindow(CIWController& controller, QWidget* parent = nullptr);
    ~CIWWindow() override;

    PreviewPanel* previewPanel() const { return m_preview; }

    // CIWView
    void openWindow() override;
    void closeWindow() override;
    void showOldName(const QString& name) override;
    void showNewName(const QString& name) override;
    void showInfo(const QString& text) override;
    void setRenameButtonsEnabled(bool enabled) override;
    void showPrefixSuffix(const QString& prefix, bool prefixEnabled, const QString& suffix,
                          bool suffixEnabled) override;
    void setFocus(Focus focus, int selectionStart, int selectionLength) override;
    void showCorrection(const std::array<int, 6>& fields, const QString& fileDate, const QString& difference) override;
    void showFile(const QString& path) override;

    // Escape: the file keeps its name; the run goes on.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void makeNameRows(QFormLayout* form);
    void makePrefixSuffixRows(QFormLayout* form);
    QWidget* makeCorrectionBox();
    QWidget* makeButtonRow();
    void setTabOrder();
    void answered(bool accepted);
    void updateAnswerButtons();
    void correctionToggled(bool on);
    void previewToggled(bool on);
    void stepperChanged();
    void fitToContents(bool keepWidth);

    CIWController& m_controller;
    QLineEdit* m_oldName = nullptr;
    QLineEdit* m_newName = nullptr;
    QPushButton* m_resetName = nullptr;
    QLabel* m_info = nullptr;
    QComboBox* m_presuffix = nullptr;
    QLineEdit* m_prefix = nullptr;
    QLineEdit* m_suffix = nullptr;
    QCheckBox* m_correctionEnable = nullptr;
    QWidget* m_correctionBox = nullptr;
    std::array<QSpinBox*, 6> m_steppers{};
    QLabel* m_fileDate = nullptr;
    QLabel* m_difference = nullptr;
    QPushButton* m_setFileDate = nullptr;
    QPushButton* m_setNow = nullptr;
    QCheckBox* m_showPreview = nullptr;
    PreviewPanel* m_preview = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_renameAll = nullptr;
    QPushButton* m_dontRename = nullptr;
    QPushButton* m_abort = nullptr;
    QString m_filePath;
    bool m_nameAcceptable = false;
    // The question on show has been answered: the buttons wait for the next.
    bool m_answered = false;
};

} // namespace lumenscribe
