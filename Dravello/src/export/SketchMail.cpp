#include "SketchMail.h"

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "ExportFormats.h"
#include "FixedPaths.h"
#include "IEMailClient.h"
#include "PrivateFolder.h"
#include "SceneRendering.h"
#include "UserPrompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace {

void tell(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent)
{
    PromptRequest request = PromptRequest::message(icon, text);
    request.title = title;
    request.parent = parent;
    askUser(request);
}

// Removes the attachment that the mail program is done with; one that stays is reported.
void removeAttachment(const QString& path, const QString& leftoverTitle, QWidget* parent)
{
    if (QFile::exists(path) && !QFile::remove(path))
        tell(QMessageBox::Critical, leftoverTitle, QCoreApplication::translate("SketchMail", "Cannot delete file : %1").arg(path),
             parent);
}

} // namespace

QString mailAttachmentPath(const DocumentMetaData& sketch)
{
    const QString folder = QFile::decodeName(QByteArray::fromStdString(Platform::handOffFilesFolder()));
    if (folder.isEmpty())
        return QString();
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + QFileInfo(sketch.m_filePath).fileName()
                                    + QLatin1String(".pdf"));
}

bool mailSketchAsPdf(const DocumentMetaData& sketch, IEMailClient& mailer, QWidget* parent,
                     const QString& leftoverTitle)
{
    const std::unique_ptr<DocumentGraphicModel> scene = inkSceneOf(sketch);
    if (!scene)
        return false;
    QString path = mailAttachmentPath(sketch);
    if (path.isEmpty()) {
        tell(QMessageBox::Warning, QString::fromLatin1(kPromptTitle),
             QCoreApplication::translate("SketchMail", "No private folder for the attachment could be made in %1.")
                 .arg(QFile::decodeName(QByteArray::fromStdString(Platform::temporaryFolder()))),
             parent);
        return false;
    }
    if (!ExportFormats::SaveAsPDF(scene.get(), path, scene->paperRectangle()))
        return false;
    // A failure may come after the window went on; the parent may be gone by then.
    const QPointer<QWidget> owner(parent);
    const auto failed = [path, leftoverTitle, owner](int status) {
        tell(QMessageBox::Warning, QString::fromLatin1(kPromptTitle),
             QCoreApplication::translate("SketchMail", "Unable to hand the document to Mail (error %1).").arg(status),
             owner);
        removeAttachment(path, leftoverTitle, owner);
    };
    const int status = mailer.mailAndFollow(QFile::encodeName(path).toStdString(), failed);
    if (status != 0) {
        failed(status);
        return false;
    }
    // A mail program that reads the file later finds it until the program ends.
    if (mailer.attachmentReadOnReturn())
        removeAttachment(path, leftoverTitle, parent);
    return true;
}
