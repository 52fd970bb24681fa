#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <string>

#include "app/program.h"
#include "screens/tables/screen_tables.h"

namespace app::testing {

// The whole program, driven through real clicks and keys; its clicks play no sweep unless a test
// asks for one.
struct ProgramHarness {
    explicit ProgramHarness(BeforeAction beforeAction = [](ScreenRegistry&, ScreenId) {})
        : program(Program::showErrorBox, std::move(beforeAction)) {
        program.start();
    }

    Screen& screen(ScreenId id) { return program.registry().ensureScreen(id); }
    Screen* existing(ScreenId id) const { return program.registry().find(id); }

    QWidget* control(ScreenId id, const char* name) {
        QWidget* found = screen(id).findChild<QWidget*>(name);
        if (!found) ADD_FAILURE() << "no control " << name;
        return found;
    }
    void click(ScreenId id, const char* button) {
        QTest::mouseClick(control(id, button), Qt::LeftButton);
    }
    void type(ScreenId id, const char* field, const char* text) {
        auto* box = qobject_cast<QLineEdit*>(control(id, field));
        box->clear();
        // Key by key, as typed; QTest names keys for ASCII only, so others go as plain text.
        for (const QChar ch : QString::fromUtf8(text)) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(box, static_cast<char>(ch.unicode()));
            } else {
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
            }
        }
    }
    std::string text(ScreenId id, const char* field) {
        return qobject_cast<QLineEdit*>(control(id, field))->text().toStdString();
    }
    // The one screen the user can see, or none when that is not exactly one.
    Screen* visibleScreen() const {
        Screen* visible = nullptr;
        for (ScreenId id : screens::kAllScreens) {
            Screen* s = existing(id);
            if (s && s->isVisible()) {
                if (visible) return nullptr;
                visible = s;
            }
        }
        return visible;
    }

    mutable Program program;
};

// What a message box said while it was open; closes it.
struct SeenMessageBox {
    bool shown = false;
    QString title, text;
};

// Watches for the next message box, notes it and presses its OK button.
inline void closeNextMessageBox(SeenMessageBox& seen) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {true, box->windowTitle(), box->text()};
        box->accept();
        timer->deleteLater();
    });
    timer->start(20);
}

}  // namespace app::testing
