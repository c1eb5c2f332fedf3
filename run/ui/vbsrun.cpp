#include "run/ui/vbsrun.h"

namespace tarnwick {

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("Form2");
    setWindowTitle("Run Options");
    setFixedSize(366, 247);
    move(287, 302);
}

}  // namespace tarnwick
