#include "document/tform1.h"

#include "platform/app_info.h"

namespace molvane {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kApplicationName));
    resize(1024, 720);
}

} // namespace molvane
