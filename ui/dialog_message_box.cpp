#include "ui/dialog_message_box.h"

#include <QMessageBox>

void DialogMessageBox::MsgBox(const Text& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(ApplicationTitle),
                    QString::fromStdU16String(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
