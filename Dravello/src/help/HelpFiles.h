#ifndef DRAVELLO_HELP_HELPFILES_H
#define DRAVELLO_HELP_HELPFILES_H

// The user guide and the licence text installed with the program, one per
// language: in "userguides" and "eula" below the program's data folder.

#include <QLocale>
#include <QString>

struct HelpFileNames {
    QString licence;   // in "eula", e.g. "lic_german.htm"
    QString userGuide; // in "userguides", e.g. "Scrivet_Manual_DE.pdf"
};

// The files of a system language; Chinese is Traditional for preference 1 and
// Simplified otherwise. Languages without their own files get the English ones.
HelpFileNames helpFileNames(QLocale::Language language, int chinesePreference);
HelpFileNames englishHelpFileNames();

// dataFolder/folder/name when that file exists, else the English file of
// the same folder when it exists, else empty. In native separators.
QString helpFilePath(const QString& dataFolder, const QString& folder, const QString& name,
                     const QString& englishName);

#endif
