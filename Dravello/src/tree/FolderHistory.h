#ifndef DRAVELLO_TREE_FOLDERHISTORY_H
#define DRAVELLO_TREE_FOLDERHISTORY_H

// The folders the user reached in the folder tree, with the stacks behind
// Back and Forward. Paths are compared as exact, case-sensitive strings.

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class FolderHistory {
public:
    // Records a folder the tree navigated to. A known folder empties the
    // forward stack; an unknown one reached after going back collapses the
    // history to its first folder.
    void record(const QString& path);

    // Steps back (forward) from the folder shown now, which goes onto the
    // other stack; the folder to show, or nothing when the stack is empty.
    // The visited folders are not changed.
    std::optional<QString> back(const QString& current);
    std::optional<QString> forward(const QString& current);

    // Empties both stacks; the visited folders stay.
    void clearBackAndForward();

    bool canGoBack() const { return !m_backDirs.isEmpty(); }
    bool canGoForward() const { return !m_forwardDirs.isEmpty(); }

    const QStringList& visitedDirs() const { return m_visitedDirs; }
    // The last element is the top of a stack.
    const QVector<QString>& backDirs() const { return m_backDirs; }
    const QVector<QString>& forwardDirs() const { return m_forwardDirs; }

private:
    QStringList m_visitedDirs;
    QVector<QString> m_backDirs;
    QVector<QString> m_forwardDirs;
};

#endif
