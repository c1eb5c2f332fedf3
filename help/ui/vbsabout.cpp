#include "help/ui/vbsabout.h"

#include "documents/DocumentFiles.h"
#include "help/HelpMenu.h"

#include <QLabel>
#include <QPushButton>

namespace tarnwick {
namespace {

const QColor kBlue(0x21, 0x5C, 0xDA);  // the colour value 14310689
constexpr const char* kCredits =
    "Written by the Tarnwick team. Thanks to everyone who sends errors, suggestions and comments.";

QFont PixelFont(const char* family, int pixels, bool bold = false, bool underline = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// A filled rectangle without outline.
QWidget* Shape(QWidget* parent, const char* name, QRect bounds, const QColor& fill) {
    auto* shape = new QWidget(parent);
    shape->setObjectName(name);
    shape->setGeometry(bounds);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, fill);
    shape->setPalette(palette);
    shape->setAutoFillBackground(true);
    return shape;
}

// A transparent label in white.
QLabel* Label(QWidget* parent, const char* name, const char* design, QPoint at, const QFont& font) {
    auto* label = new QLabel(design, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->move(at);
    return label;
}

}  // namespace

TForm3::TForm3(QWidget* parent)
    // A window that names none of the border functions is given all of them by
    // window managers (maximise, resize): naming close alone leaves those out.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("Form3");
    setFont(PixelFont("MS Sans Serif", 11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(382, 231);
    move(319, 229);

    Shape1 = Shape(this, "Shape1", {0, 0, 361, 233}, kBlue);
    Shape2 = Shape(this, "Shape2", {8, 40, 353, 3}, Qt::white);
    Shape3 = Shape(this, "Shape3", {8, 176, 353, 3}, Qt::white);
    Shape4 = Shape(this, "Shape4", {360, 40, 25, 4}, kBlue);
    Shape5 = Shape(this, "Shape5", {359, 176, 25, 3}, kBlue);

    LblTitle = Label(this, "LblTitle", "App Title", {16, 16}, PixelFont("Tahoma", 19, true));
    LblVersion = Label(this, "LblVersion", "Version...", {72, 40}, PixelFont("Verdana", 11, true));
    Label4 = Label(this, "Label4", kWebSite, {136, 160}, PixelFont("Tahoma", 9, true, true));
    Label4->resize(131, 11);
    Label5 = Label(this, "Label5", kCredits, {8, 184}, PixelFont("Tahoma", 11));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->resize(185, 41);

    CmdOk = new QPushButton("OK", this);
    CmdOk->setObjectName("CmdOk");
    CmdOk->setFont(PixelFont("Verdana", 11));
    CmdOk->setGeometry(264, 192, 89, 25);
    // Enter presses the default button; Escape rejects, which hides as OK does.
    CmdOk->setDefault(true);
    CmdOk->setAutoDefault(true);
    connect(CmdOk, &QPushButton::clicked, this, &TForm3::CmdOkClick);
    CmdOk->setFocus();

    FormCreate();
}

void TForm3::FormCreate() {
    setWindowTitle(QString("About ") + kApplicationTitle);
    LblVersion->setText(" Version 1.1");
    LblVersion->adjustSize();
    LblTitle->setText(QString(" ") + kApplicationTitle);
    LblTitle->adjustSize();
}

void TForm3::CmdOkClick() { hide(); }

}  // namespace tarnwick
