#include "ApplSettings.h"

#include "FileCopy.h"
#include "RegularFile.h"
#include "UserPrompt.h"

#include <QCoreApplication>
#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

namespace {

const char* const kBadKeyText = "Entry string \"%1\" does not exist in the settings file.";
const char* const kMissingAttributeText =
    QT_TRANSLATE_NOOP("QObject", "Entry %1 does not have attribute name %2 in \n%3 settings file.");
const char* const kCannotOpenText = QT_TRANSLATE_NOOP("QObject", "Cannot open settings file \n%1");
const char* const kParsingErrorText =
    QT_TRANSLATE_NOOP("QObject", "Parsing error for settings file \n%1");

// A settings file is a few kilobytes; anything much larger is not one.
constexpr std::uint64_t kMaxSettingsFileSize = 4 * 1024 * 1024;

const QSizeF kDefaultPaperSize(2100, 2970);

QString translated(const char* text) { return QCoreApplication::translate("QObject", text); }

void showCritical(const QString& text)
{
    askUser(PromptRequest::message(QMessageBox::Critical, text));
}

// "group/entry" split in two; any other number of parts is a failure.
bool splitKey(const QString& key, QString& group, QString& entry, QStringList& failures)
{
    const QStringList parts = key.split(QLatin1Char('/'));
    if (parts.size() != 2) {
        failures << QString::fromLatin1(kBadKeyText).arg(key);
        return false;
    }
    group = parts[0];
    entry = parts[1];
    return true;
}

QDomElement firstChildNamed(const QDomElement& parent, const QString& name)
{
    for (QDomElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == name)
            return child;
    }
    return QDomElement();
}

// Calls visit(entry) with the entry of each group named like `group` (without
// regard to case), in document order, until visit returns true.
template <typename Visit>
void visitEntries(const QDomDocument& document, const QString& group, const QString& entry,
                  Visit visit)
{
    const QString groupName = group.toLower();
    for (QDomElement candidate = document.documentElement().firstChildElement();
         !candidate.isNull(); candidate = candidate.nextSiblingElement()) {
        if (candidate.tagName().toLower() != groupName)
            continue;
        const QDomElement found = firstChildNamed(candidate, entry);
        if (!found.isNull() && visit(found))
            return;
    }
}

// The element's attribute named `name` without regard to case, or a null one.
QDomAttr attributeWithoutCase(const QDomElement& element, const QString& name)
{
    const QString lowerName = name.toLower();
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.length(); ++i) {
        const QDomAttr candidate = attributes.item(i).toAttr();
        if (candidate.name().toLower() == lowerName)
            return candidate;
    }
    return QDomAttr();
}

// The settings file opened for reading only when it is a regular file: a
// FIFO or a device (or a link to one) is refused without waiting for it.
Pelm::RegularFile openSettingsFile(const QString& path)
{
    return Pelm::RegularFile(QFile::encodeName(path).constData());
}

bool parseSettings(const Pelm::RegularFile& file, QDomDocument& document)
{
    std::string bytes;
    return file.readAll(bytes, kMaxSettingsFileSize) && document.setContent(QByteArray::fromStdString(bytes));
}

bool parseSettingsFile(const QString& path, QDomDocument& document)
{
    return parseSettings(openSettingsFile(path), document);
}

// True when both paths name one file: the factory file read as the user's
// when there is no user folder.
bool sameFile(const QString& first, const QString& second)
{
    const QFileInfo one(first);
    const QFileInfo other(second);
    return one.absoluteFilePath() == other.absoluteFilePath()
        || (!one.canonicalFilePath().isEmpty() && one.canonicalFilePath() == other.canonicalFilePath());
}

// Keeps the unparsable user file as path + ".bad" (replacing an older one)
// and puts a writable copy of the factory file in its place.
bool replaceWithFactoryCopy(const QString& userPath, const QString& factoryPath)
{
    const QString aside = userPath + QStringLiteral(".bad");
    QFile::remove(aside);
    if (!QFile::rename(userPath, aside) || !copyFileChecked(factoryPath, userPath))
        return false;
    QFile::setPermissions(userPath, QFile::permissions(userPath) | QFileDevice::ReadOwner
                                        | QFileDevice::WriteOwner);
    return true;
}

} // namespace

ApplSettings::PaperSizeData::PaperSizeData(PaperSize paper, float width, float height)
    : m_paper(paper), m_portrait(width, height), m_landscape(height, width)
{
}

QSizeF ApplSettings::PaperSizeData::getPaperSize(Orientation orientation) const
{
    return orientation == Portrait ? m_portrait : m_landscape;
}

template <typename Operation>
bool ApplSettings::underLock(Operation operation)
{
    Failures failures;
    bool result;
    {
        QMutexLocker lock(&m_lock);
        result = operation(failures);
    }
    report(failures);
    return result;
}

ApplSettings::ApplSettings() : m_exportingApps(m_appsProbe.getExportingAppsList())
{
    fillPaperSizes();
}

QList<ApplicationDescriptor> ApplSettings::getExportingAppsList() const { return m_exportingApps; }

void ApplSettings::fillPaperSizes()
{
    m_paperSizes.insert(QStringLiteral("A4"), PaperSizeData(A4, 2100, 2970));
    m_paperSizes.insert(QStringLiteral("A5"), PaperSizeData(A5, 1480, 2100));
    m_paperSizes.insert(QStringLiteral("A6"), PaperSizeData(A6, 1050, 1480));
    m_paperSizes.insert(QStringLiteral("A7"), PaperSizeData(A7, 740, 1050));
    m_paperSizes.insert(QStringLiteral("Legal"), PaperSizeData(Legal, 2160, 3560));
    m_paperSizes.insert(QStringLiteral("Junior Legal"), PaperSizeData(JuniorLegal, 1270, 2030));
    m_paperSizes.insert(QStringLiteral("Letter"), PaperSizeData(Letter, 2160, 2790));
}

bool ApplSettings::readApplSettings(const QString& userPath, const QString& factoryPath)
{
    const Pelm::RegularFile file = openSettingsFile(userPath);
    if (!file.isOpen()) {
        showCritical(translated(kCannotOpenText).arg(userPath));
        return false;
    }
    QDomDocument document;
    if (!parseSettings(file, document)) {
        document = QDomDocument();
        // The factory file itself is never put aside or replaced.
        if (sameFile(userPath, factoryPath) || !replaceWithFactoryCopy(userPath, factoryPath)
            || !parseSettingsFile(userPath, document)) {
            showCritical(translated(kParsingErrorText).arg(userPath));
            return false;
        }
    }

    return underLock([&](Failures& failures) {
        m_document = document;
        m_settingsPath = userPath;
        initPaperSize(failures);
        initAttributes(failures);
        return true;
    });
}

bool ApplSettings::writeApplSettings(const QString& path)
{
    QByteArray bytes;
    {
        QMutexLocker lock(&m_lock);
        if (m_document.documentElement().isNull())
            return false;
        bytes = m_document.toByteArray(1);
    }
    return replaceFileWith(path, bytes);
}

bool ApplSettings::getAttrValueStr(const QString& key, const QString& attribute, QString& value)
{
    return underLock([&](Failures& failures) {
        return getAttrValueStr(key, attribute, value, failures);
    });
}

bool ApplSettings::getAttrValueStrPreloaded(const QString& key, const QString& attribute,
                                            QString& value)
{
    return underLock([&](Failures& failures) {
        return getAttrValueStrPreloaded(key, attribute, value, failures);
    });
}

bool ApplSettings::setAttrValueStr(const QString& key, const QString& attribute,
                                   const QString& value)
{
    return underLock([&](Failures& failures) {
        return setAttrValueStr(key, attribute, value, failures);
    });
}

bool ApplSettings::getAttrValueStr(const QString& key, const QString& attribute, QString& value,
                                   Failures& failures) const
{
    QString group, entry;
    if (!splitKey(key, group, entry, failures.lookups))
        return false;
    bool found = false;
    visitEntries(m_document, group, entry, [&](const QDomElement& element) {
        if (element.attributes().isEmpty())
            return false;
        value = element.attribute(attribute);
        found = true;
        return true;
    });
    if (!found)
        failures.lookups << missingAttributeText(key, attribute, true);
    return found;
}

bool ApplSettings::getAttrValueStrPreloaded(const QString& key, const QString& attribute,
                                            QString& value, Failures& failures) const
{
    QString group, entry;
    if (!splitKey(key, group, entry, failures.lookups))
        return false;
    QDomAttr last;
    visitEntries(m_document, group, entry, [&](const QDomElement& element) {
        const QDomAttr found = attributeWithoutCase(element, attribute);
        if (!found.isNull())
            last = found;
        return false;
    });
    if (last.isNull()) {
        failures.lookups << missingAttributeText(key, attribute, true);
        return false;
    }
    value = last.value();
    return true;
}

bool ApplSettings::setAttrValueStr(const QString& key, const QString& attribute,
                                   const QString& value, Failures& failures)
{
    QString group, entry;
    if (!splitKey(key, group, entry, failures.changes))
        return false;
    QDomAttr first;
    visitEntries(m_document, group, entry, [&](const QDomElement& element) {
        first = attributeWithoutCase(element, attribute);
        return !first.isNull();
    });
    if (first.isNull()) {
        failures.changes << missingAttributeText(key, attribute, false);
        return false;
    }
    first.setValue(value);
    return true;
}

QString ApplSettings::missingAttributeText(const QString& key, const QString& attribute,
                                           bool translate) const
{
    const QString text = translate ? translated(kMissingAttributeText)
                                   : QString::fromLatin1(kMissingAttributeText);
    return text.arg(key, attribute, m_settingsPath);
}

bool ApplSettings::str2Color(const QString& text, QColor& color) const
{
    int channels[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        channels[i] = text.section(QLatin1Char(' '), i, i).toInt(&ok, 10);
        if (!ok || channels[i] < 0 || channels[i] > 255)
            return false;
    }
    color = QColor(channels[0], channels[1], channels[2], channels[3]);
    return true;
}

QSizeF ApplSettings::getPaperSize() const
{
    QMutexLocker lock(&m_lock);
    return m_paperSize;
}

ApplSettings::Orientation ApplSettings::getOrientation()
{
    QString orientation;
    getAttrValueStr("page_properties/page", "orientation", orientation);
    return orientation == QLatin1String("Landscape") ? Landscape : Portrait;
}

ApplSettings::PaperSize ApplSettings::getPaperSizeEnum()
{
    QString name;
    if (!getAttrValueStr("page_properties/page", "size", name))
        return A4;
    const auto paper = m_paperSizes.constFind(name);
    return paper == m_paperSizes.constEnd() ? A4 : paper->paper();
}

void ApplSettings::setOrientation(Orientation orientation)
{
    const QString text = orientation == Portrait ? QStringLiteral("Portrait")
                                                 : QStringLiteral("Landscape");
    underLock([&](Failures& failures) {
        setAttrValueStr("page_properties/page", "Orientation", text, failures);
        initPaperSize(failures);
        return true;
    });
}

void ApplSettings::setPaperSizeEnum(PaperSize paper)
{
    underLock([&](Failures& failures) {
        for (auto it = m_paperSizes.constBegin(); it != m_paperSizes.constEnd(); ++it) {
            if (it->paper() == paper)
                setAttrValueStr("page_properties/page", "size", it.key(), failures);
        }
        initPaperSize(failures);
        return true;
    });
}

void ApplSettings::initPaperSize(Failures& failures)
{
    QString name, orientation;
    const bool haveName = getAttrValueStr("page_properties/page", "size", name, failures);
    const bool haveOrientation =
        getAttrValueStr("page_properties/page", "orientation", orientation, failures);
    const auto paper = m_paperSizes.constFind(name);
    const bool portrait = orientation == QLatin1String("Portrait");
    const bool landscape = orientation == QLatin1String("Landscape");
    if (!haveName || !haveOrientation || paper == m_paperSizes.constEnd()
        || !(portrait || landscape)) {
        m_paperSize = kDefaultPaperSize;
        return;
    }
    m_orientation = landscape ? Landscape : Portrait;
    m_paperSize = paper->getPaperSize(m_orientation);
}

void ApplSettings::initAttributes(Failures& failures) const
{
    // Only to tell the user at load time when the default pen is missing.
    QString ignored;
    getAttrValueStr("visuality_properties/default_pen", "rgba_color", ignored, failures);
    getAttrValueStr("visuality_properties/default_pen", "width", ignored, failures);
    getAttrValueStr("visuality_properties/default_pen", "ball_point_size", ignored, failures);
}

void ApplSettings::report(const Failures& failures)
{
    for (const QString& text : failures.changes)
        showCritical(text);
    for (const QString& text : failures.lookups) {
        const bool gui = onGuiThread();
        {
            QMutexLocker lock(&m_lock);
            QSet<QString>& reported = gui ? m_shownMessages : m_loggedMessages;
            if (reported.contains(text))
                continue;
            reported.insert(text);
        }
        showCritical(text);
    }
}
