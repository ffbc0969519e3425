#include "shell/view/property_sheet.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace talvex {

PropertySheet::PropertySheet(ShellContext& context, const QString& caption,
                             const QString& fileName, std::vector<TalvexPage*> pages,
                             SaveFunction save, QWidget* parent)
    : QDialog(parent), context_(context), fileName_(fileName), pages_(std::move(pages)),
      save_(std::move(save)), tabs_(new QTabWidget(this))
{
    setWindowTitle(caption);
    for (TalvexPage* page : pages_)
        tabs_->addTab(page, page->caption());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* button : buttons->buttons())
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    resize(820, 600);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropertySheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (isVisible())
            activateCurrent();
    });
}

void PropertySheet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activateCurrent();
}

void PropertySheet::activateCurrent()
{
    const int index = tabs_->currentIndex();
    if (index >= 0 && index < static_cast<int>(pages_.size()))
        pages_[static_cast<std::size_t>(index)]->activate();
}

void PropertySheet::accept()
{
    if (context_.isModified() && save_) {
        std::string reason;
        if (!save_(reason)) {
            QMessageBox box(QMessageBox::Warning, windowTitle(),
                            tr("The configuration could not be saved to \"%1\": %2.\n\n"
                               "Nothing was written. Correct the cause and press OK again, "
                               "or press Cancel to leave without saving.")
                                .arg(fileName_, QString::fromStdString(reason)),
                            QMessageBox::Ok, this);
            context_.RunModal(box);
            return;
        }
    }
    QDialog::accept();
}

} // namespace talvex
