#ifndef DRAVELLO_SETTINGS_APPLSETTINGS_H
#define DRAVELLO_SETTINGS_APPLSETTINGS_H

// The program's settings: the user settings file held as an XML document,
// read and changed by group/entry key and attribute name. Groups are the
// children of the document element, entries the children of a group; values
// live in the entries' attributes. The store creates nothing: every key comes
// from the shipped settings files. Changes stay in memory until
// writeApplSettings().
//
// All operations are safe to call from any thread; message boxes about
// missing entries appear on the GUI thread only, and other threads log the
// message instead (see askUser()). A failed lookup is told once per message
// (the same lookups run for every sketch drawn); a failed change, which
// only a user's save makes, every time.

#include "InstalledAppsProbe.h"
#include "Singleton.h"

#include <QColor>
#include <QDomDocument>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QSizeF>
#include <QString>
#include <QStringList>

class ApplSettings : public Singleton<ApplSettings> {
public:
    enum Orientation : qint32 { Portrait = 0, Landscape = 1 };

    enum PaperSize : qint32 { A4 = 0, A5 = 1, A6 = 2, A7 = 3, Legal = 4, JuniorLegal = 5, Letter = 6 };

    // Where the receiver is clipped on the page: the cells of a 3 x 3 grid
    // without the centre.
    enum RECEIVER_POSITION : int {
        UpperLeft = 0,
        UpperMiddle = 1,
        UpperRight = 2,
        MiddleLeft = 3,
        MiddleRight = 4,
        LowerLeft = 5,
        LowerMiddle = 6,
        LowerRight = 7
    };

    // A paper and its size in tenths of a millimetre, both ways round.
    class PaperSizeData {
    public:
        PaperSizeData() = default;
        PaperSizeData(PaperSize paper, float width, float height);

        PaperSize paper() const { return m_paper; }
        // The portrait size for Portrait, the landscape size for any other value.
        QSizeF getPaperSize(Orientation orientation) const;

    private:
        PaperSize m_paper = A4;
        QSizeF m_portrait;
        QSizeF m_landscape;
    };

    ApplSettings();

    // Loads the user file. An unparsable user file is kept aside as
    // userPath + ".bad" and replaced by a copy of the factory file; the
    // factory file read as the user's is never touched.
    bool readApplSettings(const QString& userPath, const QString& factoryPath);
    // Saves the whole document atomically; false (no message) when the file
    // cannot be written or nothing has been read.
    bool writeApplSettings(const QString& path);

    // The first group matching `key` (group case-insensitive, entry exact)
    // whose entry has attributes gives `attribute` (exact; empty when absent).
    bool getAttrValueStr(const QString& key, const QString& attribute, QString& value);
    // Attribute name case-insensitive; the last matching group gives the value.
    bool getAttrValueStrPreloaded(const QString& key, const QString& attribute, QString& value);
    // Changes the first existing attribute matching case-insensitively.
    bool setAttrValueStr(const QString& key, const QString& attribute, const QString& value);

    // "R G B A": four decimal integers 0..255 separated by single spaces.
    // On failure `color` is unchanged.
    bool str2Color(const QString& text, QColor& color) const;

    // Current paper size in tenths of a millimetre; (-1, -1) before the first read.
    QSizeF getPaperSize() const;
    Orientation getOrientation();
    PaperSize getPaperSizeEnum();
    void setOrientation(Orientation orientation);
    void setPaperSizeEnum(PaperSize paper);

    // The applications that can take a sketch, found once at construction.
    QList<ApplicationDescriptor> getExportingAppsList() const;

private:
    // Failure messages collected while the lock is held, reported after:
    // those of lookups once per message, those of changes every time.
    struct Failures {
        QStringList lookups;
        QStringList changes;
    };

    // The attribute operations for callers that hold the lock: they collect
    // their failures instead of reporting them.
    bool getAttrValueStr(const QString& key, const QString& attribute, QString& value,
                         Failures& failures) const;
    bool getAttrValueStrPreloaded(const QString& key, const QString& attribute, QString& value,
                                  Failures& failures) const;
    bool setAttrValueStr(const QString& key, const QString& attribute, const QString& value,
                         Failures& failures);

    void fillPaperSizes();
    void initPaperSize(Failures& failures);
    void initAttributes(Failures& failures) const;
    QString missingAttributeText(const QString& key, const QString& attribute,
                                 bool translated) const;
    // Runs operation(failures) -> bool under the lock, then reports the failures.
    template <typename Operation>
    bool underLock(Operation operation);
    void report(const Failures& failures);

    // Built first: scans the installed applications (and installs the plug-in).
    InstalledAppsProbe m_appsProbe;
    // Fixed after construction, so read without the lock.
    const QList<ApplicationDescriptor> m_exportingApps;

    Orientation m_orientation = Portrait;
    QHash<QString, PaperSizeData> m_paperSizes;
    QSizeF m_paperSize{-1, -1};
    QString m_settingsPath;
    QDomDocument m_document;

    // Messages already shown (GUI thread) or logged (other threads).
    QSet<QString> m_shownMessages;
    QSet<QString> m_loggedMessages;

    // Guards every member but the paper table, which is fixed at construction.
    mutable QMutex m_lock;
};

#endif
