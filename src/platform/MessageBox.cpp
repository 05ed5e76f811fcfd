#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

void showPlainMessageBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kProgramTitle),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
