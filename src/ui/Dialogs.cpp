#include "ui/Dialogs.h"

#include <QStringList>
#include <algorithm>

namespace norva {

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The description often repeats its patterns in brackets; Qt takes the patterns from
        // the brackets, so those must be the real ones.
        if (description.endsWith(QLatin1Char(')'))) {
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            if (open >= 0) description = description.left(open).trimmed();
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        out << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    if (parts.size() == 1 && !filter.isEmpty()) out << filter;  // already one plain filter
    return out.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString& path, const QString& extension) {
    QString ext = extension;
    if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    if (path.isEmpty() || ext.isEmpty()) return path;
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString name = path.mid(slash + 1);
    if (name.isEmpty() || name.contains(QLatin1Char('.'))) return path;
    return path + QLatin1Char('.') + ext;
}

Task<Dialogs::Choice> Dialogs::askWithOption(QString question, QString details, QString) {
    co_return Choice{co_await ask(question, details), false};
}

}  // namespace norva
