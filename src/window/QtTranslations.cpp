#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pluvane {

QTranslator* installQtTranslations(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    // "qt" is the catalogue that gathers the Qt modules' own files.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    if (!translator->load(
            japanese, QStringLiteral("qt"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace pluvane
