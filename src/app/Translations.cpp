#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations(const QLocale& locale) {
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        if (language == u"en" || language.startsWith(u"en_"))
            return;
        // "de_DE" falls back to "de" by itself.
        if (!m_own.load(QStringLiteral("retroglimmer_") + language, QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&m_own);
        // Qt's catalogues come in their own package; without it Qt's few texts stay English.
        if (m_qt.load(QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        return;
    }
}
