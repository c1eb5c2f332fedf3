#pragma once

#include <QWidget>

namespace tarnwick {

// The About box: created hidden at start-up and shown modeless by its
// command. Its content comes with the help work.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

}  // namespace tarnwick
