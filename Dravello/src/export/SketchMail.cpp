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

namespace {

void tell(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent)
{
    PromptRequest request = PromptRequest::message(icon, text);
    request.title = title;
    request.parent = parent;
    askUser(request);
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
    const int status = mailer.EmailAttachedDcoument(QFile::encodeName(path).toStdString());
    if (status != 0)
        tell(QMessageBox::Warning, QString::fromLatin1(kPromptTitle),
             QCoreApplication::translate("SketchMail", "Unable to hand the document to Mail (error %1).").arg(status), parent);
    // A mail program that reads the file later finds it until the program ends.
    if (status == 0 && !mailer.attachmentReadOnReturn())
        return true;
    if (QFile::exists(path) && !QFile::remove(path))
        tell(QMessageBox::Critical, leftoverTitle, QCoreApplication::translate("SketchMail", "Cannot delete file : %1").arg(path), parent);
    return status == 0;
}
