#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtJapanese()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    // One translator for the life of the application, however often the
    // application is prepared.
    if (app->findChild<QTranslator *>(QStringLiteral("qtbase_ja"), Qt::FindDirectChildrenOnly))
        return;
    auto *translator = new QTranslator(app);
    translator->setObjectName(QStringLiteral("qtbase_ja"));
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
