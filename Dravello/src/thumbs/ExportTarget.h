#ifndef DRAVELLO_THUMBS_EXPORTTARGET_H
#define DRAVELLO_THUMBS_EXPORTTARGET_H

#include <QString>

// Which hand-off an installed application gets in the "&Export to" menu.
enum class ExportTarget { None, Photoshop, Illustrator, SketchBookPro, SketchBookDesigner };

// By the first of "photoshop", "illustrator", "pro", "designer" that the
// application's name contains, ignoring case.
ExportTarget exportTargetOf(const QString& applicationName);

#endif
