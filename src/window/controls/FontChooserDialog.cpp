#include "FontChooserDialog.h"

#include "picture/qt/SystemColors.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace pluvane {

namespace {

constexpr int regularWeight = 400;
constexpr int boldWeight = 700;

// The sample's box in pixels, room for the sample text at about 40 pixels.
constexpr int sampleWidth = 360;
constexpr int sampleHeight = 72;

// A weight above the regular one counts as bold, so "Medium" and "SemiBold"
// faces are stored as bold too.
bool isBoldWeight(int weight)
{
    return weight > regularWeight;
}

} // namespace

FontChooserDialog::FontChooserDialog(QWidget* parent)
    : QDialog(parent)
    , m_family(new QFontComboBox(this))
    , m_style(new QComboBox(this))
    , m_height(new QSpinBox(this))
    , m_underline(new QCheckBox(QStringLiteral("下線"), this))
    , m_strikeout(new QCheckBox(QStringLiteral("取り消し線"), this))
    , m_color(new QPushButton(QStringLiteral("色..."), this))
    , m_colorDialog(new QColorDialog(this))
    , m_sample(new QLabel(QStringLiteral("AaBbYyZz あア亜 123"), this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(QStringLiteral("フォント"));

    m_family->setObjectName(QStringLiteral("family"));
    // Editable, so a font that is not installed keeps its name and any name
    // can be typed, as the window's design font may be missing here.
    m_family->setEditable(true);
    m_style->setObjectName(QStringLiteral("style"));
    m_height->setObjectName(QStringLiteral("height"));
    m_height->setRange(1, 1000);
    m_height->setSuffix(QStringLiteral(" px"));
    m_underline->setObjectName(QStringLiteral("underline"));
    m_strikeout->setObjectName(QStringLiteral("strikeout"));
    m_color->setObjectName(QStringLiteral("color"));
    m_colorDialog->setObjectName(QStringLiteral("colorDialog"));
    m_colorDialog->setOptions(QColorDialog::DontUseNativeDialog);
    m_sample->setObjectName(QStringLiteral("sample"));
    // The sample is a window of fixed size onto the text: a large font is cut
    // at its edges rather than widening the dialog off the screen.
    m_sample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_sample->setMinimumWidth(sampleWidth);
    m_sample->setFixedHeight(sampleHeight);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_buttons->setObjectName(QStringLiteral("buttons"));
    // Return confirms. Without this the dialog would make its first button,
    // the colour button, the default one.
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("フォント名:"), m_family);
    form->addRow(QStringLiteral("スタイル:"), m_style);
    form->addRow(QStringLiteral("文字の高さ:"), m_height);

    auto* effects = new QHBoxLayout;
    effects->addWidget(m_underline);
    effects->addWidget(m_strikeout);
    effects->addWidget(m_color);
    effects->addStretch();
    form->addRow(QStringLiteral("文字飾り:"), effects);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_sample);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &FontChooserDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &FontChooserDialog::reject);
    connect(m_family, &QComboBox::currentTextChanged, this, [this](const QString& family) {
        // Keep the look of the style chosen so far in the new family.
        const StyleChoice* style = chosenStyle();
        fillStyles(family, style ? style->weight : regularWeight, style && style->italic);
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!family.isEmpty());
        showSample();
    });
    connect(m_style, &QComboBox::currentIndexChanged, this, &FontChooserDialog::showSample);
    connect(m_height, &QSpinBox::valueChanged, this, &FontChooserDialog::showSample);
    connect(m_underline, &QCheckBox::toggled, this, &FontChooserDialog::showSample);
    connect(m_strikeout, &QCheckBox::toggled, this, &FontChooserDialog::showSample);
    connect(m_color, &QPushButton::clicked, this, [this] {
        m_colorDialog->setCurrentColor(toQColor(m_editedColor, palette()));
        m_colorDialog->open();
    });
    connect(m_colorDialog, &QColorDialog::colorSelected, this, [this](const QColor& color) {
        m_editedColor = toTColor(color);
        showColor();
        showSample();
    });

    loadEditors();
}

void FontChooserDialog::fillStyles(const QString& family, int preferredWeight, bool preferredItalic)
{
    m_styleChoices.clear();
    for (const QString& name : QFontDatabase::styles(family))
        m_styleChoices.push_back({ name, QFontDatabase::weight(family, name), QFontDatabase::italic(family, name) });

    // The regular, italic, bold and bold italic looks are always offered;
    // the font engine makes up those a family lacks, and a family that is
    // not installed has no styles of its own at all.
    const StyleChoice standard[]
        = { { QStringLiteral("Regular"), regularWeight, false }, { QStringLiteral("Italic"), regularWeight, true },
              { QStringLiteral("Bold"), boldWeight, false }, { QStringLiteral("Bold Italic"), boldWeight, true } };
    for (const StyleChoice& look : standard) {
        const bool offered = std::any_of(m_styleChoices.begin(), m_styleChoices.end(), [&](const StyleChoice& s) {
            return isBoldWeight(s.weight) == isBoldWeight(look.weight) && s.italic == look.italic;
        });
        if (!offered)
            m_styleChoices.push_back(look);
    }

    // The nearest weight among the styles of the wanted slant.
    std::size_t best = 0;
    int bestDistance = -1;
    for (std::size_t i = 0; i < m_styleChoices.size(); ++i) {
        const StyleChoice& s = m_styleChoices[i];
        const int distance = std::abs(s.weight - preferredWeight) + (s.italic == preferredItalic ? 0 : 10000);
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }

    const QSignalBlocker quiet(m_style);
    m_style->clear();
    for (const StyleChoice& s : m_styleChoices)
        m_style->addItem(s.name);
    m_style->setCurrentIndex(static_cast<int>(best));
}

const FontChooserDialog::StyleChoice* FontChooserDialog::chosenStyle() const
{
    const int index = m_style->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_styleChoices.size())
        return nullptr;
    return &m_styleChoices[static_cast<std::size_t>(index)];
}

void FontChooserDialog::loadEditors()
{
    const QString family = QString::fromStdString(m_font.name);
    {
        const QSignalBlocker quiet(m_family);
        const int index = m_family->findText(family, Qt::MatchFixedString);
        if (index >= 0)
            m_family->setCurrentIndex(index);
        m_family->setEditText(family);
    }
    fillStyles(family, m_font.bold ? boldWeight : regularWeight, m_font.italic);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!family.isEmpty());

    // A positive Font.Height is a cell height; it is shown as it stands, the
    // nearest the dialog's pixel character height can come.
    m_height->setValue(std::clamp(std::abs(m_font.height), m_height->minimum(), m_height->maximum()));
    m_underline->setChecked(m_font.underline);
    m_strikeout->setChecked(m_font.strikeout);
    m_editedColor = m_font.color;
    showColor();
    showSample();
}

FontSpec FontChooserDialog::editedFont() const
{
    FontSpec font = m_font; // The pitch stays as it was.
    font.name = truncatedFontName(m_family->currentText().toStdString());
    font.height = -m_height->value();
    const StyleChoice* style = chosenStyle();
    font.bold = style && isBoldWeight(style->weight);
    font.italic = style && style->italic;
    font.underline = m_underline->isChecked();
    font.strikeout = m_strikeout->isChecked();
    font.color = m_editedColor;
    return font;
}

void FontChooserDialog::showColor()
{
    QPixmap swatch(16, 16);
    swatch.fill(toQColor(m_editedColor, palette()));
    m_color->setIcon(QIcon(swatch));
}

void FontChooserDialog::showSample()
{
    const FontSpec font = editedFont();
    QFont sample(QString::fromStdString(font.name));
    sample.setPixelSize(font.characterHeight() > 0 ? std::min(font.characterHeight(), 200) : 12);
    if (const StyleChoice* style = chosenStyle())
        sample.setWeight(static_cast<QFont::Weight>(std::clamp(style->weight, 100, 900)));
    sample.setItalic(font.italic);
    sample.setUnderline(font.underline);
    sample.setStrikeOut(font.strikeout);
    m_sample->setFont(sample);
    QPalette colors = m_sample->palette();
    colors.setColor(QPalette::WindowText, toQColor(font.color, palette()));
    m_sample->setPalette(colors);
}

bool FontChooserDialog::run()
{
    return exec() == QDialog::Accepted;
}

int FontChooserDialog::exec()
{
    loadEditors();
    return QDialog::exec();
}

void FontChooserDialog::open()
{
    loadEditors();
    QDialog::open();
}

void FontChooserDialog::accept()
{
    if (m_family->currentText().isEmpty()) {
        QApplication::beep();
        return;
    }
    m_font = editedFont();
    QDialog::accept();
}

} // namespace pluvane
