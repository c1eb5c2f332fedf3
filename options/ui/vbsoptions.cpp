#include "options/ui/vbsoptions.h"

#include "documents/DocumentFiles.h"
#include "unit/MainUnit.h"
#include "unit/MainWindowPort.h"
#include "unit/ui/QtPorts.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

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

QLabel* Label(const char* text, QWidget* parent, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QComboBox* ComboBox(QWidget* parent, const char* name, int x, int y, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(x, y, width, 22);
    return box;
}

QPushButton* Button(const char* text, const char* name, QWidget* parent, int x, int width) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, 242, width, 25);
    return button;
}

}  // namespace

TForm4::TForm4(MainWindowPort& main, const std::vector<std::string>& arguments, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(main) {
    setObjectName("Form4");
    setWindowTitle("Editor Options");
    setFixedSize(260, 277);
    BuildControls();
    FormCreate(arguments);
}

TForm4::~TForm4() {
    if (main_.Unit().Colours == &colours_) main_.Unit().Colours = nullptr;
}

void TForm4::BuildControls() {
    auto* font = new QGroupBox(" Font ", this);
    font->setGeometry(8, 8, 244, 84);
    Label("Name:", font, 12, 26);
    CmbFont = ComboBox(font, "CmbFont", 56, 22, 176);
    CmbFont->setEditable(true);
    CmbFont->setInsertPolicy(QComboBox::NoInsert);
    Label("Size: ", font, 12, 56);
    CmbSize = ComboBox(font, "CmbSize", 56, 52, 64);
    CmbSize->setEditable(true);
    CmbSize->setInsertPolicy(QComboBox::NoInsert);

    auto* colours = new QGroupBox(" Color Coding ", this);
    colours->setGeometry(8, 100, 244, 132);
    Label("Functions:", colours, 12, 30);
    ccFunctions = ComboBox(colours, "ccFunctions", 88, 26, 144);
    Label("Statements:", colours, 12, 64);
    ccStatements = ComboBox(colours, "ccStatements", 88, 60, 144);
    Label("Comments:", colours, 12, 98);
    ccComments = ComboBox(colours, "ccComments", 88, 94, 144);

    CmdReset = Button("&Reset to Default", "CmdReset", this, 8, 108);
    CmdApply = Button("&Apply", "CmdApply", this, 122, 62);
    CmdCancel = Button("&Cancel", "CmdCancel", this, 190, 62);
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
