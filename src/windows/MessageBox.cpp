#include "windows/MessageBox.h"

#include <QList>

namespace lumenscribe {

namespace {

// Answers given beforehand, first in line first.
QList<QMessageBox::StandardButton> nextAnswers;

} // namespace

void MessageBox::setNextAnswer(Button button)
{
    nextAnswers.append(button);
}

MessageBox::Button MessageBox::information(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                                           Button defaultButton)
{
    return show(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

MessageBox::Button MessageBox::warning(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                                       Button defaultButton)
{
    return show(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

MessageBox::Button MessageBox::question(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                                        Button defaultButton)
{
    return show(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

MessageBox::Button MessageBox::show(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text,
                                    Buttons buttons, Button defaultButton)
{
    if (!nextAnswers.isEmpty())
        return nextAnswers.takeFirst();
    QMessageBox box(icon, title, text, buttons, parent);
    // Messages carry file names: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("messageBox"));
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<Button>(box.exec());
}

} // namespace lumenscribe
