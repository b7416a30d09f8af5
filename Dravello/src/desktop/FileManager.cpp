#include "FileManager.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

const char* const kService = "org.freedesktop.FileManager1";
const char* const kPath = "/org/freedesktop/FileManager1";

bool openFolder(const QString& folder)
{
    qDebug().noquote() << "FileManager: opening the folder" << folder;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace

DBusFileManager::DBusFileManager(std::function<QDBusConnection()> bus) : m_bus(std::move(bus)) {}

bool DBusFileManager::showItem(const QString& file)
{
    const QFileInfo item(file);
    const QString folder = item.absolutePath();
    const QDBusConnection bus = m_bus();
    if (!bus.isConnected())
        return openFolder(folder);

    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                       QLatin1String(kService), QStringLiteral("ShowItems"));
    const QString uri = QString::fromLatin1(QUrl::fromLocalFile(item.absoluteFilePath()).toEncoded());
    call << QStringList{uri} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kShowItemsTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [folder](QDBusPendingCallWatcher* answer) {
        if (answer->isError()) {
            qDebug().noquote() << "FileManager: ShowItems failed:" << answer->error().message();
            openFolder(folder);
        }
        answer->deleteLater();
    });
    return true;
}

FileManager& desktopFileManager()
{
    static DBusFileManager manager([] { return QDBusConnection::sessionBus(); });
    return manager;
}
