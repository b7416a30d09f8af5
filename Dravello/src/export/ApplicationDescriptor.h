#ifndef DRAVELLO_APPLICATIONDESCRIPTOR_H
#define DRAVELLO_APPLICATIONDESCRIPTOR_H

#include <QString>

// One installed application that can take a sketch.
struct ApplicationDescriptor {
    QString bundleName;    // shown in the "&Export to" menu; the hand-offs search it
    QString version;       // the bundle version text, shown after the name
    QString bundlePath;    // the application bundle, as "open -a" takes it
    QString pluginsFolder; // Illustrator's plug-ins folder; empty for the others
};

#endif
