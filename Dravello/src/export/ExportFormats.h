#ifndef DRAVELLO_EXPORT_EXPORTFORMATS_H
#define DRAVELLO_EXPORT_EXPORTFORMATS_H

#include "ExportServices.h"
#include "MetadataPtr.h"

#include <QCoreApplication>
#include <QRectF>
#include <QString>

class QGraphicsScene;
class QPrinter;

// Writes one sketch as a picture, PDF, SVG or ink file, prints it, and hands
// it to Photoshop, Illustrator and SketchBook. Made on the stack for one
// command; GUI thread only. Every entry point tells the user itself why it
// failed and then returns false.
class ExportFormats {
    Q_DECLARE_TR_FUNCTIONS(ExportFormats)

public:
    ExportFormats();
    explicit ExportFormats(const ExportServices& services);
    ~ExportFormats();

    // Asks for a file name and writes the sketch's paper by the name's
    // suffix: PDF, SVG or a picture (PNG, JPG, BMP, TIFF).
    bool SaveGeneric(MetadataPtr sketch);

    // `rect` of the scene, in tenths of a millimetre, as a one-page PDF of
    // that size.
    static bool SaveAsPDF(QGraphicsScene* scene, QString& path, QRectF rect);
    // `rect` of the scene, in tenths of a millimetre, as an SVG of that size.
    static bool SaveAsSVG(QGraphicsScene* scene, QString& path, QRectF rect);
    // `rect` of the scene as a picture of that many pixels, in the format
    // named (case-insensitively) by `format`, on a transparent ground.
    static bool SaveAsSuffix(QGraphicsScene* scene, QString path, QString format, QRectF rect);

    // Prints the sketch's whole scene on A4 on the default printer, without
    // a print dialog.
    static bool PrintFile(MetadataPtr sketch);
    // Prints the scene on A4 on the given printer.
    static bool PrintScene(QGraphicsScene* scene, QPrinter& printer);

    // Writes the sketch as an InkML file, turned by the scene's rotation and
    // moved back by the centring shift; appends ".hlv" to `path` unless it
    // ends with ".hlv" or ".HLV".
    bool SaveMetaDataToFile(MetadataPtr sketch, QString& path);

    // Hand the sketch as an ink file to Illustrator, SketchBook Designer or
    // SketchBook Pro: the program of the application's bundle is started
    // with the file.
    bool AdobeIllustartorExport(MetadataPtr sketch);
    bool AliasSketchExport(MetadataPtr sketch);
    bool SBPExport(MetadataPtr sketch);

    // Hands the paper and every layer as PNG pictures to the Photoshop
    // loader script.
    bool AdobePhotoshopExport(MetadataPtr sketch);
    // Records the picture folder for the loader script in ~/temppics.adob.
    bool WriteTempPicsDirectory(QString folder);

private:
    // The hand-off to the last installed application whose bundle name
    // contains `keyword`; `application` names it to the user.
    bool handOffInkFile(MetadataPtr sketch, const QString& keyword, const QString& application);

    ExportServices m_services;
};

// Opens a local file with its default application through the desktop
// services; false (and a critical diagnostic) when the file is missing or
// cannot be opened.
bool ExecuteQtURL(const QString& path);

#endif
