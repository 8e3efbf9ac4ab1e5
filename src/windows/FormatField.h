// The format field of the style editors: a one-line field that shows the
// %-codes in another colour than the plain text around them, so a mistyped
// code stands out while it is typed.
#pragma once

#include <QLineEdit>

namespace lumenscribe {

class FormatField : public QLineEdit
{
    Q_OBJECT

public:
    explicit FormatField(QWidget* parent = nullptr);

    // Puts `code` at the cursor (in place of a selection) as typing would.
    void insertCode(const QString& code);

protected:
    void changeEvent(QEvent* event) override;

private:
    void highlight();
};

} // namespace lumenscribe
