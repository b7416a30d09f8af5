#ifndef DRAVELLO_EXPORT_SKETCHMAIL_H
#define DRAVELLO_EXPORT_SKETCHMAIL_H

#include <QString>

class DocumentMetaData;
class IEMailClient;
class QWidget;

// Where a sketch's PDF attachment is written: the program's private folder
// for hand-off files in the temporary folder, the sketch's file name with its
// suffix, then ".pdf". Empty when that folder cannot be made.
QString mailAttachmentPath(const DocumentMetaData& sketch);

// Writes the sketch's paper as a PDF attachment, hands it to the mail
// program and removes it again: at once when the mail program has read it on
// return or failed, else with the private folder when the program ends. True
// once the mail program has the message. An unwritable PDF is reported by the
// exporter and nothing is mailed; a missing attachment folder, a mail
// program's failure (also one that comes after the return, from the event
// loop) and a PDF that cannot be removed are reported here, in boxes over
// `parent`, the last titled `leftoverTitle`. A record without a scene does
// nothing.
bool mailSketchAsPdf(const DocumentMetaData& sketch, IEMailClient& mailer, QWidget* parent,
                     const QString& leftoverTitle);

#endif
