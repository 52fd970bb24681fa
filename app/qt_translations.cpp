#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

void installQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString file = QStringLiteral("qtbase_ru");
    if (translator->load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        translator->load(file, QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;  // English it is: nothing lost but the words
    }
}

}  // namespace app
