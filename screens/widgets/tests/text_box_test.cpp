// Large pastes and edits over large selections: the text ends as the edit says, whatever its
// size; ordinary edits are undone as in any line edit.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <vector>

#include "screens/widgets/text_box.h"

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
        EXPECT_FALSE(box.isUndoAvailable()) << e.what << ": kept out of the undo history";
    }
}

// Past Qt's default 32,767 letters, large edits happen where the cursor or selection is.
TEST(TextBox, LargeEditsInLongTextsKeepTheRestInPlace) {
    const QString longText(40'000, u'3');
    const QString pasted(kLarge, u'7');
    // clang-format off
    const struct {
        const char* what;
        int anchor, cursor;  // a selection when they differ
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString after;
        int cursorAfter;
    } kCases[] = {
        {"a paste at the cursor", 1, 1, Qt::Key_V, Qt::ControlModifier, "3" + pasted + longText.mid(1), 1 + kLarge},
        {"typing over a selection made forwards", 0, 5'000, Qt::Key_5, Qt::NoModifier, "5" + longText.mid(5'000), 1},
        {"typing over a selection made backwards", 5'000, 0, Qt::Key_5, Qt::NoModifier, "5" + longText.mid(5'000), 1},
    };
    // clang-format on
    for (const auto& c : kCases) {
        TextBox box(nullptr);
        box.setText(longText);
        box.setSelection(c.anchor, c.cursor - c.anchor);
        if (c.anchor == c.cursor) box.setCursorPosition(c.cursor);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(&box, c.key, c.modifiers);
        EXPECT_TRUE(box.text() == c.after) << c.what;
        EXPECT_EQ(box.cursorPosition(), c.cursorAfter) << c.what;
    }
}

// Steps a user takes: text typed letter by letter, or a key with modifiers.
struct Step {
    QString typed;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void take(QLineEdit& field, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        QTest::keyClicks(&field, step.typed);
        if (step.key != Qt::Key_unknown) QTest::keyClick(&field, step.key, step.modifiers);
    }
}

TEST(TextBox, UndoAfterOrdinaryEditingWorksAsInAnyLineEdit) {
    const Step undo{"", Qt::Key_Z, Qt::ControlModifier};
    const Step selectAll{"", Qt::Key_A, Qt::ControlModifier};
    const Step paste{"", Qt::Key_V, Qt::ControlModifier};
    const Step backspace{"", Qt::Key_Backspace};
    const QString seventyDigits = QString("1234567890").repeated(7);
    // clang-format off
    const struct {
        const char* what;
        std::vector<Step> steps;
    } kCases[] = {
        {"70 digits typed one by one, undone", {{seventyDigits}, undo}},
        {"70 digits, undone twice", {{seventyDigits}, undo, undo}},
        {"typing, a paste, typing, two undos", {{"12"}, paste, {"5"}, undo, undo}},
        {"typing over a selection, undone", {{seventyDigits}, selectAll, {"9"}, undo}},
        {"backspaces, undone", {{seventyDigits}, backspace, backspace, undo}},
    };
    // clang-format on
    for (const auto& c : kCases) {
        QGuiApplication::clipboard()->setText("34");
        TextBox box(nullptr);
        QLineEdit plain;
        take(box, c.steps);
        take(plain, c.steps);
        EXPECT_EQ(box.text().toStdString(), plain.text().toStdString()) << c.what;
        EXPECT_EQ(box.cursorPosition(), plain.cursorPosition()) << c.what;
    }
}

// A long result in a field of the geometry screens' size: drawn smaller first, then, without the
// focus, its beginning, "…" and its end; the focus, copying and screen readers get it whole.
TEST(TextBox, LongTextsShrinkThenShowTheirEnds) {
    QWidget window;
    TextBox box(&window);
    box.setGeometry(0, 0, 97, 19);
    QLineEdit focusElsewhere(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    focusElsewhere.setFocus();
    const qreal normal = QApplication::font(&box).pointSizeF();

    QString text = QStringLiteral("1");  // the first text too wide for the normal size
    while (box.font().pointSizeF() == normal) box.setText(text += u'2');
    EXPECT_GE(box.font().pointSizeF(), normal * 0.8);
    EXPECT_EQ(box.shownText(), text) << "shown whole, smaller";

    const struct {
        QString text;
        QString beginning, end;
    } cases[] = {
        {"4.78585572755982E+40", "4.78", "…E+40"},
        {"-1.23456789012345E-100", "-1.23", "…E-100"},
        {"1D6329F1C35CA0000000000000000000000000", "1D63", "000"},
        {QString(kMillion, u'7') + u'5', "777", "775"},
    };
    for (const auto& c : cases) {
        box.setText(c.text);
        EXPECT_EQ(box.font().pointSizeF(), normal * 0.8) << c.text.left(40).toStdString();
        const QString shown = box.shownText();
        EXPECT_TRUE(shown.startsWith(c.beginning) && shown.endsWith(c.end) && shown.contains(u'…'))
            << shown.toStdString();
        EXPECT_LE(box.fontMetrics().horizontalAdvance(shown), box.width());

        box.setFocus();
        EXPECT_EQ(box.shownText(), c.text) << "with the focus, all of it";
        box.selectAll();
        box.copy();
        EXPECT_TRUE(QGuiApplication::clipboard()->text() == c.text);
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Value) ==
                    c.text);
        focusElsewhere.setFocus();
    }
}

}  // namespace
}  // namespace screens
