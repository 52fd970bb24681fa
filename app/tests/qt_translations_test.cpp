// Qt's own texts read in Russian whatever the desktop's language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <memory>

#include "app/qt_translations.h"
#include "screens/widgets/text_box.h"

namespace app {
namespace {

QStringList actionTexts(QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions()) {
        // "&Копировать\tCtrl+C": the words only.
        texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    }
    return texts;
}

TEST(QtTranslations, ContextMenuAndMessageBoxInRussianOnAnEnglishDesktop) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    installQtTranslations();

    QWidget window;
    screens::TextBox field(&window);
    field.setText(QStringLiteral("12"));
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    const QStringList texts = actionTexts(*menu);
    for (const char* expected : {"Отменить действие", "Копировать", "Вставить", "Выделить всё"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;

    QMessageBox box(QMessageBox::Critical, {}, {}, QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
              QStringLiteral("Отмена"));
}

}  // namespace
}  // namespace app
