#include "CalendarWindow.h"

#include "ApplicationTitle.h"
#include "PreviewImage.h"
#include "picture/MakeCalendar.h"
#include "picture/binary/MulDiv.h"
#include "picture/output/ClipboardOutput.h"
#include "picture/output/PictureSaving.h"
#include "window/controls/CalendarConventionsDialog.h"
#include "window/controls/CaptionLabel.h"
#include "window/controls/ColorChooser.h"
#include "window/controls/FontChooserDialog.h"
#include "window/controls/MonthCalendar.h"
#include "window/controls/RadioGroup.h"
#include "window/controls/SaveFileDialog.h"
#include "window/controls/SpinEdit.h"
#include "window/controls/TrackBar.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cmath>

// The icon lives in this library's resources, which a static library must
// register itself.
static void registerWindowResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace pluvane {

namespace {

constexpr int designDpi = 96;
constexpr int designWidth = 588; // the client area of the 596 x 477 window
constexpr int designHeight = 450;

int logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : designDpi;
}

QString executablePathOr(const QString& path)
{
    return path.isEmpty() ? QCoreApplication::applicationFilePath() : path;
}

} // namespace

CalendarWindow::CalendarWindow(WindowServices services, QWidget* parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_boundary(this, applicationTitle(executablePathOr(m_services.executablePath)))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Pluvane Ver 1.0"));
    registerWindowResources();
    setWindowIcon(QIcon(QStringLiteral(":/pluvane.xpm")));

    // The window font is the default font at the screen's resolution; the
    // controls grow with it on screens that are not 96 dots per inch.
    FontSpec windowFont;
    const int dpi = logicalDpi();
    windowFont.height = mulDiv(-12, dpi, designDpi).value_or(-12);
    if (dpi != designDpi)
        m_scale = windowFont.characterHeight() / 12.0;
    setFont(toQFont(windowFont));
    m_canvasFont = windowFont;

    createControls();
    chainTabOrder();
    connectHandlers();
    resize(scaled(designWidth), scaled(designHeight));
    move(17, 2);

    m_boundary.run([this] { FormCreate(); });
}

CalendarWindow::~CalendarWindow() = default;

int CalendarWindow::scaled(int designPixels) const
{
    return static_cast<int>(std::lround(designPixels * m_scale));
}

void CalendarWindow::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(scaled(left), scaled(top), scaled(width), scaled(height));
}

void CalendarWindow::createControls()
{
    // A window smaller than its contents scrolls; resizing moves no control.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    // The scroll area only holds the controls; it is no stop of the tab cycle.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    m_content = new QWidget;
    m_content->setFixedSize(scaled(designWidth), scaled(designHeight));
    scroll->setWidget(m_content);
    QWidget* c = m_content;

    auto button = [&](const char* name, const QString& caption, int left, int top, int width) {
        auto* b = new QPushButton(caption, c);
        b->setObjectName(QString::fromLatin1(name));
        place(b, left, top, width, 25);
        return b;
    };
    auto label = [&](const char* name, const QString& caption, TColor background, int left, int top) {
        auto* l = new CaptionLabel(caption, background, c);
        l->setObjectName(QString::fromLatin1(name));
        l->move(scaled(left), scaled(top));
        return l;
    };
    auto track
        = [&](const char* name, int minimum, int maximum, int position, int left, int top, int width, int height) {
              auto* t = new TrackBar(minimum, maximum, position, c);
              t->setObjectName(QString::fromLatin1(name));
              place(t, left, top, width, height);
              return t;
          };

    // In creation order, which is also the painting order: the paper first.
    Shape1 = new PaperShape(c);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    place(Shape1, 24, 32, 280, 210);
    Image1 = new PreviewImage(c);
    Image1->setObjectName(QStringLiteral("Image1"));
    place(Image1, 24, 32, 280, 210);
    Label1 = label("Label1", QStringLiteral("X= 10"), clYellow, 352, 168);
    Label2 = label("Label2", QStringLiteral("Y= 10"), clYellow, 352, 224);
    Label3 = label("Label3", QStringLiteral("MAX X="), clYellow, 384, 112);
    Label4 = label("Label4", QStringLiteral("MAX Y="), clYellow, 480, 112);
    Label5 = label("Label5", QStringLiteral("日付枠の横の長さ"), clAqua, 400, 144);
    Label6 = label("Label6", QStringLiteral("日付枠の縦の長さ"), clAqua, 400, 200);
    Label7 = label("Label7", QStringLiteral("月の文字の大きさ"), clAqua, 400, 256);
    Label8 = label("Label8", QStringLiteral("年"), clAqua, 8, 296);
    Label9 = label("Label9", QStringLiteral("月"), clAqua, 88, 296);
    Button1 = button("Button1", QStringLiteral("作成"), 392, 24, 81);
    Button2 = button("Button2", QStringLiteral("フォント設定"), 480, 24, 73);
    Calendar1 = new MonthCalendar(c);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    place(Calendar1, 8, 320, 153, 113);
    Spinyear = new SpinEdit(1900, 2500, 4, c);
    Spinyear->setObjectName(QStringLiteral("Spinyear"));
    place(Spinyear, 24, 288, 57, 21);
    Spinyear->setValue(1900); // the design value, replaced at start-up
    Spinmon = new SpinEdit(1, 12, 2, c);
    Spinmon->setObjectName(QStringLiteral("Spinmon"));
    place(Spinmon, 104, 288, 57, 21);
    Spinmon->setValue(1);
    xtrack = track("xtrack", 2, 100, 10, 392, 160, 177, 25);
    ytrack = track("ytrack", 1, 100, 10, 392, 216, 177, 25);
    Button3 = button("Button3", QStringLiteral("保存"), 392, 64, 81);
    Button4 = button("Button4", QStringLiteral("コピー"), 480, 64, 73);
    montrack = track("montrack", 20, 100, 20, 392, 280, 169, 33);
    tukiiti = new RadioGroup(
        QStringLiteral("月の位置"), { QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右") }, 1, c);
    tukiiti->setObjectName(QStringLiteral("tukiiti"));
    place(tukiiti, 488, 320, 81, 121);
    Button5 = button("Button5", QStringLiteral("月の色設定"), 392, 328, 81);
    Button6 = button("Button6", QStringLiteral("曜日の色設定"), 392, 368, 81);
    ptn = new RadioGroup(QStringLiteral("パターン"),
        { QStringLiteral("パターン　１"), QStringLiteral("パターン　２"), QStringLiteral("パターン　３") }, 0, c);
    ptn->setObjectName(QStringLiteral("ptn"));
    place(ptn, 184, 336, 129, 97);
    Button7 = button("Button7", QStringLiteral("罫線の色設定"), 392, 408, 81);
    Button8 = button("Button8", QStringLiteral("詳細設定..."), 184, 296, 129);

    FontDialog1 = new FontChooserDialog(this);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    ColorDialog1 = std::make_unique<ColorChooser>(this);
    ConventionsDialog1 = new CalendarConventionsDialog(*ColorDialog1, this);
    SaveDialog1 = new SaveFileDialog(this,
        { QStringLiteral("メタファイル形式 (*.wmf)"), QStringLiteral("SVG (*.svg)"), QStringLiteral("PDF (*.pdf)"),
            QStringLiteral("PNG (*.png)") });
}

QList<QWidget*> CalendarWindow::tabOrder() const
{
    return { Button1, Button2, Calendar1, Spinyear, Spinmon, xtrack, ytrack, Button3, Button4, montrack, tukiiti,
        Button5, Button6, ptn, Button7, Button8 };
}

void CalendarWindow::chainTabOrder()
{
    const QList<QWidget*> order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // The window opens with the focus on the first control.
    order.constFirst()->setFocus(Qt::OtherFocusReason);
}

void CalendarWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Qt draws the focus only after the first Tab; this window shows it from
    // the start, so the user sees which button Enter or Space will press.
    if (!event->spontaneous())
        setAttribute(Qt::WA_KeyboardFocusChange);
}

void CalendarWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button as Space does, as people coming from
    // other desktops expect; Qt's buttons take Enter only inside dialogs. The
    // spin boxes refuse Enter themselves, so it never arrives here from them.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat()) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

std::function<void()> CalendarWindow::guarded(void (CalendarWindow::*handler)())
{
    return [this, handler] { m_boundary.run([this, handler] { (this->*handler)(); }); };
}

void CalendarWindow::connectHandlers()
{
    connect(Spinyear, &SpinEdit::changed, this, guarded(&CalendarWindow::SpinyearChange));
    connect(Spinmon, &SpinEdit::changed, this, guarded(&CalendarWindow::SpinmonChange));
    connect(xtrack, &TrackBar::changed, this, guarded(&CalendarWindow::xtrackChange));
    connect(ytrack, &TrackBar::changed, this, guarded(&CalendarWindow::ytrackChange));
    connect(montrack, &TrackBar::changed, this, guarded(&CalendarWindow::montrackChange));
    connect(Button1, &QPushButton::clicked, this, guarded(&CalendarWindow::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(&CalendarWindow::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(&CalendarWindow::Button3Click));
    connect(Button4, &QPushButton::clicked, this, guarded(&CalendarWindow::Button4Click));
    connect(Button5, &QPushButton::clicked, this, guarded(&CalendarWindow::Button5Click));
    connect(Button6, &QPushButton::clicked, this, guarded(&CalendarWindow::Button6Click));
    connect(Button7, &QPushButton::clicked, this, guarded(&CalendarWindow::Button7Click));
    connect(Button8, &QPushButton::clicked, this, guarded(&CalendarWindow::Button8Click));
}

CalendarSettings CalendarWindow::settings() const
{
    CalendarSettings s;
    s.year = Spinyear->value();
    s.month = Spinmon->value();
    s.titlemonth = Calendar1->month();
    s.font = m_canvasFont;
    s.daycolor = FontDialog1->selectedFont().color;
    s.xtrack = xtrack->position();
    s.ytrack = ytrack->position();
    s.montrack = montrack->position();
    s.tukiiti = tukiiti->itemIndex();
    s.ptn = ptn->itemIndex();
    s.moncolor = moncolor;
    s.weekcolor = weekcolor;
    s.linecolor = linecolor;
    ConventionsDialog1->conventions().applyTo(s);
    return s;
}

void CalendarWindow::FormCreate()
{
    Spinyear->setValue(Calendar1->year());
    Spinmon->setValue(Calendar1->month());
    moncolor = 0;
    weekcolor = 0;
    linecolor = 0;
}

void CalendarWindow::SpinyearChange()
{
    Calendar1->setYear(Spinyear->value());
}
void CalendarWindow::SpinmonChange()
{
    Calendar1->setMonth(Spinmon->value());
}

void CalendarWindow::xtrackChange()
{
    Label1->setCaption(QStringLiteral("X= ") + QString::number(xtrack->position()));
    sizeset();
}

void CalendarWindow::ytrackChange()
{
    Label2->setCaption(QStringLiteral("Y= ") + QString::number(ytrack->position()));
    sizeset();
}

void CalendarWindow::montrackChange()
{
    sizeset();
}

void CalendarWindow::sizeset()
{
    const SizeReadout readout = sizeReadout(settings(), m_measurer);
    Label3->setCaption(QString::fromStdString(readout.maxX));
    Label4->setCaption(QString::fromStdString(readout.maxY));
}

void CalendarWindow::Button1Click()
{
    const MadeCalendar made = makeCalendar(settings(), m_measurer, m_services.screen());
    place(Image1, 24, 32, made.previewBox.width, made.previewBox.height);
    Image1->setPicture(made.picture);
    Label3->setCaption(QString::fromStdString(made.readout.maxX));
    Label4->setCaption(QString::fromStdString(made.readout.maxY));
    madeflag = true;
}

void CalendarWindow::Button2Click()
{
    if (FontDialog1->run())
        m_canvasFont = FontDialog1->selectedFont();
    sizeset();
}

void CalendarWindow::Button3Click()
{
    if (!madeflag)
        return;
    const std::optional<QString> name = SaveDialog1->run();
    if (!name)
        return;
    savePicture(Image1->picture(), saveTargetFor(name->toStdString()));
}

void CalendarWindow::Button4Click()
{
    if (!madeflag)
        return;
    copyPictureToClipboard(Image1->picture());
}

void CalendarWindow::Button5Click()
{
    if (const auto color = ColorDialog1->run())
        moncolor = *color;
}

void CalendarWindow::Button6Click()
{
    if (const auto color = ColorDialog1->run())
        weekcolor = *color;
}

void CalendarWindow::Button7Click()
{
    if (const auto color = ColorDialog1->run())
        linecolor = *color;
}

void CalendarWindow::Button8Click()
{
    // The conventions reach the picture through settings() at the next make.
    ConventionsDialog1->run(settings());
}

} // namespace pluvane
