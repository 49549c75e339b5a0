#pragma once

// The window keeps every setting in its controls, in three colours and in the
// conventions dialog. Each handler reads them as one CalendarSettings
// snapshot, calls the plain functions of the layout and picture code, and
// shows what they return; a failure goes to the one ErrorBoundary.

#include "ErrorBoundary.h"
#include "layout/CalendarSettings.h"
#include "picture/qt/Fonts.h"
#include "picture/qt/ScreenMetrics.h"

#include <QWidget>

#include <functional>
#include <memory>

class QKeyEvent;
class QPushButton;
class QShowEvent;

namespace pluvane {

class CalendarConventionsDialog;
class CaptionLabel;
class ColorChooser;
class FontChooserDialog;
class MonthCalendar;
class PaperShape;
class PreviewImage;
class RadioGroup;
class SaveFileDialog;
class SpinEdit;
class TrackBar;

// What the window takes from its surroundings, replaceable in tests.
struct WindowServices {
    std::function<ScreenMetrics()> screen = primaryScreenMetrics;
    QString executablePath; // for the error box's caption; the running program's when empty
};

class CalendarWindow : public QWidget {
    Q_OBJECT

public:
    explicit CalendarWindow(WindowServices services = {}, QWidget* parent = nullptr);
    ~CalendarWindow() override;

    // The settings as the controls hold them at this moment.
    CalendarSettings settings() const;

    bool madeflag = false;
    TColor moncolor = clBlack;
    TColor weekcolor = clBlack;
    TColor linecolor = clBlack;
    const FontSpec& canvasFont() const { return m_canvasFont; }
    const ErrorBoundary& errorBoundary() const { return m_boundary; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    // The controls in the order Tab visits them, which is the whole cycle;
    // a new control takes its place in this list.
    QList<QWidget*> tabOrder() const;
    void chainTabOrder();
    // Positions in design pixels, scaled on screens of another resolution.
    void place(QWidget* widget, int left, int top, int width, int height) const;
    int scaled(int designPixels) const;
    std::function<void()> guarded(void (CalendarWindow::*handler)());

    void FormCreate();
    void SpinyearChange();
    void SpinmonChange();
    void xtrackChange();
    void ytrackChange();
    void montrackChange();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void sizeset();

    WindowServices m_services;
    ErrorBoundary m_boundary;
    QtTextMeasurer m_measurer;
    FontSpec m_canvasFont;
    double m_scale = 1.0;

    QWidget* m_content = nullptr;
    PaperShape* Shape1 = nullptr;
    PreviewImage* Image1 = nullptr;
    CaptionLabel* Label1 = nullptr;
    CaptionLabel* Label2 = nullptr;
    CaptionLabel* Label3 = nullptr;
    CaptionLabel* Label4 = nullptr;
    CaptionLabel* Label5 = nullptr;
    CaptionLabel* Label6 = nullptr;
    CaptionLabel* Label7 = nullptr;
    CaptionLabel* Label8 = nullptr;
    CaptionLabel* Label9 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    MonthCalendar* Calendar1 = nullptr;
    SpinEdit* Spinyear = nullptr;
    SpinEdit* Spinmon = nullptr;
    TrackBar* xtrack = nullptr;
    TrackBar* ytrack = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    TrackBar* montrack = nullptr;
    RadioGroup* tukiiti = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    RadioGroup* ptn = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    FontChooserDialog* FontDialog1 = nullptr;
    SaveFileDialog* SaveDialog1 = nullptr;
    std::unique_ptr<ColorChooser> ColorDialog1;
    CalendarConventionsDialog* ConventionsDialog1 = nullptr;
};

} // namespace pluvane
