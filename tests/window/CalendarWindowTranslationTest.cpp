// Qt's own dialogs speak the window's language: with Qt's Japanese texts
// loaded, as the program does at start, whatever the locale.

#include "WindowDriver.h"

#include "window/CalendarWindow.h"
#include "window/QtTranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

using namespace pluvane;
using fixtures::child;
using fixtures::testServices;
using fixtures::whenModalOpens;

namespace {

// The texts of a dialog's standard buttons, read as it opens, then cancelled.
QStringList buttonTextsOfTheDialogOpenedBy(CalendarWindow& window, const char* button)
{
    QStringList texts;
    whenModalOpens([&](QWidget* modal) {
        const auto* box = modal->findChild<QDialogButtonBox*>();
        for (const QDialogButtonBox::StandardButton which :
            { QDialogButtonBox::Ok, QDialogButtonBox::Save, QDialogButtonBox::Cancel })
            if (const QPushButton* b = box ? box->button(which) : nullptr)
                texts << b->text();
        static_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    return texts;
}

} // namespace

TEST(CalendarWindowTranslation, QtsDialogsAreJapaneseInTheCLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    // Removed again with the translator, so other tests see Qt's own texts.
    const std::unique_ptr<QTranslator> translator(installQtTranslations(*QCoreApplication::instance()));
    ASSERT_NE(translator, nullptr) << "Qt's Japanese texts are missing; scripts/setup.sh installs them";

    CalendarWindow w(testServices());
    w.show();
    EXPECT_EQ(buttonTextsOfTheDialogOpenedBy(w, "Button5").join(" ").toStdString(), "OK キャンセル");
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    EXPECT_EQ(buttonTextsOfTheDialogOpenedBy(w, "Button3").join(" ").toStdString(), "保存(&S) キャンセル");
    QLocale::setDefault(before);
}
