// Large pastes and edits over large selections: the text ends as the edit says, whatever its
// size; small edits can still be undone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "screens/text_box.h"

namespace screens {
namespace {

constexpr int kMillion = 1'000'000;
constexpr int kLarge = 10'000;

struct Edit {
    const char* what;
    QString before;
    bool selectAll;
    QString clipboard;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString after;
    QString clipboardAfter;
};

const Edit kEdits[] = {
    {"a million-letter paste lands whole", "1", false, QString(kMillion, u'7'), Qt::Key_V,
     Qt::ControlModifier, "1" + QString(kMillion, u'7'), QString(kMillion, u'7')},
    {"a paste over a large selection replaces it", QString(kLarge, u'3'), true, "42", Qt::Key_V,
     Qt::ControlModifier, "42", "42"},
    {"typing over a large selection replaces it", QString(kLarge, u'3'), true, "", Qt::Key_5,
     Qt::NoModifier, "5", ""},
    {"Backspace over a large selection empties", QString(kLarge, u'3'), true, "", Qt::Key_Backspace,
     Qt::NoModifier, "", ""},
    {"Delete over a large selection empties", QString(kLarge, u'3'), true, "", Qt::Key_Delete,
     Qt::NoModifier, "", ""},
    {"Cut of a large selection keeps it on the clipboard", QString(kLarge, u'3'), true, "",
     Qt::Key_X, Qt::ControlModifier, "", QString(kLarge, u'3')},
};

TEST(TextBox, LargeEditsEndWithTheTextTheyMake) {
    for (const Edit& e : kEdits) {
        TextBox box(nullptr);
        box.setText(e.before);
        if (e.selectAll) box.selectAll();
        QGuiApplication::clipboard()->setText(e.clipboard);
        QTest::keyClick(&box, e.key, e.modifiers);
        EXPECT_EQ(box.text().size(), e.after.size()) << e.what;
        EXPECT_TRUE(box.text() == e.after) << e.what;
        EXPECT_TRUE(QGuiApplication::clipboard()->text() == e.clipboardAfter) << e.what;
        EXPECT_EQ(box.cursorPosition(), box.text().size()) << e.what;
    }
}

TEST(TextBox, SmallEditsCanBeUndone) {
    TextBox box(nullptr);
    box.setText("12");
    QGuiApplication::clipboard()->setText("34");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(&box, "5");
    ASSERT_EQ(box.text(), "12345");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "12");
}

}  // namespace
}  // namespace screens
