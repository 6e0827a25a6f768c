#include "platform/lessonlink.h"

#include <QUrlQuery>

namespace {

QString queryValue(const QString &query, const QString &key)
{
    const QString plain = query.startsWith(QLatin1Char('?')) ? query.mid(1) : query;
    return QUrlQuery(plain).queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

QString sheetFromQuery(const QString &query)
{
    return queryValue(query, QStringLiteral("sheet"));
}

int levelFromQuery(const QString &query)
{
    const QString value = queryValue(query, QStringLiteral("level"));
    // Digits only: no sign, no spaces, no "8.0", and short enough not to overflow.
    if (value.isEmpty() || value.size() > 4)
        return 0;
    for (const QChar c : value)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    return value.toInt();
}
