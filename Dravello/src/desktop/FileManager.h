#ifndef DRAVELLO_DESKTOP_FILEMANAGER_H
#define DRAVELLO_DESKTOP_FILEMANAGER_H

// Showing a file to the user in the desktop's file manager.

#include <QDBusConnection>
#include <QString>

#include <functional>

class FileManager {
public:
    virtual ~FileManager() = default;

    // Shows the folder that holds `file` with the file selected. True when
    // the request went out.
    virtual bool showItem(const QString& file) = 0;
};

// The freedesktop file manager interface (org.freedesktop.FileManager1) on
// a D-Bus connection. ShowItems is sent without waiting for its answer, so
// the window never waits on the file manager; when the call fails (no file
// manager on the bus, or none answers in time), or there is no bus at all,
// the folder is opened through the desktop services instead.
class DBusFileManager : public FileManager {
public:
    // How long a file manager has to answer before the folder is opened instead.
    static constexpr int kShowItemsTimeoutMs = 10000;

    // `bus` gives the connection at each request.
    explicit DBusFileManager(std::function<QDBusConnection()> bus);

    bool showItem(const QString& file) override;

private:
    std::function<QDBusConnection()> m_bus;
};

// The desktop's file manager, reached on the session bus.
FileManager& desktopFileManager();

#endif
