#include "MenuAccelerators.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QSet>

#include <vector>

QString withFreeAccelerator(const QString& text, const QMenu& menu)
{
    QSet<QString> used;
    for (const QAction* action : menu.actions())
        used << QKeySequence::mnemonic(action->text()).toString();
    std::vector<qsizetype> initials;
    std::vector<qsizetype> others;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isLetterOrNumber())
            continue;
        const bool initial = i == 0 || !text[i - 1].isLetterOrNumber();
        (initial ? initials : others).push_back(i);
    }
    initials.insert(initials.end(), others.begin(), others.end());
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    for (const qsizetype i : initials) {
        const QString candidate = QLatin1Char('&') + text[i];
        if (used.contains(QKeySequence::mnemonic(candidate).toString()))
            continue;
        // The position in the escaped text: each '&' before it was doubled.
        const qsizetype at = i + text.left(i).count(QLatin1Char('&'));
        return escaped.insert(at, QLatin1Char('&'));
    }
    return escaped;
}
