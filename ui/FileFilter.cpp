#include "FileFilter.h"

#include <QStringList>

#include "QtText.h"

QString ToQtFileFilter(std::u16string_view filter) {
    const QStringList fields = ToQString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        const QString name = fields[i].trimmed();
        if (name.isEmpty()) break;
        QStringList patterns;
        for (const QString& pattern : fields[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            // "*.*" is every file here, also those without an extension.
            const QString trimmed = pattern.trimmed();
            patterns << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
        }
        // The name may carry its own "(...)"; Qt reads the patterns from the
        // last parentheses, so the name's are replaced.
        QString shown = name;
        if (const qsizetype open = shown.lastIndexOf(QLatin1Char('('));
            open > 0 && shown.endsWith(QLatin1Char(')'))) {
            shown = shown.left(open).trimmed();
        }
        entries << shown + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}
