// Follows the desktop's light or dark appearance. Qt 6.4 does not ask the
// desktop itself, so the freedesktop settings portal is asked over D-Bus
// ("org.freedesktop.appearance" "color-scheme"); without an answer the
// platform theme's palette decides by its lightness. A dark desktop gets
// Qt's Fusion style with a dark palette.
//
// LUMENSCRIBE_COLOR_SCHEME=dark or light overrides the desktop, for
// screenshots and tests.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPalette>
#include <optional>

class QDBusVariant;

namespace lumenscribe {

class DesktopAppearance : public QObject
{
    Q_OBJECT

public:
    enum class Scheme
    {
        Light,
        Dark,
    };
    Q_ENUM(Scheme)

    // The session bus; make it after the QApplication.
    explicit DesktopAppearance(QObject* parent = nullptr);
    explicit DesktopAppearance(const QDBusConnection& bus, QObject* parent = nullptr);

    // The environment's word, else the portal's, else the palette's.
    Scheme scheme() const;
    // Gives the application the palette of the scheme, and keeps it in step
    // with the desktop while the application runs (unless overridden).
    void apply();

    static std::optional<Scheme> fromEnvironment();
    static std::optional<Scheme> fromPortal(const QDBusConnection& bus);
    static Scheme fromPalette(const QPalette& palette);
    static QPalette darkPalette();

signals:
    void schemeChanged(lumenscribe::DesktopAppearance::Scheme scheme);

private slots:
    void portalSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    static std::optional<Scheme> fromPortalValue(const QVariant& value);
    void applyScheme(Scheme scheme);

    QDBusConnection m_bus;
    // The platform theme's own, from before a dark palette was set.
    QPalette m_platformPalette;
    QString m_platformStyle;
    std::optional<Scheme> m_portalScheme;
    std::optional<Scheme> m_applied;
    bool m_following = false;
};

} // namespace lumenscribe
