// The folder-name window: the name of the dated folder a run is about to
// create in the download folder, with its prefix and suffix choice, and the
// answer (OK or abort) that FIWController hands to the waiting run.
#pragma once

#include "controllers/FIWView.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumenscribe {

class FIWController;

class FIWWindow : public QDialog, public FIWView
{
    Q_OBJECT

public:
    explicit FIWWindow(FIWController& controller, QWidget* parent = nullptr);
    ~FIWWindow() override;

    // FIWView
    void openWindow() override;
    void closeWindow() override;
    void showName(const QString& name) override;
    void showInfo(const QString& text) override;
    void setOkButtonEnabled(bool enabled) override;
    void showPrefixSuffix(const QString& prefix, bool prefixEnabled, const QString& suffix,
                          bool suffixEnabled) override;

    // Escape: abort, the only other answer.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void makeControls();
    void answered(bool accepted);
    void updateButtons();

    FIWController& m_controller;
    QLineEdit* m_name = nullptr;
    QPushButton* m_resetName = nullptr;
    QLabel* m_info = nullptr;
    QComboBox* m_presuffix = nullptr;
    QLineEdit* m_prefix = nullptr;
    QLineEdit* m_suffix = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_abort = nullptr;
    bool m_nameAcceptable = false;
    bool m_answered = false;
};

} // namespace lumenscribe
