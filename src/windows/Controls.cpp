#include "windows/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumenscribe {

QLabel* Controls::buddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QPushButton* Controls::button(const QString& text, const char* name)
{
    auto* b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

void Controls::setTextKeepingCursor(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

} // namespace lumenscribe
