#include "window/controls/ColorChooser.h"

#include <QColorDialog>
#include <QPalette>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace pluvane;

namespace {

// Runs the chooser's modal dialog, acting on it from inside its event loop
// as the user would.
std::optional<TColor> runAndThen(ColorChooser& chooser, const std::function<void(QColorDialog&)>& act)
{
    bool acted = false;
    QTimer::singleShot(0, chooser.dialog(), [&] {
        EXPECT_TRUE(chooser.dialog()->isVisible());
        act(*chooser.dialog());
        acted = true;
    });
    const std::optional<TColor> result = chooser.run();
    EXPECT_TRUE(acted);
    return result;
}

TEST(ColorChooser, OpensOnBlackThenOnTheLastConfirmedColour)
{
    struct Step {
        const char* name;
        QColor picked;
        bool confirm;
        QColor opensOn;
        std::optional<TColor> result;
        TColor kept;
    };
    const Step steps[] = {
        { "red confirmed", QColor(255, 0, 0), true, QColor(0, 0, 0), clRed, clRed },
        // Cancelling keeps red, and the next opening is on red again.
        { "green cancelled", QColor(0, 255, 0), false, QColor(255, 0, 0), std::nullopt, clRed },
        { "teal confirmed", QColor(0x12, 0x80, 0x80), true, QColor(255, 0, 0), 0x808012u, 0x808012u },
    };
    ColorChooser chooser;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        QColor opened;
        const auto result = runAndThen(chooser, [&](QColorDialog& dialog) {
            opened = dialog.currentColor();
            dialog.setCurrentColor(step.picked);
            step.confirm ? dialog.accept() : dialog.reject();
        });
        EXPECT_EQ(opened, step.opensOn);
        EXPECT_EQ(result, step.result);
        EXPECT_EQ(chooser.color(), step.kept);
    }
}

TEST(ColorChooser, OpensOnASystemColourAsThePlainColourItStandsFor)
{
    ColorChooser chooser;
    chooser.setColor(clWindowText);
    QColor opened;
    const auto kept = runAndThen(chooser, [&](QColorDialog& dialog) {
        opened = dialog.currentColor();
        dialog.accept();
    });
    const QColor text = chooser.dialog()->palette().color(QPalette::WindowText);
    EXPECT_EQ(opened.rgb(), text.rgb());
    ASSERT_TRUE(kept.has_value());
    EXPECT_FALSE(isSystemColor(*kept));
    EXPECT_EQ(*kept, rgbColor(text.red(), text.green(), text.blue()));
}

TEST(ColorChooser, OffersNoAlphaChannel)
{
    ColorChooser chooser;
    EXPECT_FALSE(chooser.dialog()->testOption(QColorDialog::ShowAlphaChannel));
    // A colour with transparency comes back as the plain colour.
    const auto chosen = runAndThen(chooser, [](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(10, 20, 30, 40));
        dialog.accept();
    });
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, rgbColor(10, 20, 30));
}

} // namespace
