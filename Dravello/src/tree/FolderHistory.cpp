#include "FolderHistory.h"

namespace {

std::optional<QString> step(QVector<QString>& from, QVector<QString>& to, const QString& current)
{
    if (from.isEmpty())
        return std::nullopt;
    to.push_back(current);
    return from.takeLast();
}

} // namespace

void FolderHistory::record(const QString& path)
{
    if (m_visitedDirs.contains(path)) {
        m_forwardDirs.clear();
    } else if (!m_forwardDirs.isEmpty() && !m_visitedDirs.isEmpty()) {
        m_forwardDirs.clear();
        m_visitedDirs = QStringList{m_visitedDirs.first()};
        m_backDirs.clear();
    }
    m_visitedDirs.append(path);
    if (m_visitedDirs.size() >= 2)
        m_backDirs.push_back(m_visitedDirs.at(m_visitedDirs.size() - 2));
}

std::optional<QString> FolderHistory::back(const QString& current)
{
    return step(m_backDirs, m_forwardDirs, current);
}

std::optional<QString> FolderHistory::forward(const QString& current)
{
    return step(m_forwardDirs, m_backDirs, current);
}

void FolderHistory::clearBackAndForward()
{
    m_backDirs.clear();
    m_forwardDirs.clear();
}
