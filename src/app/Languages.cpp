#include "Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Languages {

namespace {

struct Spoken {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    // AnyLanguage until install() has chosen.
    QLocale::Language language = QLocale::AnyLanguage;
};

Spoken& spoken()
{
    static Spoken state;
    return state;
}

} // namespace

QLocale::Language install(const QStringList& preferred)
{
    Spoken& state = spoken();
    // A translator takes itself out of the application when it goes.
    state.own.reset();
    state.qt.reset();
    state.language = QLocale::English;
    for (const QString& name : preferred) {
        const QLocale::Language language = QLocale(name).language();
        // A user who puts English before another language gets English, not the next one.
        if (language == QLocale::English)
            break;
        auto own = std::make_unique<QTranslator>();
        if (language == QLocale::C ||
            !own->load(QStringLiteral(":/i18n/tockwell_") + QLocale::languageToCode(language)))
            continue;
        QCoreApplication::installTranslator(own.get());
        state.own = std::move(own);
        // Qt's own texts (Yes, No, the file dialog) from the catalogue the desktop's Qt installed; without
        // it they stay in English and nothing else is lost.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            state.qt = std::move(qt);
        }
        state.language = language;
        break;
    }
    return state.language;
}

QLocale dateLocale()
{
    const QLocale::Language language = spoken().language;
    if (language == QLocale::AnyLanguage)
        return QLocale();
    // Made afresh even for the default locale's language: the default takes its month names from the
    // region's settings (LC_TIME), which need not be in that language. The region's separator stays
    // where language and region go together.
    return QLocale(language, QLocale().territory());
}

} // namespace Languages
