// The font dialog's own size and keys: a large sample stays inside a bounded
// box, and Return confirms the dialog wherever the focus is in its editors.

#include "window/controls/FontChooserDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace pluvane;

namespace {

FontSpec fontOfHeight(int pixels)
{
    FontSpec font;
    font.name = "ＭＳ Ｐゴシック";
    font.height = -pixels;
    return font;
}

// Everything of the dialog a 1,280 x 1,024 screen can show, OK and Cancel
// included.
void expectFitsTheScreen(const FontChooserDialog& dialog)
{
    EXPECT_LE(dialog.width(), 1280);
    EXPECT_LE(dialog.height(), 1024);
    const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    for (const QDialogButtonBox::StandardButton which : { QDialogButtonBox::Ok, QDialogButtonBox::Cancel }) {
        const QPushButton* button = buttons->button(which);
        const QRect inDialog(button->mapTo(&dialog, QPoint(0, 0)), button->size());
        EXPECT_TRUE(dialog.rect().contains(inDialog)) << button->text().toStdString();
    }
}

} // namespace

TEST(FontChooserDialogLayout, ALargeSampleNeitherWidensNorHeightensTheDialog)
{
    FontChooserDialog dialog;
    dialog.setSelectedFont(fontOfHeight(12));
    dialog.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QSize opened = dialog.size();
    auto* height = dialog.findChild<QSpinBox*>(QStringLiteral("height"));
    auto* sample = dialog.findChild<QLabel*>(QStringLiteral("sample"));
    const QSize sampleBox = sample->size();

    for (const int pixels : { 100, 200, 1000 }) {
        height->setValue(pixels);
        QTest::qWait(20);
        EXPECT_EQ(dialog.size(), opened) << pixels;
        EXPECT_EQ(sample->size(), sampleBox) << pixels;
        expectFitsTheScreen(dialog);
    }
    dialog.reject();

    // Opened again on a large font, it keeps its first size too.
    dialog.setSelectedFont(fontOfHeight(150));
    dialog.open();
    QTest::qWait(20);
    EXPECT_EQ(dialog.size(), opened);
    expectFitsTheScreen(dialog);
    dialog.reject();
}

TEST(FontChooserDialogLayout, ReturnConfirmsAndOpensNoColourDialog)
{
    for (const char* editor : { "family", "height" }) {
        SCOPED_TRACE(editor);
        FontChooserDialog dialog;
        dialog.setSelectedFont(fontOfHeight(12));
        dialog.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        auto* colorDialog = dialog.findChild<QColorDialog*>(QStringLiteral("colorDialog"));
        auto* height = dialog.findChild<QSpinBox*>(QStringLiteral("height"));
        height->setValue(20);

        QWidget* focus = dialog.findChild<QWidget*>(QString::fromLatin1(editor));
        focus->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : focus, Qt::Key_Return);

        EXPECT_FALSE(colorDialog->isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.selectedFont().height, -20);
        colorDialog->reject();
    }
}
