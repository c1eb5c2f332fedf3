#include "options/ui/vbsoptions.h"

#include "documents/DocumentFiles.h"
#include "unit/MainUnit.h"
#include "unit/MainWindowPort.h"
#include "unit/ui/QtPorts.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnwick {
namespace {

QIcon Swatch(Colour colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(QColor(static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
                       static_cast<int>(BlueOf(colour))));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

QComboBox* ComboBox(QWidget* parent, const char* name, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setMinimumWidth(width);
    // The box is as wide as the window makes it, not as its longest font name.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(4);
    return box;
}

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

TForm4::TForm4(MainWindowPort& main, const std::vector<std::string>& arguments, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(main) {
    setObjectName("Form4");
    setWindowTitle("Editor Options");
    setFont(DesignFont("MS Sans Serif", 8));
    BuildControls();
    FitToTexts();
    FormCreate(arguments);
}

void TForm4::FitToTexts() {
    // The design's widths, or wider where the font draws a caption wider.
    const std::pair<QPushButton*, int> buttons[] = {{CmdReset, 108}, {CmdApply, 62}, {CmdCancel, 62}};
    for (const auto& [button, designWidth] : buttons)
        button->setFixedWidth(std::max(designWidth, button->fontMetrics().horizontalAdvance(
                                                        QString(button->text()).remove('&')) + 16));
    setFixedSize(QSize(260, 277).expandedTo(layout()->totalSizeHint()));
}

void TForm4::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && layout()) {
        layout()->invalidate();
        FitToTexts();
    }
}

TForm4::~TForm4() {
    if (main_.Unit().Colours == &colours_) main_.Unit().Colours = nullptr;
}

// Laid out so that every text is whole in whatever font the window gets: at
// the design's font the window has the design's size, a larger font widens it.
void TForm4::BuildControls() {
    auto* font = new QGroupBox(" Font ", this);
    CmbFont = ComboBox(font, "CmbFont", 120);
    CmbFont->setEditable(true);
    CmbFont->setInsertPolicy(QComboBox::NoInsert);
    CmbSize = ComboBox(font, "CmbSize", 64);
    CmbSize->setEditable(true);
    CmbSize->setInsertPolicy(QComboBox::NoInsert);
    auto* fontRows = new QFormLayout(font);
    fontRows->addRow("Name:", CmbFont);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(CmbSize);
    sizeRow->addStretch();
    fontRows->addRow("Size: ", sizeRow);

    auto* colours = new QGroupBox(" Color Coding ", this);
    ccFunctions = ComboBox(colours, "ccFunctions", 120);
    ccStatements = ComboBox(colours, "ccStatements", 120);
    ccComments = ComboBox(colours, "ccComments", 120);
    auto* colourRows = new QFormLayout(colours);
    colourRows->addRow("Functions:", ccFunctions);
    colourRows->addRow("Statements:", ccStatements);
    colourRows->addRow("Comments:", ccComments);
    for (QFormLayout* rows : {fontRows, colourRows}) {
        rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        rows->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    CmdReset = Button("&Reset to Default", "CmdReset", this);
    CmdApply = Button("&Apply", "CmdApply", this);
    CmdCancel = Button("&Cancel", "CmdCancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdReset);
    buttons->addStretch();
    buttons->addWidget(CmdApply);
    buttons->addWidget(CmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 10);
    layout->addWidget(font);
    layout->addWidget(colours);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(CmdReset, &QPushButton::clicked, this, &TForm4::CmdResetClick);
    connect(CmdApply, &QPushButton::clicked, this, &TForm4::CmdApplyClick);
    connect(CmdCancel, &QPushButton::clicked, this, &TForm4::CmdCancelClick);

    // Every pick is the colour in force at once.
    const std::pair<QComboBox*, Colour ColourSettings::*> pickers[] = {
        {ccFunctions, &ColourSettings::functions},
        {ccStatements, &ColourSettings::statements},
        {ccComments, &ColourSettings::comments},
    };
    for (const auto& [picker, role] : pickers)
        connect(picker, &QComboBox::currentIndexChanged, this, [this, picker, role](int index) {
            if (index >= 0) colours_.*role = picker->itemData(index).toUInt();
        });
}

void TForm4::FormCreate(const std::vector<std::string>& arguments) {
    for (const std::string& size : FontSizeChoices()) CmbSize->addItem(QString::fromStdString(size));
    std::vector<std::string> installed;
    for (const QString& family : QFontDatabase::families()) installed.push_back(family.toStdString());
    for (const std::string& name : FontNameChoices(std::move(installed))) CmbFont->addItem(QString::fromStdString(name));
    ShowFont(CurrentFontChoice(main_.Unit().MainText));

    MainUnit& unit = main_.Unit();
    if (unit.Settings) colours_ = LoadColourSettings(*unit.Settings);
    ShowColour(ccFunctions, colours_.functions);
    ShowColour(ccStatements, colours_.statements);
    ShowColour(ccComments, colours_.comments);
    applied_ = AppliedEntriesOf(colours_);
    unit.Colours = &colours_;
    // Last: the document is coloured with the colours just loaded. The title
    // takes the file name as Open and a drop do.
    if (const auto path = CommandLineFileToOpen(arguments))
        main_.Guarded([&] { main_.Files().OpenOperation(FileNamePart(*path), *path); });
}

void TForm4::ShowColour(QComboBox* picker, Colour colour) {
    if (picker->count() == 0 || picker->findData(colour) < 0) {
        // A colour outside the twenty keeps its own entry for the rest of the run.
        const QSignalBlocker quiet(picker);
        for (const PickerEntry& entry : PickerEntries(colour))
            if (picker->findData(entry.value) < 0)
                picker->addItem(Swatch(entry.value), QString::fromStdString(entry.shownAs), entry.value);
    }
    picker->setCurrentIndex(picker->findData(colour));
}

FontChoice TForm4::Font() const { return {CmbFont->currentText().toStdString(), CmbSize->currentText().toStdString()}; }

void TForm4::ShowFont(const FontChoice& font) {
    CmbFont->setCurrentText(QString::fromStdString(font.name));
    CmbSize->setCurrentText(QString::fromStdString(font.size));
}

void TForm4::CmdResetClick() {
    FontChoice font = Font();
    ColourSettings colours = colours_;
    ResetToDefault(font, colours);
    ShowFont(font);
    ShowColour(ccFunctions, colours.functions);
    ShowColour(ccStatements, colours.statements);
    ShowColour(ccComments, colours.comments);
}

void TForm4::CmdApplyClick() {
    if (main_.Guarded([this] { ApplyEditorOptions(main_.Unit(), Font(), colours_, applied_); })) hide();
}

void TForm4::CmdCancelClick() { hide(); }

// A size refused or cancelled is not the size in use: the box shows the editor's.
void TForm4::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        CmbSize->setCurrentText(QString::fromStdString(CurrentFontChoice(main_.Unit().MainText).size));
    QWidget::showEvent(event);
}

void TForm4::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CmdCancelClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tarnwick
