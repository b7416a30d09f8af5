// The receiver seen from the window: the device layer started at init, the
// tray icon and battery indicator, the folders switched when its volume comes
// and goes, and the messages about its memory, battery and charging.

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "ApplSettings.h"
#include "DeviceManager.h"
#include "DirView.h"
#include "FolderCommands.h"
#include "PreviewThumbnailList.h"
#include "ProcessLifetime.h"
#include "ScrivetDeviceObserver.h"
#include "UserPrompt.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kBatteryPollMs = 30000;
constexpr int kBalloonMs = 10000;
const char* const kDeviceKey = "hardware/device";

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

void openInFileBrowser(const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); }

void warn(QMessageBox::Icon icon, const QString& text) { askUser(PromptRequest::message(icon, text)); }

} // namespace

void MainWindow::prepareConnectionWithReceiver()
{
    QString vid;
    QString pid;
    QString vendorName;
    QString modelName;
    m_settings->getAttrValueStr(kDeviceKey, "vid", vid);
    m_settings->getAttrValueStr(kDeviceKey, "pid", pid);
    m_settings->getAttrValueStr(kDeviceKey, "vendor_name", vendorName);
    m_settings->getAttrValueStr(kDeviceKey, "model_name", modelName);

    m_batteryTimer = new QTimer(this);
    connect(m_batteryTimer, &QTimer::timeout, this, &MainWindow::shootBatteryStatusSlot);

    DeviceManager* manager = DeviceManager::instance();
    manager->setIdentifierList(receiverIdentifiers(vid, pid));
    manager->setVendorName(vendorName.toStdString());
    manager->setModelName(modelName.toStdString());

    // Without a parent, it lives until the process ends.
    m_observer = new ScrivetDeviceObserver();
    Pelm::keepUntilProcessEnds(m_observer);
    connect(m_observer, &ScrivetDeviceObserver::HIDDevicePlugSgnl, this, &MainWindow::handleHIDDevicePlugSlot);
    connect(m_observer, &ScrivetDeviceObserver::HIDDeviceUnplugSgnl, this, &MainWindow::handleHIDDeviceUnplugSlot);
    connect(m_observer, &ScrivetDeviceObserver::DiscVolumeMountedSgnl, this,
            &MainWindow::handleStorageDevicePlugSlot);
    connect(m_observer, &ScrivetDeviceObserver::DiscVolumeUnMountedSgnl, this,
            &MainWindow::handleStorageDeviceUnplugSlot);
    connect(m_observer, &ScrivetDeviceObserver::sendLastErrorMsgSgnl, this, &MainWindow::handleDeviceLastErrorSlot);
    manager->registerObserver(m_observer);
    manager->init();
}

void MainWindow::handleHIDDevicePlugSlot(QString)
{
    qDebug("MainWindow::handleHIDDevicePlug()");
    if (m_trayIcon) {
        m_trayIcon->setIcon(QIcon(QStringLiteral(":/misc/Resources/USB/USB_32X32.png")));
        m_trayIcon->setToolTip(tr("Scrivet Dravello is connected"));
        m_batteryTimer->start(kBatteryPollMs);
    }
    emit handleHIDDevicePlugSgnl();
}

void MainWindow::handleHIDDeviceUnplugSlot(QString)
{
    qDebug("MainWindow::handleHIDDeviceUnplug()");
    m_batteryTimer->stop();
    m_trayIcon->setIcon(QIcon(QStringLiteral(":/misc/Resources/USB/USB_unplug_32X32.png")));
    m_trayIcon->setToolTip(tr("Scrivet Dravello is disconnected"));
    createEmptyBatteryIcon();
    // A receiver plugged in again may bring the same charging problem: tell it again.
    m_batteryStatus.clear();
    m_chargingWarnings.reset();
    clearFolderHistory();
    emit handleHIDDeviceUnplugSgnl();
}

void MainWindow::createEmptyBatteryIcon()
{
    QPixmap empty(32, 24);
    empty.fill(Qt::transparent);
    m_batteryLabel->setPixmap(empty);
}

void MainWindow::shootBatteryStatusSlot()
{
    ProtocolHandler::ChargerState state{};
    const QString status = m_observer->getBatteryStatus(state);
    if (!m_batteryLabel)
        return;
    const bool changed = status != m_batteryStatus;
    m_batteryStatus = status;
    // A failed read gives no state: the indicator shows nothing rather than a guess.
    const QPixmap picture = status.isEmpty() ? QPixmap() : QPixmap(batteryIconPath(state));
    if (picture.isNull())
        createEmptyBatteryIcon();
    else
        m_batteryLabel->setPixmap(picture);
    m_batteryLabel->setToolTip(m_batteryStatus);
    if (changed)
        checkVoltage();
}

void MainWindow::handleStorageDevicePlugSlot(QString path)
{
    qDebug().noquote() << "MainWindow::handleStorageDevicePlug" << quoted(path);
    if (path.isEmpty())
        return;
    m_volumePath = path;
    raise();
    showMaximized();
    m_deviceDir = QDir::toNativeSeparators(m_volumePath + QLatin1String("/My Sketches"));
    m_startDir = m_volumePath;
    ui->m_dirtree_view->m_receiverFolder = m_deviceDir;
    ui->m_dirtree_view->init(m_deviceDir);
    ui->m_pieces_list->setFocus();
    m_volumeMounted = true;
    if (m_memoryFullPending) {
        m_memoryFullPending = false;
        openInFileBrowser(m_volumePath);
    }
}

void MainWindow::handleStorageDeviceUnplugSlot(QString)
{
    qDebug("MainWindow::handleStorageDeviceUnplug()");
    if (m_batteryTimer->isActive())
        m_batteryTimer->stop();
    if (!m_volumeMounted)
        return;
    m_volumeMounted = false;
    QString startFolder;
    m_settings->getAttrValueStr("startup_directory/directory", "path", startFolder);
    startFolder = QDir::toNativeSeparators(startFolder);
    if (startFolder.isEmpty() || !QDir(startFolder).exists())
        return;
    m_startDir = startFolder;
    ui->m_dirtree_view->init(m_startDir);
    ui->m_pieces_list->setFocus();
    clearFolderHistory();
}

void MainWindow::clearFolderHistory()
{
    m_folderHistory.clearBackAndForward();
    showHistoryState(m_folderHistory, *ui->actionBack, *ui->actionForward);
}

void MainWindow::handleDeviceLastErrorSlot(QString event)
{
    qDebug().noquote() << "handleDeviceLastErrorSlot" << quoted(event);
    m_lastDeviceError = event;
    checkLastError();
}

void MainWindow::checkLastError()
{
    switch (classifyLastEvent(m_lastDeviceError)) {
    case ReceiverEventKind::MemoryFull:
        m_memoryFullPending = true;
        warn(QMessageBox::Critical, memoryFullText());
        // A volume that is gone has no folder to show: it is opened when it mounts again.
        if (m_volumeMounted && !m_deviceDir.isEmpty())
            openInFileBrowser(m_deviceDir);
        break;
    case ReceiverEventKind::BatteryShutdown:
        warn(QMessageBox::Warning, batteryShutdownText());
        m_trayIcon->showMessage(QString::fromLatin1(kPromptTitle), batteryShutdownText(),
                                QSystemTrayIcon::Warning, kBalloonMs);
        break;
    case ReceiverEventKind::Other: break;
    }
}

void MainWindow::checkVoltage()
{
    const QString warning = m_chargingWarnings.take(m_batteryStatus);
    if (warning.isEmpty())
        return;
    m_trayIcon->showMessage(QString::fromLatin1(kPromptTitle), warning, QSystemTrayIcon::Warning, kBalloonMs);
    warn(QMessageBox::Warning, warning);
}
