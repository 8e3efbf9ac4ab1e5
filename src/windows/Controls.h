// The small steps every window takes to make its controls: a label tied to
// its field, a button that is never the window's default by accident, a
// field set without losing the person's cursor when nothing changed.
#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace lumenscribe {

class Controls
{
public:
    static QLabel* buddyLabel(const QString& text, QWidget* buddy);
    static QPushButton* button(const QString& text, const char* name);
    static void setTextKeepingCursor(QLineEdit* field, const QString& text);
};

} // namespace lumenscribe
