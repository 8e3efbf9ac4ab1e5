#include "windows/FormatField.h"

#include "controllers/FormatCodeList.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QTextCharFormat>

namespace lumenscribe {

FormatField::FormatField(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &FormatField::highlight);
    // The formats are placed relative to the cursor.
    connect(this, &QLineEdit::cursorPositionChanged, this, &FormatField::highlight);
}

void FormatField::insertCode(const QString& code)
{
    insert(code);
    setFocus(Qt::OtherFocusReason);
    emit textEdited(text());
}

void FormatField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange)
        highlight();
}

// A line edit draws extra formats that an input method hands it; an empty
// pre-edit text with format attributes colours the committed text alone.
void FormatField::highlight()
{
    QTextCharFormat code;
    // A locked field keeps the codes apart by weight alone, in the disabled
    // text colour.
    code.setForeground(isEnabled() ? palette().color(QPalette::Active, QPalette::Link)
                                   : palette().color(QPalette::Disabled, QPalette::Text));
    code.setFontWeight(QFont::Bold);
    QList<QInputMethodEvent::Attribute> attributes;
    const int cursor = cursorPosition();
    for (const FormatCodeList::Span& span : FormatCodeList::spans(text())) {
        if (span.isCode) {
            attributes.append(
                QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, span.start - cursor, span.length, code));
        }
    }
    QInputMethodEvent event(QString(), attributes);
    QCoreApplication::sendEvent(this, &event);
}

} // namespace lumenscribe
