#pragma once

// Helpers for driving the main window through its real widgets.

#include "support/ReferenceScreen.h"

#include "window/CalendarWindow.h"
#include "window/controls/CaptionLabel.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace pluvane::fixtures {

// The window's surroundings: the reference screen and an installed program.
inline WindowServices testServices()
{
    WindowServices s;
    s.screen = [] { return referenceScreen; };
    s.executablePath = "/usr/bin/pluvane";
    return s;
}

template <class T> T* child(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline QString caption(const QWidget& window, const char* label)
{
    return child<CaptionLabel>(window, label)->caption();
}

// Runs `act` on the next modal window (a dialog or the error box) as soon as
// it is up, while the code under test waits in its exec().
inline void whenModalOpens(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start(10);
}

// Types `name` over what the save dialog's name field holds. Typed, not set:
// typing is what makes the dialog let go of a file it had selected.
inline void typeOverName(QFileDialog* dialog, QLineEdit* field, const QString& name)
{
    // The dialog follows typing only in a field that has the focus.
    QApplication::setActiveWindow(dialog);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    QTest::keyClicks(field, name);
    // The name completer's list, if it came up, goes away as with Escape.
    if (QWidget* completions = QApplication::activePopupWidget())
        QTest::keyClick(completions, Qt::Key_Escape);
}

// Types a name into the save dialog as soon as it is up, and remembers what
// the dialog offered before; an empty name cancels the dialog.
inline void typeIntoSaveDialog(const QString& name, QString* offered = nullptr, QStringList* filters = nullptr)
{
    whenModalOpens([=](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(field, nullptr);
        if (offered)
            *offered = field->text();
        if (filters)
            *filters = dialog->nameFilters();
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        typeOverName(dialog, field, name);
        QTest::keyClick(field, Qt::Key_Return);
    });
}

} // namespace pluvane::fixtures
