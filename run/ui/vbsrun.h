#pragma once

#include <QWidget>

namespace tarnwick {

// The Run Options window: created hidden at start-up, shown modeless by the
// Run command and only ever hidden. Its controls come with the runner.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace tarnwick
