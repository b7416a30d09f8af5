#include "ExportFormats.h"

#include "AdobeScripts.h"
#include "ApplicationRegistry.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "ExportProgress.h"
#include "AtomicFile.h"
#include "FixedPaths.h"
#include "HandOffFolder.h"
#include "InkMLDefinitions.h"
#include "LayerPictures.h"
#include "ProcessRunner.h"
#include "SceneRendering.h"
#include "SketchInkWriter.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QUrl>

namespace {

const char* const kSaveFilter = "PNG file (*.png);; JPEG file (*.jpg);; PDF file (*.pdf);; "
                                "SVG file (*.svg );; BMP file (*.bmp);; TIFF file (*.tiff)";

// Files are drawn at this resolution, and printed at it.
constexpr int kDotsPerInch = 200;
// SVG units are the scene's tenths of a millimetre.
constexpr int kTenthsOfMillimetrePerInch = 254;

void tellUser(const QString& text)
{
    askUser(PromptRequest::message(QMessageBox::Critical, text));
}

void warnUser(const QString& title, const QString& text)
{
    PromptRequest request = PromptRequest::message(QMessageBox::Warning, text);
    request.title = title;
    askUser(request);
}

// Replaces the file at `path` with what `draw` writes, under a progress
// dialog; tells the user when that failed.
template <typename Draw>
bool writeDrawing(const QString& label, const QString& path, Draw draw)
{
    ExportProgress progress(label, 10);
    const bool written = writeRenderedFile(path, [&](QIODevice& device) {
        progress.setValue(3);
        return draw(device);
    });
    progress.setValue(10);
    if (!written)
        tellUser(ExportFormats::tr("The sketch could not be written to %1.").arg(path));
    return written;
}

// What is written of a record that holds a scene, else null.
std::unique_ptr<DocumentGraphicModel> writtenSceneOf(const MetadataPtr& sketch)
{
    const DocumentMetaData* record = sketch.GetData();
    return record ? inkSceneOf(*record) : nullptr;
}

// The path of the last application in the list whose bundle name contains
// the keyword (case-insensitive); empty when none does.
QString lastApplicationMatching(const QList<ApplicationDescriptor>& applications,
                                const QString& keyword)
{
    QString path;
    for (const ApplicationDescriptor& application : applications)
        if (application.bundleName.contains(keyword, Qt::CaseInsensitive))
            path = application.bundlePath;
    return path;
}

void reportNoHandOffFolder()
{
    tellUser(ExportFormats::tr("No folder for the export could be made in %1.")
                 .arg(QStandardPaths::writableLocation(QStandardPaths::TempLocation)));
}

} // namespace

ExportFormats::ExportFormats() : m_services(ExportServices::system()) {}

ExportFormats::ExportFormats(const ExportServices& services) : m_services(services) {}

ExportFormats::~ExportFormats() = default;

bool ExportFormats::SaveGeneric(MetadataPtr sketch)
{
    const std::unique_ptr<DocumentGraphicModel> scene = writtenSceneOf(sketch);
    if (!scene)
        return false;
    const QFileInfo source(sketch->m_filePath);
    const QString proposed =
        QDir::toNativeSeparators(source.path() + "/" + source.completeBaseName());
    QString chosen = m_services.saveFileName(QApplication::activeWindow(),
                                             tr("Save document as "), proposed,
                                             QString::fromLatin1(kSaveFilter));
    if (chosen.isEmpty())
        return false;
    chosen = QDir::toNativeSeparators(chosen);
    const QString suffix = QFileInfo(chosen).suffix();
    if (suffix.isEmpty())
        warnUser(QStringLiteral("Invlaid extension"), "Check ext , saving file " + chosen);

    const QRectF paper = scene->paperRectangle();
    if (suffix == "pdf" || suffix == "PDF")
        return SaveAsPDF(scene.get(), chosen, paper);
    if (suffix == "svg" || suffix == "SVG")
        return SaveAsSVG(scene.get(), chosen, paper);
    return SaveAsSuffix(scene.get(), chosen, suffix.toUpper(), paper);
}

bool ExportFormats::SaveAsPDF(QGraphicsScene* scene, QString& path, QRectF rect)
{
    return writeDrawing(tr("Saving document as PDF"), path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setResolution(kDotsPerInch);
        const QPageSize page(rect.size() / 10.0, QPageSize::Millimeter, QString(),
                             QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
        return paintScene(writer, scene, rect);
    });
}

bool ExportFormats::SaveAsSVG(QGraphicsScene* scene, QString& path, QRectF rect)
{
    return writeDrawing(tr("Saving document as SVG"), path, [&](QIODevice& device) {
        QSvgGenerator generator;
        generator.setOutputDevice(&device);
        const QSize size = truncatedSize(rect.size());
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(kTenthsOfMillimetrePerInch);
        generator.setTitle(path);
        return paintScene(generator, scene, rect);
    });
}

bool ExportFormats::SaveAsSuffix(QGraphicsScene* scene, QString path, QString format, QRectF rect)
{
    ExportProgress progress(tr("Saving document as %1").arg(format), 10);
    QPixmap picture(truncatedSize(rect.size()));
    picture.fill(Qt::transparent);
    const bool drawn = paintScene(picture, scene, rect);
    progress.setValue(5);
    const QByteArray formatName = format.toUpper().toUtf8();
    const bool saved = drawn && savePicture(picture, path, formatName.constData());
    if (!saved)
        warnUser(QStringLiteral("eror"), "failed saving pixmap" + path);
    progress.setValue(8);
    return saved;
}

bool ExportFormats::PrintFile(MetadataPtr sketch)
{
    const std::unique_ptr<DocumentGraphicModel> scene = writtenSceneOf(sketch);
    if (!scene)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.isValid()) {
        tellUser(tr("No printer is available to print the sketch."));
        return false;
    }
    return PrintScene(scene.get(), printer);
}

bool ExportFormats::PrintScene(QGraphicsScene* scene, QPrinter& printer)
{
    ExportProgress progress(tr("Printing Sketch"), 10);
    printer.setResolution(kDotsPerInch);
    printer.setPageSize(QPageSize(QPageSize::A4));
    progress.setValue(2);
    const bool printed = paintScene(printer, scene, QRectF());
    progress.setValue(10);
    if (!printed)
        tellUser(tr("The sketch could not be printed."));
    return printed;
}

bool ExportFormats::SaveMetaDataToFile(MetadataPtr sketch, QString& path)
{
    const DocumentMetaData* record = sketch.GetData();
    if (!record)
        return false;
    if (record->m_filePath.size() <= 3) {
        tellUser(tr("The sketch has no file name and cannot be exported."));
        return false;
    }
    if (!path.endsWith(".hlv") && !path.endsWith(".HLV"))
        path += ".hlv";

    ExportProgress progress(tr("Exporting document"), 8);
    progress.setValue(3);
    Pelm::DefaultInkMLDefinitions defaults;
    if (!writeSketchInkML(*record, sceneRotation(*record), path, defaults)) {
        tellUser(tr("The sketch could not be written to %1.").arg(path));
        return false;
    }
    progress.setValue(4);
    return true;
}

bool ExportFormats::AdobeIllustartorExport(MetadataPtr sketch)
{
    return handOffInkFile(sketch, QStringLiteral("illustrator"), QStringLiteral("Adobe Illustrator"));
}

bool ExportFormats::AliasSketchExport(MetadataPtr sketch)
{
    return handOffInkFile(sketch, QStringLiteral("designer"),
                          QStringLiteral("Autodesk SketchBook Designer"));
}

bool ExportFormats::SBPExport(MetadataPtr sketch)
{
    return handOffInkFile(sketch, QStringLiteral("pro"), QStringLiteral("Autodesk SketchBook Pro"));
}

bool ExportFormats::handOffInkFile(MetadataPtr sketch, const QString& keyword,
                                   const QString& application)
{
    if (!sketch.GetData())
        return false;
    const QString applicationPath = lastApplicationMatching(m_services.applications(), keyword);
    if (applicationPath.isEmpty()) {
        tellUser(tr("%1 is not installed.").arg(application));
        return false;
    }
    const QString folder = makeHandOffFolder(m_services.now(), HandOffLifetime::Kept);
    if (folder.isEmpty()) {
        reportNoHandOffFolder();
        return false;
    }
    QString file =
        QDir::toNativeSeparators(folder + "/" + QFileInfo(sketch->m_filePath).fileName());
    if (!SaveMetaDataToFile(sketch, file)) {
        QDir().rmdir(folder);
        return false;
    }
    const std::string program = Platform::bundleProgram(QFile::encodeName(applicationPath).toStdString());
    if (program.empty() || !m_services.runner.startDetached({program, {QFile::encodeName(file).toStdString()}})) {
        tellUser(tr("%1 could not be started.").arg(application));
        return false;
    }
    return true;
}

bool ExportFormats::AdobePhotoshopExport(MetadataPtr sketch)
{
    const std::unique_ptr<DocumentGraphicModel> scene = writtenSceneOf(sketch);
    if (!scene)
        return false;
    ExportProgress progress(tr("Exporting document to Photoshop"), 10);
    const QString folder = makeHandOffFolder(m_services.now(), HandOffLifetime::WhileTheProgramRuns);
    if (folder.isEmpty()) {
        reportNoHandOffFolder();
        return false;
    }
    progress.setValue(2);
    if (!WriteTempPicsDirectory(folder)) {
        QDir().rmdir(folder);
        tellUser(tr("The picture folder could not be recorded in %1.")
                     .arg(QString::fromStdString(Platform::photoshopPicturesRecord())));
        return false;
    }
    progress.setValue(3);
    QString failedPicture;
    const bool written = LayerPictures(*scene).write(folder, progress, failedPicture);
    if (!written) {
        tellUser(tr("The picture %1 could not be written.").arg(failedPicture));
        return false;
    }
    progress.setLabelText(tr("Launching Adobe Script..."));
    progress.advance();
    const QString script = photoshopLoaderScript();
    if (!ExecuteQtURL(script)) {
        tellUser(tr("The Photoshop script %1 could not be opened.").arg(script));
        return false;
    }
    progress.advance();
    return true;
}

bool ExportFormats::WriteTempPicsDirectory(QString folder)
{
    const std::string record = Platform::photoshopPicturesRecord();
    if (record.empty())
        return false;
    const QString path = QDir::toNativeSeparators(QString::fromStdString(record));
    return Platform::writeFileAtomically(path.toStdString(), (folder + "\n").toStdString());
}

bool ExecuteQtURL(const QString& path)
{
    const bool opened = QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened)
        qCritical() << "failed to launch JSX script";
    return opened;
}
