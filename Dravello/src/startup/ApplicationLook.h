#ifndef DRAVELLO_STARTUP_APPLICATIONLOOK_H
#define DRAVELLO_STARTUP_APPLICATIONLOOK_H

// The compiled-in resources and the application's style sheets.

#include <QString>

// Makes every compiled-in resource file of the program available.
void registerCompiledResources();

// The style sheet of the browser while it starts or loads (a list with the
// logo); the window switches to the alternative one once the thumbnails are in.
extern const char* const kStartStyleSheet;
extern const char* const kAlternativeStyleSheet;

// The common style sheet followed by `sheet` (a resource path), decoded as
// Latin-1; empty when either cannot be read.
QString applicationStyleSheet(const QString& sheet = QLatin1String(kStartStyleSheet));

// Gives the application the look of `sheet`: its style sheet, and link
// colours that read on the sheets' dark grounds. False, and the current look
// kept, when the sheet cannot be read.
bool applyApplicationLook(const QString& sheet = QLatin1String(kStartStyleSheet));

#endif
