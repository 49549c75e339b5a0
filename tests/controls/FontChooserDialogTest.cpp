#include "window/controls/FontChooserDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace pluvane;

namespace {

FontSpec designFont()
{
    FontSpec font;
    font.name = "ＭＳ Ｐゴシック";
    font.height = -12;
    font.pitch = FontPitch::Variable;
    font.color = clWindowText;
    return font;
}

// The dialog opened without blocking, with its editors at hand.
class OpenDialog {
public:
    explicit OpenDialog(const FontSpec& font)
    {
        dialog.setSelectedFont(font);
        dialog.open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        family = dialog.findChild<QFontComboBox*>(QStringLiteral("family"));
        style = dialog.findChild<QComboBox*>(QStringLiteral("style"));
        height = dialog.findChild<QSpinBox*>(QStringLiteral("height"));
        underline = dialog.findChild<QCheckBox*>(QStringLiteral("underline"));
        strikeout = dialog.findChild<QCheckBox*>(QStringLiteral("strikeout"));
        color = dialog.findChild<QPushButton*>(QStringLiteral("color"));
        colorDialog = dialog.findChild<QColorDialog*>(QStringLiteral("colorDialog"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        ok = buttons->button(QDialogButtonBox::Ok);
        cancel = buttons->button(QDialogButtonBox::Cancel);
    }

    void chooseStyle(const QString& name)
    {
        const int index = style->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        style->setCurrentIndex(index);
    }

    void typeHeight(const QString& pixels)
    {
        QTest::keyClick(height, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(height, pixels);
    }

    void chooseColor(const QColor& chosen)
    {
        QTest::mouseClick(color, Qt::LeftButton);
        ASSERT_TRUE(colorDialog->isVisible());
        colorDialog->setCurrentColor(chosen);
        colorDialog->accept();
    }

    FontChooserDialog dialog;
    QFontComboBox* family = nullptr;
    QComboBox* style = nullptr;
    QSpinBox* height = nullptr;
    QCheckBox* underline = nullptr;
    QCheckBox* strikeout = nullptr;
    QPushButton* color = nullptr;
    QColorDialog* colorDialog = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

TEST(FontChooserDialog, ConfirmingStoresNameHeightStyleAndColourAndKeepsThePitch)
{
    OpenDialog open(designFont());
    // Forty characters; a font name keeps its first 31.
    open.family->setEditText(QString(20, QChar(0x3042)) + QString(20, QChar(0x3044)));
    open.chooseStyle(QStringLiteral("Bold Italic"));
    open.typeHeight(QStringLiteral("20"));
    QTest::mouseClick(open.underline, Qt::LeftButton);
    open.chooseColor(QColor(0x12, 0x34, 0x56));

    QTest::mouseClick(open.ok, Qt::LeftButton);

    EXPECT_EQ(open.dialog.result(), QDialog::Accepted);
    const FontSpec stored = open.dialog.selectedFont();
    EXPECT_EQ(stored.name, (QString(20, QChar(0x3042)) + QString(11, QChar(0x3044))).toStdString());
    EXPECT_EQ(stored.height, -20);
    EXPECT_TRUE(stored.bold);
    EXPECT_TRUE(stored.italic);
    EXPECT_TRUE(stored.underline);
    EXPECT_FALSE(stored.strikeout);
    EXPECT_EQ(stored.color, 0x563412u);
    EXPECT_EQ(stored.pitch, FontPitch::Variable);
}

TEST(FontChooserDialog, StoresBoldOnlyForAWeightAboveRegular)
{
    struct Row {
        const char* style;
        bool bold;
        bool italic;
    };
    const Row rows[] = { { "Regular", false, false }, { "Italic", false, true }, { "Bold", true, false } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        FontSpec start = designFont();
        start.bold = !row.bold;
        start.italic = !row.italic;
        OpenDialog open(start);
        open.chooseStyle(QString::fromLatin1(row.style));
        QTest::mouseClick(open.ok, Qt::LeftButton);
        EXPECT_EQ(open.dialog.selectedFont().bold, row.bold);
        EXPECT_EQ(open.dialog.selectedFont().italic, row.italic);
        EXPECT_EQ(open.dialog.selectedFont().name, start.name);
    }
}

TEST(FontChooserDialog, OpensOnTheCurrentFontColourIncluded)
{
    FontSpec current = designFont();
    current.name = "IPAGothic";
    current.height = -30;
    current.bold = true;
    current.strikeout = true;
    current.color = clRed;
    OpenDialog open(current);

    EXPECT_EQ(open.family->currentText(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(open.height->value(), 30);
    EXPECT_FALSE(open.underline->isChecked());
    EXPECT_TRUE(open.strikeout->isChecked());
    QTest::mouseClick(open.color, Qt::LeftButton);
    EXPECT_EQ(open.colorDialog->currentColor(), QColor(255, 0, 0));
    open.colorDialog->reject();

    // Confirming at once stores the same font.
    QTest::mouseClick(open.ok, Qt::LeftButton);
    EXPECT_EQ(open.dialog.selectedFont(), current);
}

TEST(FontChooserDialog, CancellingChangesNothingAndTheNextOpeningShowsTheOldFont)
{
    const FontSpec start = designFont();
    OpenDialog open(start);
    open.family->setEditText(QStringLiteral("DejaVu Sans"));
    open.chooseStyle(QStringLiteral("Bold"));
    open.typeHeight(QStringLiteral("40"));
    QTest::mouseClick(open.strikeout, Qt::LeftButton);
    open.chooseColor(QColor(0, 0, 255));

    QTest::mouseClick(open.cancel, Qt::LeftButton);

    EXPECT_EQ(open.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(open.dialog.selectedFont(), start);
    open.dialog.open();
    EXPECT_EQ(open.family->currentText(), QString::fromStdString(start.name));
    EXPECT_EQ(open.height->value(), 12);
    EXPECT_FALSE(open.strikeout->isChecked());
    EXPECT_FALSE(open.dialog.editedFont().bold);
    EXPECT_EQ(open.dialog.editedFont(), start);
}

TEST(FontChooserDialog, RunReportsWhetherTheUserConfirmed)
{
    FontChooserDialog dialog;
    dialog.setSelectedFont(designFont());
    for (const bool confirm : { false, true }) {
        SCOPED_TRACE(confirm);
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_TRUE(dialog.isVisible());
            dialog.findChild<QSpinBox*>(QStringLiteral("height"))->setValue(16);
            confirm ? dialog.accept() : dialog.reject();
        });
        EXPECT_EQ(dialog.run(), confirm);
        EXPECT_EQ(dialog.selectedFont().height, confirm ? -16 : -12);
    }
}

TEST(FontChooserDialog, CannotBeConfirmedWithoutAName)
{
    OpenDialog open(designFont());
    open.family->setEditText(QString());
    EXPECT_FALSE(open.ok->isEnabled());
    open.dialog.accept();
    EXPECT_TRUE(open.dialog.isVisible());
    EXPECT_EQ(open.dialog.selectedFont(), designFont());
}

} // namespace
