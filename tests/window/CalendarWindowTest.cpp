#include "window/ApplicationTitle.h"
#include "window/CalendarWindow.h"
#include "window/PreviewImage.h"
#include "window/controls/CaptionLabel.h"
#include "window/controls/ColorChooser.h"
#include "window/controls/FontChooserDialog.h"
#include "window/controls/MonthCalendar.h"
#include "window/controls/RadioGroup.h"
#include "window/controls/SpinEdit.h"
#include "window/controls/TrackBar.h"
#include "picture/MakeCalendar.h"
#include "picture/output/PictureSaving.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QMimeData>
#include <QTemporaryDir>
#include <QDate>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <QScreen>

#include <cmath>
#include <functional>

#include <sys/mount.h>
#include <unistd.h>

using namespace pluvane;

namespace {

const ScreenMetrics referenceScreen { 800, 600, 280, 210 };

WindowServices testServices()
{
    WindowServices s;
    s.screen = [] { return referenceScreen; };
    s.executablePath = "/usr/bin/pluvane";
    return s;
}

template <class T>
T* child(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString caption(const QWidget& window, const char* label)
{
    return child<CaptionLabel>(window, label)->caption();
}

// Runs `act` on the next modal window (a dialog or the error box) as soon as
// it is up, while the code under test waits in its exec().
void whenModalOpens(std::function<void(QWidget*)> act)
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

int expectedWidth(const CalendarWindow& w)
{
    const QtTextMeasurer measurer;
    return calendarLengths(w.settings(), measurer).picwidth;
}

} // namespace

TEST(CalendarWindow, StartsOnTodayWithTheDesignedState)
{
    CalendarWindow w(testServices());
    const QDate today = QDate::currentDate();
    EXPECT_EQ(w.windowTitle(), "Pluvane Ver 1.0");
    EXPECT_EQ(child<SpinEdit>(w, "Spinyear")->text(), QString::number(today.year()));
    EXPECT_EQ(child<SpinEdit>(w, "Spinmon")->text(), QString::number(today.month()));
    EXPECT_EQ(child<MonthCalendar>(w, "Calendar1")->date(), today);
    EXPECT_EQ(w.moncolor, clBlack);
    EXPECT_EQ(w.weekcolor, clBlack);
    EXPECT_EQ(w.linecolor, clBlack);
    EXPECT_EQ(child<RadioGroup>(w, "tukiiti")->itemIndex(), 1);
    EXPECT_EQ(child<QRadioButton>(*child<RadioGroup>(w, "tukiiti"), "item1")->text(), "中");
    EXPECT_EQ(child<RadioGroup>(w, "ptn")->itemIndex(), 0);
    EXPECT_EQ(child<QRadioButton>(*child<RadioGroup>(w, "ptn"), "item0")->text(), "パターン　１");
    EXPECT_EQ(caption(w, "Label1"), "X= 10");
    EXPECT_EQ(caption(w, "Label2"), "Y= 10");
    EXPECT_EQ(caption(w, "Label3"), "MAX X=");
    EXPECT_EQ(caption(w, "Label4"), "MAX Y=");
    EXPECT_FALSE(w.madeflag);
    EXPECT_EQ(w.canvasFont(), FontSpec {});
    EXPECT_EQ(w.settings().titlemonth, today.month());
}

struct PlacedControl {
    const char* name;
    QRect geometry;
};

TEST(CalendarWindow, ControlsSitWhereTheyWereDesigned)
{
    CalendarWindow w(testServices());
    for (const PlacedControl& c : {
             PlacedControl { "Shape1", { 24, 32, 280, 210 } }, PlacedControl { "Image1", { 24, 32, 280, 210 } },
             PlacedControl { "Button1", { 392, 24, 81, 25 } }, PlacedControl { "Button2", { 480, 24, 73, 25 } },
             PlacedControl { "Calendar1", { 8, 320, 153, 113 } }, PlacedControl { "Spinyear", { 24, 288, 57, 21 } },
             PlacedControl { "Spinmon", { 104, 288, 57, 21 } }, PlacedControl { "xtrack", { 392, 160, 177, 25 } },
             PlacedControl { "ytrack", { 392, 216, 177, 25 } }, PlacedControl { "Button3", { 392, 64, 81, 25 } },
             PlacedControl { "Button4", { 480, 64, 73, 25 } }, PlacedControl { "montrack", { 392, 280, 169, 33 } },
             PlacedControl { "tukiiti", { 488, 320, 81, 121 } }, PlacedControl { "Button5", { 392, 328, 81, 25 } },
             PlacedControl { "Button6", { 392, 368, 81, 25 } }, PlacedControl { "ptn", { 184, 336, 129, 97 } },
             PlacedControl { "Button7", { 392, 408, 81, 25 } } })
        EXPECT_EQ(child<QWidget>(w, c.name)->geometry(), c.geometry) << c.name;
    for (const char* label : { "Label1", "Label5", "Label8" })
        EXPECT_GT(child<QWidget>(w, label)->width(), 0) << label;
    EXPECT_EQ(child<QWidget>(w, "Label3")->pos(), QPoint(384, 112));
    EXPECT_EQ(w.size(), QSize(588, 450));
}

TEST(CalendarWindow, TabOrderFollowsTheDesign)
{
    CalendarWindow w(testServices());
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QStringList order { "Button1", "Button2", "Calendar1", "Spinyear", "Spinmon", "xtrack", "ytrack", "Button3",
        "Button4", "montrack", "tukiiti", "Button5", "Button6", "ptn", "Button7" };
    // The named control a focused widget belongs to (a radio button is part of its group).
    auto owner = [&](QWidget* widget) {
        for (; widget; widget = widget->parentWidget())
            if (order.contains(widget->objectName()))
                return widget->objectName();
        return QString("(none)");
    };
    child<QPushButton>(w, "Button1")->setFocus(Qt::TabFocusReason);
    QStringList visited { owner(QApplication::focusWidget()) };
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << owner(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, order);
}

TEST(CalendarWindow, TrackBarMovesUpdateTheReadoutsButNotThePreview)
{
    CalendarWindow w(testServices());
    w.show();
    auto* xtrack = child<TrackBar>(w, "xtrack");
    xtrack->setFocus();
    QTest::keyClick(xtrack, Qt::Key_Right);
    EXPECT_EQ(caption(w, "Label1"), "X= 11");
    EXPECT_EQ(caption(w, "Label3"), "MAX X=" + QString::number(expectedWidth(w)));
    EXPECT_TRUE(caption(w, "Label4").startsWith("MAX Y="));
    EXPECT_GT(caption(w, "Label4").size(), 6);

    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    ASSERT_TRUE(w.madeflag);
    const Picture made = child<PreviewImage>(w, "Image1")->picture();
    const QString readoutAfterMake = caption(w, "Label3");
    xtrack->setFocus();
    for (int i = 0; i < 14; ++i)
        QTest::keyClick(xtrack, Qt::Key_Right); // to 25
    EXPECT_EQ(caption(w, "Label1"), "X= 25");
    EXPECT_NE(caption(w, "Label3"), readoutAfterMake);
    EXPECT_TRUE(child<PreviewImage>(w, "Image1")->picture().sharesBytesWith(made));

    auto* ytrack = child<TrackBar>(w, "ytrack");
    ytrack->setFocus();
    QTest::keyClick(ytrack, Qt::Key_PageUp);
    EXPECT_EQ(caption(w, "Label2"), "Y= 12");
}

TEST(CalendarWindow, MakeShowsTheFittedPictureAndReadouts)
{
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    const QtTextMeasurer measurer;
    const MadeCalendar expected = makeCalendar(w.settings(), measurer, referenceScreen);
    auto* image = child<PreviewImage>(w, "Image1");
    EXPECT_EQ(image->geometry(), QRect(QPoint(24, 32), QSize(expected.previewBox.width, expected.previewBox.height)));
    EXPECT_EQ(image->picture().widthPx(), expected.geometry.picwidth);
    EXPECT_EQ(image->picture().widthHmm(), expected.picture.widthHmm());
    EXPECT_EQ(caption(w, "Label3").toStdString(), expected.readout.maxX);
    EXPECT_EQ(caption(w, "Label4").toStdString(), expected.readout.maxY);
    EXPECT_TRUE(w.madeflag);

    // The preview shows the picture: red Sunday pixels on the white paper.
    const QImage shot = w.grab(QRect(24, 32, 280, 210)).toImage();
    int red = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width() / 6; ++x) {
            const QRgb c = shot.pixel(x, y);
            red += qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110;
        }
    EXPECT_GT(red, 10);
}

TEST(CalendarWindow, FontButtonRefreshesTheReadoutsAlsoWhenCancelled)
{
    CalendarWindow w(testServices());
    w.show();
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    QTest::mouseClick(child<QPushButton>(w, "Button2"), Qt::LeftButton);
    EXPECT_EQ(caption(w, "Label3"), "MAX X=" + QString::number(expectedWidth(w)));
    EXPECT_EQ(w.canvasFont(), FontSpec {});

    whenModalOpens([](QWidget* dialog) {
        dialog->findChild<QSpinBox*>("height")->setValue(24);
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button2"), Qt::LeftButton);
    EXPECT_EQ(w.canvasFont().height, -24);
    EXPECT_EQ(caption(w, "Label3"), "MAX X=" + QString::number(expectedWidth(w)));
    EXPECT_EQ(caption(w, "Label4"), "MAX Y=" + QString::number(6 * (24 + 10) + 20 + 16 + 2 + 5));
}

TEST(CalendarWindow, ColourButtonsStoreOnlyConfirmedColoursAndShareTheDialog)
{
    CalendarWindow w(testServices());
    w.show();
    whenModalOpens([](QWidget* dialog) {
        auto* d = static_cast<QColorDialog*>(dialog);
        d->setCurrentColor(Qt::red);
        d->accept();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button5"), Qt::LeftButton);
    EXPECT_EQ(w.moncolor, clRed);

    QColor openedOn;
    whenModalOpens([&](QWidget* dialog) {
        openedOn = static_cast<QColorDialog*>(dialog)->currentColor();
        static_cast<QDialog*>(dialog)->reject();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button6"), Qt::LeftButton);
    EXPECT_EQ(openedOn, QColor(Qt::red));
    EXPECT_EQ(w.weekcolor, clBlack);
}

TEST(CalendarWindow, TheTitleMonthFollowsTheMonthBoxWhateverTheDay)
{
    CalendarWindow w(testServices());
    auto* calendar = child<MonthCalendar>(w, "Calendar1");
    auto* year = child<SpinEdit>(w, "Spinyear");
    auto* month = child<SpinEdit>(w, "Spinmon");
    month->setValue(1);
    calendar->setDay(31);
    year->setValue(2024);
    month->setValue(2);
    EXPECT_EQ(calendar->date(), QDate(2024, 2, 29));
    EXPECT_EQ(w.settings().titlemonth, 2);
    month->setValue(3);
    EXPECT_EQ(calendar->date(), QDate(2024, 3, 31));
    EXPECT_EQ(w.settings().titlemonth, 3);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(CalendarWindow, TypingAYearMovesTheCalendarAlong)
{
    CalendarWindow w(testServices());
    w.show();
    auto* text = child<QLineEdit>(*child<SpinEdit>(w, "Spinyear"), "text");
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "2015");
    EXPECT_EQ(child<MonthCalendar>(w, "Calendar1")->year(), 2015);
    EXPECT_EQ(w.settings().year, 2015);
}

TEST(CalendarWindow, AFailingMakeShowsOneErrorBoxAndChangesNothing)
{
    WindowServices services = testServices();
    services.screen = [] { return ScreenMetrics {}; }; // no recording can start
    services.executablePath = "/opt/tools/PLUVANE.bin";
    CalendarWindow w(services);
    w.show();
    int boxes = 0;
    QString title, text;
    bool windowDisabled = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        ++boxes;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        windowDisabled = !w.isEnabled();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(title, "Pluvane");
    EXPECT_EQ(text, "ｼｽﾃﾑ ﾘｿｰｽが足りません.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(windowDisabled);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.madeflag);
    EXPECT_TRUE(child<PreviewImage>(w, "Image1")->picture().isNull());
    EXPECT_EQ(caption(w, "Label3"), "MAX X=");
}

TEST(CalendarWindow, SaveAndCopyDoNothingBeforeTheFirstMake)
{
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(w, "Button4"), Qt::LeftButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(w.madeflag);
}

TEST(ApplicationTitle, MadeFromTheExecutableName)
{
    const std::pair<const char*, const char*> cases[] = { { "/usr/bin/pluvane", "Pluvane" },
        { "/opt/PLUVANE.EXE", "Pluvane" }, { "my.tool.bin", "My" }, { "/a.b/pluVane", "Pluvane" }, { "x", "X" } };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(applicationTitle(path).toStdString(), title) << path;
}

TEST(CalendarWindowResolution, FontAndControlsFollowTheScreensResolution)
{
    // Run once at 96 dots per inch and once more by CTest at 120 (with Qt's
    // own scaling off, so the window must scale itself).
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
    CalendarWindow w(testServices());
    const int height = static_cast<int>(std::lround(-12.0 * dpi / 96));
    EXPECT_EQ(w.font().pixelSize(), -height);
    EXPECT_EQ(w.canvasFont().height, height);
    const double f = -height / 12.0;
    auto at = [f](int v) { return static_cast<int>(std::lround(v * f)); };
    EXPECT_EQ(child<QWidget>(w, "Button1")->geometry(), QRect(at(392), at(24), at(81), at(25)));
    EXPECT_EQ(child<QWidget>(w, "ptn")->geometry(), QRect(at(184), at(336), at(129), at(97)));
    // Every caption still fits its button.
    for (const char* name : { "Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7" }) {
        auto* b = child<QPushButton>(w, name);
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width()) << name;
    }
}

namespace {

QByteArray fileContents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray bytesOf(const Picture& p)
{
    return QByteArray(reinterpret_cast<const char*>(p.bytes().data()), static_cast<qsizetype>(p.bytes().size()));
}

// Types a name into the save dialog as soon as it is up, and remembers what
// the dialog offered before.
void typeIntoSaveDialog(const QString& name, QString* offered = nullptr, QStringList* filters = nullptr)
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
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    });
}

} // namespace

TEST(CalendarWindowSave, SavesTheMadePictureUnderTheTypedName)
{
    QTemporaryDir dir;
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    const Picture made = child<PreviewImage>(w, "Image1")->picture();

    QString offered = "(not opened)";
    QStringList filters;
    typeIntoSaveDialog(dir.filePath("may"), &offered, &filters);
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_EQ(offered, "");
    EXPECT_EQ(filters, (QStringList { "メタファイル形式 (*.wmf)", "SVG (*.svg)", "PDF (*.pdf)", "PNG (*.png)" }));
    EXPECT_EQ(fileContents(dir.filePath("may.wmf")),
        QByteArray(reinterpret_cast<const char*>(pictureBytesFor(made, PictureFormat::PlaceableWmf).data()),
            static_cast<qsizetype>(pictureBytesFor(made, PictureFormat::PlaceableWmf).size())));

    // The dialog opens on the name it returned, without the ".wmf" added to it.
    typeIntoSaveDialog(dir.filePath("may.emf"), &offered);
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_EQ(offered, "may");
    EXPECT_EQ(fileContents(dir.filePath("may.emf")), bytesOf(made));

    // The other formats by their extensions, in any case.
    typeIntoSaveDialog(dir.filePath("may.SVG"));
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_TRUE(fileContents(dir.filePath("may.SVG")).contains("<svg"));
    typeIntoSaveDialog(dir.filePath("may.pdf"));
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_TRUE(fileContents(dir.filePath("may.pdf")).startsWith("%PDF"));
    typeIntoSaveDialog(dir.filePath("may.png"));
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_TRUE(fileContents(dir.filePath("may.png")).startsWith("\x89PNG"));

    // Cancelling writes nothing.
    typeIntoSaveDialog(QString(), &offered);
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_EQ(offered, "may.png");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5);
}

TEST(CalendarWindowSave, AFailedSaveShowsTheErrorAndKeepsThePicture)
{
    QTemporaryDir dir;
    // A place the file cannot go: a full file system (as root, who ignores
    // permissions) or a folder without write permission.
    const bool root = geteuid() == 0;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    QString expected;
    if (root) {
        ASSERT_EQ(mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=4k"), 0);
        QFile filler(dir.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(512, 'f')) == 512 && filler.flush()) {
        }
        expected = "ｽﾄﾘｰﾑへの書き込みｴﾗｰ.";
    } else {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        expected = "ﾌｧｲﾙ " + dir.filePath("may.emf") + " を作成できません.";
    }

    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    const Picture made = child<PreviewImage>(w, "Image1")->picture();
    QString text;
    int boxes = 0;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        whenModalOpens([&](QWidget* next) {
            auto* box = qobject_cast<QMessageBox*>(next);
            ASSERT_NE(box, nullptr);
            ++boxes;
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
        field->setText(dir.filePath("may.emf"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    const bool written = QFile::exists(dir.filePath("may.emf"));
    if (root)
        umount(mountPoint.constData());
    else
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(text, expected);
    EXPECT_FALSE(written);
    EXPECT_TRUE(w.madeflag);
    EXPECT_TRUE(child<PreviewImage>(w, "Image1")->picture().sharesBytesWith(made));
}

TEST(CalendarWindowCopy, PutsOneItemWithFourTypesOnTheClipboard)
{
    CalendarWindow w(testServices());
    w.show();
    QGuiApplication::clipboard()->setText("what was there before");
    QTest::mouseClick(child<QPushButton>(w, "Button4"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "what was there before"); // nothing made yet

    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    const Picture made = child<PreviewImage>(w, "Image1")->picture();
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(child<QPushButton>(w, "Button4"), Qt::LeftButton);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    for (const char* type : { "image/emf", "image/x-emf", "image/svg+xml", "image/png" })
        EXPECT_TRUE(data->hasFormat(type)) << type;
    EXPECT_FALSE(data->hasText());
    EXPECT_EQ(data->data("image/emf"), bytesOf(made));
    EXPECT_EQ(data->data("image/x-emf"), bytesOf(made));
    EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
    QImage png;
    ASSERT_TRUE(png.loadFromData(data->data("image/png"), "PNG"));
    EXPECT_EQ(png.size(), QSize(made.widthPx(), made.heightPx()));
}

TEST(CalendarWindow, ASmallWindowScrollsAndMovesNoControl)
{
    CalendarWindow w(testServices());
    w.show();
    w.resize(300, 200);
    QTest::qWait(20);
    auto* scroll = w.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(child<QWidget>(w, "Button7")->geometry(), QRect(392, 408, 81, 25));
    w.resize(900, 700);
    QTest::qWait(20);
    EXPECT_EQ(child<QWidget>(w, "Button1")->geometry(), QRect(392, 24, 81, 25));
}

TEST(CalendarWindow, AChosenFontChangesOnlyTheCanvasFont)
{
    CalendarWindow w(testServices());
    w.show();
    const QFont windowFont = w.font();
    const QFont buttonFont = child<QPushButton>(w, "Button1")->font();
    whenModalOpens([](QWidget* dialog) {
        dialog->findChild<QSpinBox*>("height")->setValue(30);
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>(w, "Button2"), Qt::LeftButton);
    EXPECT_EQ(w.canvasFont().height, -30);
    EXPECT_EQ(w.font(), windowFont);
    EXPECT_EQ(child<QPushButton>(w, "Button1")->font(), buttonFont);
}

TEST(CalendarWindow, PressingMakeBringsATypedYearIntoRangeFirst)
{
    CalendarWindow w(testServices());
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* text = child<QLineEdit>(*child<SpinEdit>(w, "Spinyear"), "text");
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "1850");
    EXPECT_EQ(w.settings().year, 1850); // read as typed while the box has the focus
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    EXPECT_EQ(text->text(), "1900");
    EXPECT_EQ(child<MonthCalendar>(w, "Calendar1")->year(), 1900);
    EXPECT_TRUE(w.madeflag);
}
