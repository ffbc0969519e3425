#pragma once
#include <QDialog>

#include "shell/startup.h"

namespace talvex {

// Asks what to do with a file of the older generation. Closing the prompt
// any way other than "Extend To New Format" answers Retain.
class COldFormatDlg : public QDialog {
    Q_OBJECT
public:
    explicit COldFormatDlg(QWidget* parent = nullptr);

    OldFormatAnswer answer() const { return answer_; }

private:
    OldFormatAnswer answer_ = OldFormatAnswer::Retain;
};

} // namespace talvex
