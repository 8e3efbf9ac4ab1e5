#include "windows/DesktopAppearance.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QStyle>
#include <QStyleFactory>

namespace lumenscribe {

namespace {
const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString ColorSchemeKey = QStringLiteral("color-scheme");
// The portal answers at once when it runs; a missing one must not hold up the start for long.
constexpr int PortalTimeoutMs = 1000;

enum class PortalColorScheme : uint
{
    NoPreference = 0,
    PreferDark = 1,
    PreferLight = 2,
};

QDBusMessage readSetting(const QDBusConnection& bus, const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface, method);
    call << AppearanceGroup << ColorSchemeKey;
    return bus.call(call, QDBus::Block, PortalTimeoutMs);
}
} // namespace

DesktopAppearance::DesktopAppearance(QObject* parent) : DesktopAppearance(QDBusConnection::sessionBus(), parent)
{
}

DesktopAppearance::DesktopAppearance(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_bus(bus), m_platformPalette(QApplication::palette()),
      m_platformStyle(QApplication::style() ? QApplication::style()->name() : QString())
{
    if (!fromEnvironment())
        m_portalScheme = fromPortal(m_bus);
}

std::optional<DesktopAppearance::Scheme> DesktopAppearance::fromEnvironment()
{
    const QString wanted = qEnvironmentVariable("LUMENSCRIBE_COLOR_SCHEME").trimmed().toLower();
    if (wanted == u"dark")
        return Scheme::Dark;
    if (wanted == u"light")
        return Scheme::Light;
    return std::nullopt;
}

std::optional<DesktopAppearance::Scheme> DesktopAppearance::fromPortal(const QDBusConnection& bus)
{
    if (!bus.isConnected())
        return std::nullopt;
    // ReadOne answers the value itself; older portals have only Read, which
    // wraps it in one more variant.
    QDBusMessage reply = readSetting(bus, QStringLiteral("ReadOne"));
    if (reply.type() != QDBusMessage::ReplyMessage)
        reply = readSetting(bus, QStringLiteral("Read"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return fromPortalValue(reply.arguments().constFirst());
}

std::optional<DesktopAppearance::Scheme> DesktopAppearance::fromPortalValue(const QVariant& value)
{
    QVariant unwrapped = value;
    for (int depth = 0; depth < 3 && unwrapped.metaType() == QMetaType::fromType<QDBusVariant>(); ++depth)
        unwrapped = unwrapped.value<QDBusVariant>().variant();
    bool ok = false;
    const uint number = unwrapped.toUInt(&ok);
    if (!ok)
        return std::nullopt;
    switch (PortalColorScheme(number)) {
    case PortalColorScheme::PreferDark:
        return Scheme::Dark;
    case PortalColorScheme::PreferLight:
        return Scheme::Light;
    case PortalColorScheme::NoPreference:
        break;
    }
    return std::nullopt;
}

DesktopAppearance::Scheme DesktopAppearance::fromPalette(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? Scheme::Dark : Scheme::Light;
}

DesktopAppearance::Scheme DesktopAppearance::scheme() const
{
    if (const auto wanted = fromEnvironment())
        return *wanted;
    if (m_portalScheme)
        return *m_portalScheme;
    return fromPalette(m_platformPalette);
}

void DesktopAppearance::apply()
{
    applyScheme(scheme());
    if (m_following || fromEnvironment() || !m_bus.isConnected())
        return;
    m_following = m_bus.connect(PortalService, PortalPath, SettingsInterface, QStringLiteral("SettingChanged"), this,
                                SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
}

void DesktopAppearance::portalSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group != AppearanceGroup || key != ColorSchemeKey)
        return;
    m_portalScheme = fromPortalValue(value.variant());
    applyScheme(scheme());
}

void DesktopAppearance::applyScheme(Scheme wanted)
{
    if (m_applied == wanted)
        return;
    const bool first = !m_applied;
    m_applied = wanted;
    if (wanted == Scheme::Dark) {
        // The platform styles draw with their own light colours; Fusion
        // draws with the palette it is given.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    } else if (fromPalette(m_platformPalette) == Scheme::Light) {
        // The platform's own look is light already; only a dark one set
        // before is taken back.
        if (!first) {
            QApplication::setStyle(QStyleFactory::create(m_platformStyle));
            QApplication::setPalette(m_platformPalette);
        }
    } else {
        // A dark platform palette on a desktop that asks for light.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    if (!first)
        emit schemeChanged(wanted);
}

QPalette DesktopAppearance::darkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2a, 0x2a, 0x2a);
    const QColor text(0xee, 0xee, 0xee);
    const QColor disabledText(0x80, 0x80, 0x80);
    const QColor highlight(0x3d, 0x84, 0xd6);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(0x3a, 0x3a, 0x3a));
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    palette.setColor(QPalette::Light, QColor(0x4a, 0x4a, 0x4a));
    palette.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::Mid, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Dark, QColor(0x23, 0x23, 0x23));
    palette.setColor(QPalette::Shadow, QColor(0x14, 0x14, 0x14));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xf0));
    palette.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xf0));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x50, 0x50, 0x50));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, disabledText);
    return palette;
}

} // namespace lumenscribe
