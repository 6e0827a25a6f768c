#include "platform/lessonlink.h"

#include <QUrlQuery>

int levelFromQuery(const QString &query)
{
    const QString plain = query.startsWith(QLatin1Char('?')) ? query.mid(1) : query;
    const QString value = QUrlQuery(plain).queryItemValue(QStringLiteral("level"), QUrl::FullyDecoded);
    // Digits only: no sign, no spaces, no "8.0", and short enough not to overflow.
    if (value.isEmpty() || value.size() > 4)
        return 0;
    for (const QChar c : value)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    return value.toInt();
}
