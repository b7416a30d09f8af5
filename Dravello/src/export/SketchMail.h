#ifndef DRAVELLO_EXPORT_SKETCHMAIL_H
#define DRAVELLO_EXPORT_SKETCHMAIL_H

#include <QString>

class DocumentMetaData;
class IEMailClient;
class QWidget;

// Where a sketch's PDF attachment is written: the temporary folder, the
// sketch's file name with its suffix, then ".pdf".
QString mailAttachmentPath(const DocumentMetaData& sketch);

// Writes the sketch's paper as a PDF in the temporary folder, hands it to
// the mail program and removes it again. True once the mail program has the
// message. An unwritable PDF is reported by the exporter and nothing is
// mailed; a mail program's failure and a PDF that cannot be removed are
// reported here, in boxes over `parent`, the latter titled `leftoverTitle`.
// A record without a scene does nothing.
bool mailSketchAsPdf(const DocumentMetaData& sketch, IEMailClient& mailer, QWidget* parent,
                     const QString& leftoverTitle);

#endif
