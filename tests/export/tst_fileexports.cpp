// Pictures, PDF and SVG files of a sketch, and printing.

#include "ExportFormats.h"
#include "ExportTestSupport.h"
#include "FileSizeLimit.h"

#include <QDomDocument>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QtTest>

using namespace exporttest;

namespace {

// The page size of a one-page PDF in points, from its media box.
QSizeF pdfPageSize(const QString& path)
{
    const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])"));
    const QRegularExpressionMatch match = mediaBox.match(QString::fromLatin1(contentOf(path)));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

QSizeF millimetresToPoints(double width, double height)
{
    return QSizeF(width * 72 / 25.4, height * 72 / 25.4);
}

bool near(const QSizeF& a, const QSizeF& b)
{
    return std::abs(a.width() - b.width()) < 1 && std::abs(a.height() - b.height()) < 1; // whole points
}

QStringList titlesOf(const ScriptedPrompt& prompt)
{
    QStringList titles;
    for (const PromptRequest& request : prompt.requests)
        titles << request.title;
    return titles;
}

const QRectF kPaper(-kPaperWidth / 2, -kPaperHeight / 2, kPaperWidth, kPaperHeight);

} // namespace

class tst_FileExports : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveGenericAsksAndWritesByTheSuffix_data();
    void saveGenericAsksAndWritesByTheSuffix();
    void failedPictureKeepsTheOldFile();
    void pictureIsTransparentWhereNothingIsDrawn();
    void pdfPageIsThePaperInMillimetres_data();
    void pdfPageIsThePaperInMillimetres();
    void svgMeasuresThePaperInMillimetres();
    void unwritableTargetsAreReported_data();
    void unwritableTargetsAreReported();
    void fullDiskIsReportedAndKeepsTheOldFile_data();
    void fullDiskIsReportedAndKeepsTheOldFile();
    void printingFillsAnA4Page();
    void printingWithoutPrinterIsReported();

private:
    std::unique_ptr<ExportEnvironment> env;
    MetadataPtr sketch;
};

void tst_FileExports::init()
{
    env = std::make_unique<ExportEnvironment>();
    sketch = makeSketch(oneStroke(), env->path("drawing.wpi"));
}

void tst_FileExports::cleanup()
{
    sketch = MetadataPtr();
    env.reset();
}

void tst_FileExports::saveGenericAsksAndWritesByTheSuffix_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("magic"); // start of the file written; empty: none
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<bool>("result");

    const QStringList none;
    QTest::newRow("png") << "drawing.png" << QByteArray("\x89PNG") << none << true;
    QTest::newRow("jpg") << "drawing.jpg" << QByteArray("\xFF\xD8\xFF") << none << true;
    QTest::newRow("bmp") << "drawing.bmp" << QByteArray("BM") << none << true;
    QTest::newRow("tiff") << "drawing.tiff" << QByteArray("II*") << none << true;
    QTest::newRow("pdf") << "drawing.pdf" << QByteArray("%PDF") << none << true;
    QTest::newRow("PDF") << "drawing.PDF" << QByteArray("%PDF") << none << true;
    QTest::newRow("SVG") << "drawing.SVG" << QByteArray("<?xml") << none << true;
    QTest::newRow("Pdf is a picture format") << "drawing.Pdf" << QByteArray() << QStringList{"eror"}
                                             << false;
    QTest::newRow("no suffix") << "drawing" << QByteArray()
                               << QStringList{"Invlaid extension", "eror"} << false;
    QTest::newRow("cancelled") << "" << QByteArray() << none << false;
}

void tst_FileExports::saveGenericAsksAndWritesByTheSuffix()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, magic);
    QFETCH(QStringList, warnings);
    QFETCH(bool, result);

    const QString target = answer.isEmpty() ? QString() : env->path(answer.toStdString());
    env->saveAnswer = target;
    QCOMPARE(ExportFormats(env->services()).SaveGeneric(sketch), result);

    QCOMPARE(env->dialogs.size(), 1);
    QCOMPARE(env->dialogs.first(),
             (QStringList{"Save document as ", env->path("drawing"),
                          "PNG file (*.png);; JPEG file (*.jpg);; PDF file (*.pdf);; SVG file "
                          "(*.svg );; BMP file (*.bmp);; TIFF file (*.tiff)"}));
    QCOMPARE(titlesOf(env->prompt), warnings);
    if (answer == "drawing")
        QCOMPARE(env->prompt.requests.first().text, "Check ext , saving file " + target);
    if (magic.isEmpty())
        QVERIFY(target.isEmpty() || !QFile::exists(target));
    else
        QVERIFY2(contentOf(target).startsWith(magic), qPrintable(target));
    QCOMPARE(QDir(env->path("")).entryList({"drawing*"}, QDir::Files).size(), magic.isEmpty() ? 0 : 1);
}

void tst_FileExports::failedPictureKeepsTheOldFile()
{
    const QString target = env->path("drawing.Pdf");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    env->saveAnswer = target;

    QVERIFY(!ExportFormats(env->services()).SaveGeneric(sketch));
    QCOMPARE(env->prompt.texts(), QStringList{"failed saving pixmap" + target});
    QCOMPARE(contentOf(target), QByteArray("old"));
}

void tst_FileExports::pictureIsTransparentWhereNothingIsDrawn()
{
    DocumentGraphicModel* scene = sketch->m_graphicModel.GetData();
    scene->showBackground(false, false);
    const QString target = env->path("ink.png");
    QVERIFY(ExportFormats::SaveAsSuffix(scene, target, "png", kPaper));

    const QImage picture(target);
    QCOMPARE(picture.size(), QSize(2100, 2970));
    QCOMPARE(picture.pixelColor(100, 100).alpha(), 0);
    const QColor ink = picture.pixelColor(1050, 1485); // the middle of the stroke
    QVERIFY2(ink.red() > 200 && ink.green() < 60 && ink.alpha() > 200, qPrintable(ink.name()));

    scene->showBackground(true, true);
    QVERIFY(ExportFormats::SaveAsSuffix(scene, target, "PNG", kPaper));
    QCOMPARE(QImage(target).pixelColor(100, 100), QColor(Qt::white));
}

void tst_FileExports::pdfPageIsThePaperInMillimetres_data()
{
    QTest::addColumn<QRectF>("paper");
    QTest::addColumn<QSizeF>("millimetres");
    QTest::newRow("A4 portrait") << kPaper << QSizeF(210, 297);
    QTest::newRow("A4 landscape") << QRectF(-1485, -1050, 2970, 2100) << QSizeF(297, 210);
    QTest::newRow("A6") << QRectF(-525, -740, 1050, 1480) << QSizeF(105, 148);
}

void tst_FileExports::pdfPageIsThePaperInMillimetres()
{
    QFETCH(QRectF, paper);
    QFETCH(QSizeF, millimetres);
    QString target = env->path("drawing.pdf");
    QVERIFY(ExportFormats::SaveAsPDF(sketch->m_graphicModel.GetData(), target, paper));
    const QSizeF page = pdfPageSize(target);
    QVERIFY2(near(page, millimetresToPoints(millimetres.width(), millimetres.height())),
             qPrintable(QStringLiteral("%1 x %2 pt").arg(page.width()).arg(page.height())));
    QVERIFY(env->prompt.requests.isEmpty());
}

void tst_FileExports::svgMeasuresThePaperInMillimetres()
{
    QString target = env->path("drawing.svg");
    QVERIFY(ExportFormats::SaveAsSVG(sketch->m_graphicModel.GetData(), target, kPaper));

    QDomDocument svg;
    QVERIFY(svg.setContent(contentOf(target)));
    const QDomElement root = svg.documentElement();
    QCOMPARE(root.attribute("width"), "210mm");
    QCOMPARE(root.attribute("height"), "297mm");
    QCOMPARE(root.attribute("viewBox"), "0 0 2100 2970");
    QCOMPARE(root.firstChildElement("title").text(), target);
}

void tst_FileExports::unwritableTargetsAreReported_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("pdf") << "pdf";
    QTest::newRow("svg") << "svg";
    QTest::newRow("png") << "png";
}

void tst_FileExports::unwritableTargetsAreReported()
{
    QFETCH(QString, suffix);
    env->saveAnswer = env->path("missing/drawing." + suffix.toStdString());
    QVERIFY(!ExportFormats(env->services()).SaveGeneric(sketch));
    QCOMPARE(env->prompt.requests.size(), 1);
    QVERIFY2(env->prompt.requests.first().text.contains(env->saveAnswer),
             qPrintable(env->prompt.requests.first().text));
    QVERIFY(!QFileInfo::exists(env->path("missing")));
}

void tst_FileExports::fullDiskIsReportedAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("pdf") << "pdf";
    QTest::newRow("svg") << "svg";
    QTest::newRow("png") << "png";
}

// A full disk (a file size limit here) is a failure the user is told of,
// and the file there before keeps every byte; nothing is left beside it.
void tst_FileExports::fullDiskIsReportedAndKeepsTheOldFile()
{
    QFETCH(QString, suffix);
    const QString target = env->path("drawing." + suffix.toStdString());
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old drawing");
    old.close();
    env->saveAnswer = target;

    bool saved;
    {
        const testsupport::FileSizeLimit fullDisk(512);
        saved = ExportFormats(env->services()).SaveGeneric(sketch);
    }
    QVERIFY(!saved);
    QCOMPARE(env->prompt.requests.size(), 1);
    QCOMPARE(contentOf(target), QByteArray("old drawing"));
    QCOMPARE(QDir(env->path("")).entryList({"*drawing*"}, QDir::Files | QDir::Hidden),
             QStringList{"drawing." + suffix});
}

void tst_FileExports::printingFillsAnA4Page()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(env->path("printed.pdf"));
    QVERIFY(ExportFormats::PrintScene(sketch->m_graphicModel.GetData(), printer));
    QCOMPARE(printer.resolution(), 200);
    QVERIFY(near(pdfPageSize(env->path("printed.pdf")), millimetresToPoints(210, 297)));

    QPrinter broken(QPrinter::HighResolution);
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(env->path("missing/printed.pdf"));
    QVERIFY(!ExportFormats::PrintScene(sketch->m_graphicModel.GetData(), broken));
    QCOMPARE(env->prompt.texts(), QStringList{"The sketch could not be printed."});
}

void tst_FileExports::printingWithoutPrinterIsReported()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer");
    QVERIFY(!ExportFormats::PrintFile(sketch));
    QCOMPARE(env->prompt.texts(), QStringList{"No printer is available to print the sketch."});
}

QTEST_MAIN(tst_FileExports)
#include "tst_fileexports.moc"
