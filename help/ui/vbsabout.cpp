#include "help/ui/vbsabout.h"

#include "app/DocumentFiles.h"

namespace tarnwick {

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("Form3");
    setWindowTitle(QString("About ") + kApplicationTitle);
    setFixedSize(382, 231);
    move(319, 229);
    setStyleSheet("background: white;");
}

}  // namespace tarnwick
