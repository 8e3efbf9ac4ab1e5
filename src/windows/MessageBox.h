// Every message box of the application goes through here, so that a test can
// give the answer beforehand instead of meeting a modal loop it cannot leave.
#pragma once

#include <QMessageBox>

namespace lumenscribe {

class MessageBox
{
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;
    static constexpr Button Ok = QMessageBox::Ok;
    static constexpr Button Yes = QMessageBox::Yes;
    static constexpr Button No = QMessageBox::No;
    static constexpr Button Cancel = QMessageBox::Cancel;

    static Button information(QWidget* parent, const QString& title, const QString& text, Buttons buttons = Button::Ok,
                              Button defaultButton = Button::NoButton);
    static Button warning(QWidget* parent, const QString& title, const QString& text, Buttons buttons = Button::Ok,
                          Button defaultButton = Button::NoButton);
    static Button question(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                           Button defaultButton = Button::NoButton);

    // The next box returns `button` at once, without being shown; answers
    // set one after another serve the boxes in that order.
    static void setNextAnswer(Button button);

private:
    static Button show(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text,
                       Buttons buttons, Button defaultButton);
};

} // namespace lumenscribe
