#ifndef DRAVELLO_TESTS_SETTINGSFIXTURES_H
#define DRAVELLO_TESTS_SETTINGSFIXTURES_H

// What the settings tests share: fixtures from tests/data/settings, scratch
// files, and the surroundings every test runs in.

#include "EnvironmentOverride.h"
#include "ScratchDir.h"
#include "ScriptedPrompt.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>

// A temporary HOME and a scripted prompt in place of every message box.
struct SettingsTestEnvironment {
    testsupport::ScratchDir home;
    testsupport::EnvironmentOverride homeOverride{"HOME", home.path().c_str()};
    ScriptedPrompt prompt;

    // True while no modal window is open and nothing was asked off the GUI thread.
    bool nothingModal() const
    {
        return !QApplication::activeModalWidget() && !prompt.askedOffGuiThread;
    }
};

inline QString fixturePath(const QString& name)
{
    return QStringLiteral(DRAVELLO_TEST_DATA "/settings/") + name;
}

inline QString scratchPath(const testsupport::ScratchDir& dir, const char* name)
{
    return QString::fromStdString(dir.file(name));
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Copies a fixture into the scratch folder (readers may replace the copy).
inline QString copyFixture(const testsupport::ScratchDir& dir, const char* name)
{
    const QString target = scratchPath(dir, name);
    writeBytes(target, readBytes(fixturePath(QString::fromLatin1(name))));
    return target;
}

#endif
