#include "options/ui/vbsoptions.h"

#include "app/DocumentFiles.h"
#include "app/ui/vbsmain.h"

namespace tarnwick {

TForm4::TForm4(TForm1& main, const std::vector<std::string>& arguments, QWidget* parent)
    : QWidget(parent, Qt::Dialog), main_(main) {
    setObjectName("Form4");
    setWindowTitle("Editor Options");
    setFixedSize(260, 277);
    FormCreate(arguments);
}

TForm4::~TForm4() {
    if (main_.Unit().Colours == &colours_) main_.Unit().Colours = nullptr;
}

void TForm4::FormCreate(const std::vector<std::string>& arguments) {
    MainUnit& unit = main_.Unit();
    if (unit.Settings) colours_ = LoadColourSettings(*unit.Settings);
    applied_ = AppliedEntriesOf(colours_);
    unit.Colours = &colours_;
    // Last: the document is coloured with the colours just loaded. The title
    // takes the file name as Open and a drop do.
    if (const auto file = CommandLineFileToOpen(arguments))
        main_.Guarded([&] { main_.Files().OpenOperation(FileNamePart(file->path), file->path); });
}

}  // namespace tarnwick
