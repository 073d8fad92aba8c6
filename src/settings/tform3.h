#pragma once
// The environment settings dialog (環境設定).

#include "platform/prompts.h"

#include <QDialog>

namespace molvane {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(Prompts& prompts, QWidget* parent = nullptr);
};

} // namespace molvane
