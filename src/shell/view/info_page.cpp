#include "shell/view/info_page.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/shell_texts.h"
#include "shell/view/product_picture.h"

namespace talvex {

CTalvexConfigInfo::CTalvexConfigInfo(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Info"), parent)
{
    auto* picture = new QLabel(this);
    picture->setPixmap(ProductPicture());
    picture->setAccessibleName(QStringLiteral("TALVEX"));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* text = new QLabel(QString::fromUtf8(INFO_PRODUCT_TEXT), frame);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setAccessibleName(QStringLiteral("Zorvanthis Config Tool"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(text);
    frameLayout->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addWidget(frame, 1);
}

} // namespace talvex
